#include "platform/portable/advapi32/hive_file.h"

#include "platform/portable/advapi32/ansi_code_page.h"
#include "platform/portable/advapi32/hive_image.h"
#include "platform/portable/advapi32/hivelog/base_block.h"
#include "platform/portable/advapi32/hivelog/le_bytes.h"
#include "platform/portable/advapi32/hivelog/log_files.h"

#include <hivex.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <unordered_set>

namespace portable::registry {

namespace {

constexpr int kLocalMachine = 2; // HKEY_LOCAL_MACHINE among the roots
const char kMountName[] = "System";
const char kCurrentControlSet[] = "CurrentControlSet";

struct HiveCloser {
    void operator()(hive_h* hive) const { hivex_close(hive); }
};
using Hive = std::unique_ptr<hive_h, HiveCloser>;

// What hivex hands out is the caller's to free().
struct Freer {
    void operator()(void* memory) const { std::free(memory); }
};
template <class T> using Owned = std::unique_ptr<T, Freer>;

// Whether bytes hold a whole hive: its base block and the hive bins it counts (whether it is up
// to date is the replay's concern: hivelog/); *error for bytes cut short.
bool isWholeHive(std::string_view bytes, std::string* error) {
    if (bytes.size() < hivelog::kBaseBlockSize) {
        *error = ": the hive is cut short: its base block alone takes 4096 bytes, the file holds " +
                 std::to_string(bytes.size());
        return false;
    }
    size_t whole = hivelog::kBaseBlockSize + hivelog::le32(bytes, hivelog::kHiveBinsSizeOffset);
    if (bytes.size() < whole) {
        *error = ": the hive is cut short: its base block counts " + std::to_string(whole) +
                 " bytes, the file holds " + std::to_string(bytes.size());
        return false;
    }
    return true;
}

// The hive in an image, opened by hivex (flags: HIVEX_OPEN_WRITE or 0).
Hive openImage(const HiveImage& image, int flags, std::string* error) {
    Hive hive(hivex_open(image.name().c_str(), flags));
    if (!hive)
        *error = std::string(": not a hive that can be read: ") + std::strerror(errno);
    return hive;
}

std::string nodeName(hive_h* hive, hive_node_h node) {
    Owned<char> name(hivex_node_name(hive, node));
    return name ? ansiFromUtf8(name.get()) : std::string();
}

bool isTextType(hive_type type) {
    return type == hive_t_REG_SZ || type == hive_t_REG_EXPAND_SZ || type == hive_t_REG_MULTI_SZ;
}

// The name of the key that CurrentControlSet stands for, from the value Select\Current.
bool currentControlSet(hive_h* hive, std::string* name, std::string* error) {
    hive_node_h select = hivex_node_get_child(hive, hivex_root(hive), "Select");
    hive_value_h current = select ? hivex_node_get_value(hive, select, "Current") : 0;
    hive_type type = hive_t_REG_NONE;
    size_t length = 0;
    if (!current || hivex_value_type(hive, current, &type, &length) != 0 ||
        type != hive_t_REG_DWORD || length != 4) {
        *error = ": the hive has no Select\\Current value (a DWORD), so which control set is "
                 "CurrentControlSet is unknown: is it a SYSTEM hive?";
        return false;
    }
    char text[32];
    std::snprintf(text, sizeof text, "ControlSet%03u",
                  static_cast<unsigned>(hivex_value_dword(hive, current)));
    if (!hivex_node_get_child(hive, hivex_root(hive), text)) {
        *error = std::string(": Select\\Current names ") + text + ", which the hive lacks";
        return false;
    }
    *name = text;
    return true;
}

// One value of a hive key as hivex hands it out: its name in UTF-8, type and raw data.
struct RawValue {
    Owned<char> name;
    hive_type type = hive_t_REG_NONE;
    size_t length = 0;
    Owned<char> data;
};

// The values of a hive key in their order; false when the hive is damaged there.
bool readValues(hive_h* hive, hive_node_h node, std::vector<RawValue>* values) {
    Owned<hive_value_h> handles(hivex_node_values(hive, node));
    if (!handles)
        return false;
    for (hive_value_h* handle = handles.get(); *handle; ++handle) {
        RawValue value;
        value.name.reset(hivex_value_key(hive, *handle));
        value.data.reset(hivex_value_value(hive, *handle, &value.type, &value.length));
        if (!value.name || !value.data)
            return false;
        values->push_back(std::move(value));
    }
    return true;
}

// Copies the values of one hive key into *key.
bool copyValues(hive_h* hive, hive_node_h node, RegistryKey* key) {
    std::vector<RawValue> values;
    if (!readValues(hive, node, &values))
        return false;
    for (const RawValue& value : values) {
        auto bytes = reinterpret_cast<const BYTE*>(value.data.get());
        key->setValue(ansiFromUtf8(value.name.get()), static_cast<DWORD>(value.type),
                      isTextType(value.type) ? ansiFromUtf16(bytes, value.length)
                                             : std::vector<BYTE>(bytes, bytes + value.length));
    }
    return true;
}

// Copies every key below the hive's root into *mount, key by key from a list of those still to
// copy (no recursion, however deep the hive), with CurrentControlSet as a link to the current
// control set, as Windows shows it. A key met twice (a damaged hive whose lists loop) refuses
// the hive.
bool copyKeys(hive_h* hive, const std::string& controlSet, RegistryKey* mount, std::string* error) {
    struct Pending {
        hive_node_h node;
        RegistryKey* key;
    };
    hive_node_h root = hivex_root(hive);
    std::vector<Pending> pending{{root, mount}};
    std::unordered_set<hive_node_h> seen;
    while (!pending.empty()) {
        if (!seen.insert(pending.back().node).second) {
            *error =
                ": the hive is damaged: the key " + pending.back().key->name() + " is listed twice";
            return false;
        }
        Pending next = pending.back();
        pending.pop_back();
        Owned<hive_node_h> children(hivex_node_children(hive, next.node));
        if (!children || !copyValues(hive, next.node, next.key)) {
            *error =
                ": the hive is damaged below " + next.key->name() + ": " + std::strerror(errno);
            return false;
        }
        for (hive_node_h* child = children.get(); *child; ++child) {
            RegistryKey& copy = next.key->ensureChild(nodeName(hive, *child));
            if (next.node == root && sameName(copy.name(), controlSet))
                copy.setRole(KeyRole::LinkTarget);
            pending.push_back({*child, &copy});
        }
    }
    mount->ensureChild(kCurrentControlSet).setRole(KeyRole::Link);
    return true;
}

// True for the paths of HKEY_LOCAL_MACHINE\System and below, which the hive holds.
bool heldByHive(const KeyPath& path) {
    return path.root == kLocalMachine && !path.names.empty() && sameName(path.names[0], kMountName);
}

// The hive's names for a path of the tree, or false for a path the hive does not hold.
bool namesInHive(const KeyPath& path, const std::string& controlSet,
                 std::vector<std::string>* names) {
    if (!heldByHive(path))
        return false;
    names->assign(path.names.begin() + 1, path.names.end());
    if (!names->empty() && sameName(names->front(), kCurrentControlSet))
        names->front() = controlSet;
    return true;
}

// Changes that hivex applies onto one open hive.
class HiveEditor {
  public:
    HiveEditor(hive_h* hive, std::string controlSet)
        : hive_(hive), controlSet_(std::move(controlSet)) {}

