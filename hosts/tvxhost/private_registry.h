// A registry of the process's own for scenario runs: HKEY_LOCAL_MACHINE is redirected to a
// scratch key under HKEY_CURRENT_USER for as long as the object lives, and the scratch key is
// removed with everything written under it. The machine's real keys are neither read nor written.
#pragma once

#include "platform/non_copyable.h"

#include <windows.h>

#include <string>

class PrivateRegistry : NonCopyable {
  public:
    ~PrivateRegistry();

    // False with *error set when the scratch key cannot be made or the redirection fails.
    bool open(std::string* error);

  private:
    void close();

    std::string path_; // the scratch key, under HKEY_CURRENT_USER
    HKEY scratch_ = nullptr;
    bool redirected_ = false;
};
