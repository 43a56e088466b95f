// What an OK must leave in the registry, checked against a snapshot taken after the call. Each
// check returns empty when it holds, else what is wrong.
#pragma once

#include "fuzzed_registry.h"

// After any OK: each of the eight values that exists is REG_SZ text with its terminator, at most
// 256 bytes in all; a List value holds a code of its map; an optional value is deleted rather
// than written as the absent marker "-1"; the unrelated value is as it was.
std::string checkAnySave(const scenario::ParametersSnapshot& after);

// After an OK that visited no editor but the one shown at opening (Address, whose text goes
// back unchanged): every value as loading read it, translated to its label and back.
std::string checkSaveOfLoadedValues(const FuzzedContents& before,
                                    const scenario::ParametersSnapshot& after);