    bool apply(const RegistryChange& change) {
        std::vector<std::string> names;
        if (!namesInHive(change.path, controlSet_, &names))
            return false;
        switch (change.kind) {
        case RegistryChange::Kind::CreateKey:
            return find(names, true) != 0;
        case RegistryChange::Kind::DeleteKey:
            return deleteKey(names);
        case RegistryChange::Kind::SetValue:
            return setValue(find(names, true), change);
        case RegistryChange::Kind::DeleteValue:
            return deleteValue(find(names, false), change.valueName);
        }
        return false;
    }

  private:
    // The key at names below the root, made when missing if `create`; 0 when there is none.
    hive_node_h find(const std::vector<std::string>& names, bool create) {
        hive_node_h node = hivex_root(hive_);
        for (const std::string& name : names) {
            std::string utf8 = utf8FromAnsi(name);
            hive_node_h child = hivex_node_get_child(hive_, node, utf8.c_str());
            if (!child && create)
                child = hivex_node_add_child(hive_, node, utf8.c_str());
            if (!child)
                return 0;
            node = child;
        }
        return node;
    }

    bool deleteKey(const std::vector<std::string>& names) {
        if (names.empty())
            return false; // the hive's root stays
        hive_node_h node = find(names, false);
        return !node || hivex_node_delete_child(hive_, node) == 0;
    }

