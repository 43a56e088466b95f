// Registry contents decoded from fuzzer input: whether the service has its Parameters key, and
// for each of the eight values whether it exists, its type, its length (0 to 300 bytes) and its
// bytes. An unrelated value sits beside them, to show that a call leaves it alone.
#pragma once

#include "byte_reader.h"
#include "params/property_catalogue.h"
#include "platform/win32.h"
#include "scenario/run/registry_stage.h"

#include <array>
#include <string>

struct FuzzedValue {
    bool exists = false;
    DWORD type = REG_SZ;
    std::string data;
};

struct FuzzedContents {
    bool parametersKey = true;
    std::array<FuzzedValue, kPropertyCount> values; // by PropertyId
};

extern const char kFuzzService[];
extern const char kUnrelatedValue[];

FuzzedContents decodeContents(ByteReader& input);

// A fresh in-memory registry holding the contents.
void stageContents(const FuzzedContents& contents);

// Everything under the service's Parameters key.
scenario::ParametersSnapshot snapshotParameters();
// Empty when both hold the same values byte for byte, else the first difference.
std::string compareSnapshots(const scenario::ParametersSnapshot& before,
                             const scenario::ParametersSnapshot& after);
// The value of that name, or null.
const scenario::RegistryValue* findValue(const scenario::ParametersSnapshot& snapshot,
                                         const char* name);
