// The registry file of the Linux hosts: the one named on the command line, else
// $QUORLAN_REGISTRY, else ./quorlan.reg.
#pragma once

#include <string>

std::string registryFilePath(bool given, const std::string& path);
