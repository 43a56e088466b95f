// The interchange table against the registry in use, through the Win32 API alone, so that the
// same code runs on the portable store and on the real registry.
#pragma once

#include <string>
#include <vector>

namespace interchange {

// Removes the table's root key, then creates every key and value of the table and flushes.
// False with *error naming the first call refused.
bool writeTable(std::string* error);

// Every difference between the registry below the root key and the table, one line each:
// keys or values missing or extra, and values with another type or other bytes. For a registry
// loaded from the registry editor's export, values it cannot export are left out of the count.
enum class Source { Written, Export };
std::vector<std::string> compareWithTable(Source source);

} // namespace interchange
