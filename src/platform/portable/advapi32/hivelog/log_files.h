// The transaction logs that lie beside a hive: NAME.LOG, NAME.LOG1 and NAME.LOG2, their names
// matched without regard to case (copies made by hand or from a FAT stick are often lower
// case). Only regular files are read, never through a link, each at most as large as a store.
#pragma once

#include "platform/portable/advapi32/storefile/store_location.h"

#include <string>
#include <vector>

namespace portable::hivelog {

struct HiveLog {
    std::string suffix; // ".LOG", ".LOG1" or ".LOG2", as the scheme names it
    std::string name;   // as it is spelled in the folder
    std::string bytes;
    std::string problem; // why it could not be read ("" when it was)
};

// The names a hive's logs are looked for under, for messages: "SYSTEM.LOG, SYSTEM.LOG1, ...".
std::string logNamesLookedFor(const std::string& hiveName);

// The logs found in the folder (an open descriptor) beside the hive called hiveName, in the
// order .LOG1, .LOG2, .LOG; one that cannot be read is listed with its problem.
std::vector<HiveLog> readHiveLogs(int folder, const std::string& hiveName);

// The logs beside a store's hive.
std::vector<HiveLog> readLogsBeside(const storefile::StoreLocation& hive);

} // namespace portable::hivelog
