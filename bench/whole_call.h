// One whole call as the measurements make it: quorlan.so loaded as the Linux host loads it, the
// Veloxa service in the registry (in memory, or in a registry file), and a person who selects
// each of the eight properties, presses Defaults and then OK, so that every value is saved.
#pragma once

#include "scenario/run/entry_point_call.h"
#include "scenario/language/scenario.h"

#include <string>
#include <vector>

class WholeCall {
  public:
    WholeCall();

    // Loads quorlan.so ($QUORLAN_MODULE, else the one next to this program).
    bool load(std::string* error);
    // The registry in memory, holding only the service.
    void useMemoryStore();
    // Writes the service's parameters into the registry in use, with the registry functions.
    static void writeService();
    // The registry in a file holding the service and otherValues other values.
    bool useFileStore(const std::string& path, size_t otherValues, std::string* error);

    // Makes the call; the result word ("OK" when all went as planned).
    std::string run();

  private:
    scenario::EntryPoint entry_ = nullptr;
    std::vector<scenario::Step> steps_;
};
