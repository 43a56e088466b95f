#include "wide_text_key.h"

#include "test_hive.h"
#include "platform/portable/portable.h"

#include <hivex.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Writes the values into ControlSet001\Services\QuorlanWideText of the hive at path.
bool writeValues(const std::string& path, const std::vector<WideValue>& values) {
    hive_h* hive = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!hive)
        return false;
    hive_node_h node = hivex_node_get_child(hive, hivex_root(hive), "ControlSet001");
    node = node ? hivex_node_get_child(hive, node, "Services") : 0;
    node = node ? hivex_node_add_child(hive, node, "QuorlanWideText") : 0;
    std::vector<hive_set_value> set;
    for (const WideValue& value : values)
        set.push_back({const_cast<char*>(value.name), static_cast<hive_type>(value.type),
                       value.utf16.size(),
                       reinterpret_cast<char*>(const_cast<BYTE*>(value.utf16.data()))});
    bool written = node && hivex_node_set_values(hive, node, set.size(), set.data(), 0) == 0 &&
                   hivex_commit(hive, nullptr, 0) == 0;
    hivex_close(hive);
    return written;
}

} // namespace

WideTextKey::~WideTextKey() {
    if (key_)
        RegCloseKey(key_);
    portable::useMemoryRegistry();
    if (!folder_.empty()) {
        ::unlink((folder_ + "/SYSTEM").c_str());
        ::rmdir(folder_.c_str());
        folder_.clear();
    }
}

bool WideTextKey::open(const std::vector<WideValue>& values) {
    char folder[] = "/tmp/quorlan-wide-XXXXXX";
    if (!::mkdtemp(folder))
        return false;
    folder_ = folder;
    std::string path = folder_ + "/SYSTEM";
    std::string error;
    if (!test_support::writeTestHive(path, {}, &error) || !writeValues(path, values) ||
        !portable::useRegistryFile(path, &error))
        return false;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\QuorlanWideText",
                         0, KEY_READ, &key_) == ERROR_SUCCESS;
}