    bool setValue(hive_node_h node, const RegistryChange& change) {
        if (!node)
            return false;
        // An existing value keeps the spelling of its name, as on Windows.
        std::string name = utf8FromAnsi(change.valueName);
        if (hive_value_h old = hivex_node_get_value(hive_, node, name.c_str()))
            if (Owned<char> spelled{hivex_value_key(hive_, old)})
                name = spelled.get();
        std::vector<BYTE> data = isTextType(static_cast<hive_type>(change.type))
                                     ? utf16FromAnsi(change.data)
                                     : change.data;
        hive_set_value value{name.data(), static_cast<hive_type>(change.type), data.size(),
                             reinterpret_cast<char*>(data.data())};
        return hivex_node_set_value(hive_, node, &value, 0) == 0;
    }

    // hivex sets a key's values all at once: the others are set again as they are.
    bool deleteValue(hive_node_h node, const std::string& valueName) {
        if (!node)
            return true; // gone with its key
        std::vector<RawValue> values;
        if (!readValues(hive_, node, &values))
            return false;
        std::vector<hive_set_value> others;
        bool found = false;
        for (RawValue& value : values) {
            if (!found && sameName(ansiFromUtf8(value.name.get()), valueName))
                found = true;
            else
                others.push_back({value.name.get(), value.type, value.length, value.data.get()});
        }
        return !found || hivex_node_set_values(hive_, node, others.size(), others.data(), 0) == 0;
    }

    hive_h* hive_;
    std::string controlSet_;
};

} // namespace

bool isHive(std::string_view bytes) {
    return bytes.substr(0, 4) == "regf";
}

hivelog::HiveRecovery replayHiveLogs(const storefile::StoreLocation& where, std::string* bytes) {
    return hivelog::replayLogs(bytes, hivelog::readLogsBeside(where));
}

bool readHive(std::string* bytes, RegistryTree* tree, std::string* error) {
    HiveImage image;
    if (!isWholeHive(*bytes, error) || !image.create(*bytes, error))
        return false;
    std::string().swap(*bytes); // the image holds the hive now
    Hive hive = openImage(image, 0, error);
    std::string controlSet;
    if (!hive || !currentControlSet(hive.get(), &controlSet, error))
        return false;
    RegistryKey& mount = tree->ensure(KeyPath{kLocalMachine, {kMountName}});
    return copyKeys(hive.get(), controlSet, &mount, error);
}

bool writeHive(const storefile::StoreLocation& where, const std::vector<RegistryChange>& changes,
               const storefile::ReplaceOptions& options, std::string* error) {
    std::string bytes;
    storefile::FileStamp stamp;
    switch (where.read(&bytes, &stamp, error)) {
    case storefile::StoreLocation::ReadResult::Missing:
        *error = ": the hive is gone";
        return false;
    case storefile::StoreLocation::ReadResult::Refused:
        return false;
    case storefile::StoreLocation::ReadResult::Read:
        break;
    }
    hivelog::HiveRecovery recovery = replayHiveLogs(where, &bytes);
    if (!recovery.writable()) {
        *error = hivelog::unrecoverableReason(where.name(), recovery);
        return false;
    }
    HiveImage image;
    if (!isWholeHive(bytes, error) || !image.create(bytes, error))
        return false;
    std::string().swap(bytes); // the image and hivex hold the hive now
    Hive hive = openImage(image, HIVEX_OPEN_WRITE, error);
    std::string controlSet;
    if (!hive || !currentControlSet(hive.get(), &controlSet, error))
        return false;
    image.empty(); // hivex, open for writing, read the hive whole into a copy of its own
    HiveEditor editor(hive.get(), controlSet);
    for (const RegistryChange& change : changes) {
        if (!editor.apply(change)) {
            *error = ": cannot write " + change.path.text() + " into the hive: " +
                     (heldByHive(change.path) ? std::string(std::strerror(errno))
                                              : "it holds HKEY_LOCAL_MACHINE\\System alone");
            return false;
        }
    }
    std::string_view result;
    if (hivex_commit(hive.get(), image.name().c_str(), 0) != 0) {
        *error = std::string(": hivex cannot write the hive: ") + std::strerror(errno);
        return false;
    }
    hive.reset();
    // hivex's copy of the hive came from the heap (the allocator serves blocks this large from
    // it once one as large was freed): hand its pages back before the result is mapped.
    ::malloc_trim(0);
    return image.contents(&result, error) && storefile::replaceFile(where, result, options, error);
}

} // namespace portable::registry
