// HKEY_LOCAL_MACHINE\System as Windows has it, with its control sets and CurrentControlSet: on
// Windows the registry itself; natively a SYSTEM hive made for the test (Select\Current 1), the
// hive then being the registry until the object goes.
#pragma once

class SystemRegistry {
  public:
    SystemRegistry() = default;
    SystemRegistry(const SystemRegistry&) = delete;
    SystemRegistry& operator=(const SystemRegistry&) = delete;
    ~SystemRegistry(); // natively: removes the hive, the registry going back to memory

    // False when the registry cannot be had.
    bool open();

  private:
    char folder_[32] = {}; // natively: the folder of the hive
};
