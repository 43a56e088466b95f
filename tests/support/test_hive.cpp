#include "test_hive.h"

#include "empty_hive.h"

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

// A key of `count` values, shaped as in a real SYSTEM hive: text, numbers, a little binary.
bool addSettings(hive_h* hive, hive_node_h key, const std::string& text, int count) {
    ValueList values;
    for (int i = 0; i < count; ++i) {
        std::string name = "Setting" + std::to_string(i);
        if (i % 3 == 0)
            values.add(name, hive_t_REG_SZ, utf16(text));
        else if (i % 3 == 1)
            values.add(name, hive_t_REG_DWORD, dword(static_cast<unsigned>(i)));
        else
            values.add(name, hive_t_REG_BINARY, std::string(24, static_cast<char>(i)));
    }
    return key && values.setOn(hive, key);
}

// Services of other drivers, each with its Parameters and Enum keys.
bool addOtherServices(hive_h* hive, hive_node_h services, int count) {
    for (int n = 0; n < count; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "Driver%04d", n);
        std::string image = std::string("system32\\drivers\\") + name + ".sys";
        hive_node_h service = addKey(hive, services, name);
        ValueList own;
        own.add("Type", hive_t_REG_DWORD, dword(1))
            .add("Start", hive_t_REG_DWORD, dword(3))
            .add("ImagePath", hive_t_REG_EXPAND_SZ, utf16(image))
            .add("Group", hive_t_REG_SZ, utf16("NDIS"));
        if (!service || !own.setOn(hive, service) ||
            !addSettings(hive, addKey(hive, service, "Parameters"), image, 12) ||
            !addSettings(hive, addKey(hive, service, "Enum"), image, 3))
            return false;
    }
    return true;
}

// Devices under Enum, 100 to a bus, each an instance key with its Device Parameters (about
// 2.7 KiB of hive a device, hivex's own leftovers included), until about `bytes`.
bool addDevices(hive_h* hive, hive_node_h devices, size_t bytes) {
    hive_node_h bus = 0;
    for (size_t made = 0, n = 0; made < bytes; made += 2700, ++n) {
        char name[32];
        if (n % 100 == 0) {
            std::snprintf(name, sizeof name, "Bus%03zu", n / 100);
            bus = addKey(hive, devices, name);
        }
        std::snprintf(name, sizeof name, "VEN_%04zX&DEV_%04zX", n / 100, n % 100);
        hive_node_h device = addKey(hive, bus, name);
        hive_node_h instance = addKey(hive, device, "0000");
        std::string description = std::string("PCI device ") + name;
        if (!addSettings(hive, instance, description, 15) ||
            !addSettings(hive, addKey(hive, instance, "Device Parameters"), description, 6))
            return false;
    }
    return true;
}

bool addControlSet(hive_h* hive, const char* name, size_t fillerBytes) {
    hive_node_h set = addKey(hive, hivex_root(hive), name);
    hive_node_h control = addKey(hive, set, "Control");
    hive_node_h services = addKey(hive, set, "Services");
    ValueList options;
    options.add("SystemStartOptions", hive_t_REG_SZ, utf16(" NOEXECUTE=OPTIN"));
    return services && options.setOn(hive, control) &&
           (fillerBytes == 0 || (addOtherServices(hive, services, 400) &&
                                 addDevices(hive, addKey(hive, set, "Enum"), fillerBytes)));
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

} // namespace

bool markHiveDirty(const std::string& path) {
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
    if (!made)
        *error = path + ": cannot extend the hive: " + std::strerror(errno);
    return made;
}

} // namespace test_support
