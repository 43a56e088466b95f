// Registry files of a chosen size for the measurements: the Veloxa service with its eight
// parameters, and as many other values as asked for, a hundred to a key, of every common type.
#pragma once

#include <cstddef>
#include <string>

extern const char kBenchService[];

// The line of one value of the i-th kind: text, number, bytes, expandable text.
std::string syntheticValue(size_t i);

// The REGEDIT4 text of the service and `otherValues` values beside it.
std::string syntheticRegistry(size_t otherValues);

// Writes that text to path; false when the file cannot be written.
bool writeSyntheticRegistry(const std::string& path, size_t otherValues);
