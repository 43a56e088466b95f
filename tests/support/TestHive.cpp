#include "TestHive.h"

#include "EmptyHive.h"

#include <hivex.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <vector>

namespace test_support {

namespace {

std::string dword(unsigned number) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(number >> (8 * i) & 0xFF);
    return bytes;
}

std::string utf16(const std::string& ascii) {
    std::string bytes;
    for (char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes + std::string(2, '\0');
}

// Values set all at once; the strings keep the bytes alive.
class ValueList {
  public:
    ValueList& add(const std::string& name, hive_type type, std::string data) {
        names_.push_back(name);
        data_.push_back(std::move(data));
        types_.push_back(type);
        return *this;
    }
    bool setOn(hive_h* hive, hive_node_h node) {
        std::vector<hive_set_value> values;
        for (size_t i = 0; i < names_.size(); ++i)
            values.push_back({names_[i].data(), types_[i], data_[i].size(), data_[i].data()});
        return hivex_node_set_values(hive, node, values.size(), values.data(), 0) == 0;
    }

  private:
    std::vector<std::string> names_;
    std::vector<std::string> data_;
    std::vector<hive_type> types_;
};

hive_node_h addKey(hive_h* hive, hive_node_h parent, const char* name) {
    return parent ? hivex_node_add_child(hive, parent, name) : 0;
}

// Services of other drivers, about 24 KiB each, until the hive holds about `bytes`.
bool addOtherServices(hive_h* hive, hive_node_h services, size_t bytes) {
    const std::string description(2000, 'd');
    for (size_t made = 0, n = 0; made < bytes; made += 24 * 1024, ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "Driver%05zu", n);
        hive_node_h service = addKey(hive, services, name);
        hive_node_h parameters = addKey(hive, service, "Parameters");
        ValueList own;
        own.add("Type", hive_t_REG_DWORD, dword(1))
            .add("Start", hive_t_REG_DWORD, dword(3))
            .add("ImagePath", hive_t_REG_EXPAND_SZ,
                 utf16(std::string("system32\\drivers\\") + name))
            .add("Description", hive_t_REG_SZ, utf16(description));
        ValueList settings;
        for (int i = 0; i < 8; ++i)
            settings.add("Setting" + std::to_string(i), hive_t_REG_BINARY,
                         std::string(1200, char(i)));
        if (!parameters || !own.setOn(hive, service) || !settings.setOn(hive, parameters))
            return false;
    }
    return true;
}

bool addControlSet(hive_h* hive, const char* name, size_t fillerBytes) {
    hive_node_h set = addKey(hive, hivex_root(hive), name);
    hive_node_h control = addKey(hive, set, "Control");
    hive_node_h services = addKey(hive, set, "Services");
    return services &&
           ValueList()
               .add("SystemStartOptions", hive_t_REG_SZ, utf16(" NOEXECUTE=OPTIN"))
               .setOn(hive, control) &&
           addOtherServices(hive, services, fillerBytes);
}

bool addSelect(hive_h* hive, unsigned current) {
    hive_node_h select = addKey(hive, hivex_root(hive), "Select");
    return select && ValueList()
                         .add("Current", hive_t_REG_DWORD, dword(current))
                         .add("Default", hive_t_REG_DWORD, dword(current))
                         .add("Failed", hive_t_REG_DWORD, dword(0))
                         .add("LastKnownGood", hive_t_REG_DWORD, dword(current))
                         .setOn(hive, select);
}

// Makes the primary sequence number run ahead of the secondary one, the checksum kept right.
bool makeDirty(const std::string& path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    char block[0x200];
    if (!file.read(block, sizeof block))
        return false;
    block[4] = static_cast<char>(block[8] + 1);
    uint32_t sum = 0;
    for (size_t at = 0; at < 0x1FC; at += 4) {
        uint32_t word = 0;
        std::memcpy(&word, block + at, 4); // little-endian, as the machines this runs on
        sum ^= word;
    }
    std::memcpy(block + 0x1FC, &sum, 4);
    file.seekp(0);
    return static_cast<bool>(file.write(block, sizeof block));
}

} // namespace

bool writeTestHive(const std::string& path, const TestHiveOptions& options, std::string* error) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        std::string bytes = emptyHive("ROOT");
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
            *error = path + ": cannot write";
            return false;
        }
    }
    hive_h* hive = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!hive) {
        *error = path + ": hivex refuses the empty hive: " + std::strerror(errno);
        return false;
    }
    // The current control set and the one before it; the filler is shared between them.
    unsigned current = options.current ? options.current : 1;
    char currentName[32], otherName[32];
    std::snprintf(currentName, sizeof currentName, "ControlSet%03u", current);
    std::snprintf(otherName, sizeof otherName, "ControlSet%03u", current == 1 ? 2 : 1);
    bool made = (options.current == 0 || addSelect(hive, options.current)) &&
                addControlSet(hive, currentName, options.sizeAtLeast / 2) &&
                addControlSet(hive, otherName, options.sizeAtLeast / 2) &&
                hivex_commit(hive, path.c_str(), 0) == 0;
    hivex_close(hive);
    if (made && options.dirty)
        made = makeDirty(path);
    if (!made)
        *error = path + ": cannot extend the hive: " + std::strerror(errno);
    return made;
}

} // namespace test_support
