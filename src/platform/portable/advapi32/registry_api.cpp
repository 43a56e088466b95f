// The Reg* functions, with the status codes and buffer rules of Windows' advapi32.
#include "platform/portable/win32_registry.h"

#include "platform/portable/advapi32/registry_state.h"

#include <algorithm>
#include <cstring>

using namespace portable::registry;
using portable::RegistryFaults;

namespace {

constexpr REGSAM kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;

// What a handle stands for: an open key, or a predefined key.
struct Target {
    Target() = default;
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;

    // Valid until the next key is opened.
    const KeyPath& path() const { return open ? open->path : root; }

    KeyPath root; // a predefined key: no names below the root
    OpenKey* open = nullptr;
    REGSAM access = 0;
};

// The root a predefined handle names (its value sign-extended from 32 bits), or -1.
int predefinedRoot(HKEY key) {
    auto value = reinterpret_cast<uintptr_t>(key);
    auto low = static_cast<uint32_t>(value);
    bool signExtended =
        static_cast<uintptr_t>(static_cast<intptr_t>(static_cast<int32_t>(low))) == value;
    if (!signExtended || low < 0x80000000u || low >= 0x80000000u + kRootCount)
        return -1;
    return static_cast<int>(low - 0x80000000u);
}

bool resolveHandle(RegistryState& state, HKEY key, Target* target) {
    int root = predefinedRoot(key);
    if (root >= 0) {
        target->root.root = root;
        target->open = nullptr;
        target->access = static_cast<REGSAM>(KEY_ALL_ACCESS);
        return true;
    }
    OpenKey* open = state.handles.find(key);
    if (!open)
        return false;
    target->open = open;
    target->access = open->access;
    return true;
}

// The key a target stands for in the store's tree, or nullptr when it is gone. An open key
// keeps the key it found while the store's epoch says that no key has gone since.
RegistryKey* keyOf(RegistryState& state, const Target& target) {
    RegistryStore& store = state.store();
    OpenKey* open = target.open;
    if (!open)
        return store.tree().find(target.root);
    if (!open->key || open->epoch != store.epoch()) {
        open->key = store.tree().find(open->path);
        open->epoch = store.epoch();
    }
    return open->key;
}

void markDirty(RegistryState& state, HKEY key) {
    int root = predefinedRoot(key);
    if (root >= 0) {
        state.rootDirty[root] = true;
    } else if (OpenKey* open = state.handles.find(key)) {
        open->dirty = true;
    }
}

// Windows' limits on names: a key name of 255 characters, a value name of 16,383; the ANSI
// functions convert a subkey path into a buffer of MAX_PATH + 1 characters before anything else.
constexpr size_t kMaxKeyName = 255;
constexpr size_t kMaxValueName = 16383;
constexpr size_t kMaxAnsiSubKey = 260;

// ERROR_MORE_DATA for a subkey path the ANSI conversion cannot hold (when `ansiLimit`), and
// ERROR_INVALID_PARAMETER for a name too long, or one with a line break, which a registry file
// cannot write.
LONG checkSubKey(const char* subKey, bool ansiLimit) {
    if (!subKey)
        return ERROR_SUCCESS;
    if (ansiLimit && std::strlen(subKey) > kMaxAnsiSubKey)
        return ERROR_MORE_DATA;
    LONG status = ERROR_SUCCESS;
    forEachName(subKey, [&](std::string_view name) {
        if (name.size() > kMaxKeyName || name.find_first_of("\r\n") != std::string_view::npos)
            status = ERROR_INVALID_PARAMETER;
    });
    return status;
}

bool isStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

bool faultMatches(const std::string& fault, const char* name) {
    return !fault.empty() && (fault == "*" || sameName(fault, name ? name : ""));
}

// The rights a new handle gets: MAXIMUM_ALLOWED is everything the store allows.
LONG grantedAccess(RegistryState& state, REGSAM wanted, REGSAM* granted) {
    bool denyWrite = state.store().faults().denyWriteAccess;
    if (wanted & MAXIMUM_ALLOWED) {
        *granted = static_cast<REGSAM>(denyWrite ? KEY_READ : KEY_ALL_ACCESS);
        return ERROR_SUCCESS;
    }
    if (denyWrite && (wanted & kWriteRights))
        return ERROR_ACCESS_DENIED;
    *granted = wanted;
    return ERROR_SUCCESS;
}

// Copies value data the way RegQueryValueExA and RegEnumValueA do: nothing when it does not fit
// (ERROR_MORE_DATA), and a NUL after text that has none when the buffer has room for it.
LONG copyData(const RegistryValue& value, LPBYTE data, DWORD capacity) {
    const ValueBytes& bytes = value.data;
    if (!data || bytes.empty())
        return ERROR_SUCCESS;
    if (bytes.size() > capacity)
        return ERROR_MORE_DATA;
    std::memcpy(data, bytes.data(), bytes.size());
    if (isStringType(value.type) && bytes.size() < capacity && bytes.back() != 0)
        data[bytes.size()] = 0;
    return ERROR_SUCCESS;
}

// One Reg* call: the registry locked for the call's length, and what the call's handle stands
// for. Each step returns the status the call fails with, so that a call takes the steps it needs
// in the order Windows checks them.
class RegCall {
  public:
    RegCall() : state(registryState()), lock_(state.mutex) {}
    RegCall(const RegCall&) = delete;
    RegCall& operator=(const RegCall&) = delete;

    // ERROR_INVALID_HANDLE for a handle that is not open; ERROR_ACCESS_DENIED when it was opened
    // without `right` (0: none needed).
    LONG resolve(HKEY key, REGSAM right = 0) {
        if (!resolveHandle(state, key, &target))
            return ERROR_INVALID_HANDLE;
        if (right && !(target.access & right))
            return ERROR_ACCESS_DENIED;
        return ERROR_SUCCESS;
    }

    // The key the resolved handle stands for: ERROR_KEY_DELETED when it is gone.
    LONG findKey(RegistryKey** found) {
        *found = keyOf(state, target);
        return *found ? ERROR_SUCCESS : ERROR_KEY_DELETED;
    }

    // resolve(), then findKey().
    LONG open(HKEY key, REGSAM right, RegistryKey** found) {
        if (LONG status = resolve(key, right))
            return status;
        return findKey(found);
    }

    // open() to set or delete the value `name`, which the store's faults may refuse
    // (ERROR_ACCESS_DENIED, once the key is found).
    LONG openToChange(HKEY key, std::string RegistryFaults::*refused, const char* name,
                      RegistryKey** found) {
        if (LONG status = open(key, KEY_SET_VALUE, found))
            return status;
        if (faultMatches(state.store().faults().*refused, name))
            return ERROR_ACCESS_DENIED;
        return ERROR_SUCCESS;
    }

    // The key that `subKey` names below the handle's, read afresh from the store; *found is
    // nullptr when there is none. A leading backslash is refused (ERROR_BAD_PATHNAME), and so are
    // names Windows refuses (checkSubKey()).
    LONG findBelow(HKEY key, const char* subKey, RegistryKey** found, bool ansiLimit = true) {
        if (LONG status = resolve(key))
            return status;
        if (subKey && *subKey == '\\')
            return ERROR_BAD_PATHNAME;
        if (LONG status = checkSubKey(subKey, ansiLimit))
            return status;
        state.store().refresh();
        RegistryKey* walked = keyOf(state, target);
        if (!walked)
            return ERROR_KEY_DELETED;
        forEachName(subKey, [&](std::string_view name) {
            walked = walked ? walked->child(name) : nullptr;
        });
        *found = walked;
        return ERROR_SUCCESS;
    }

    // findBelow() of a key that must exist (ERROR_FILE_NOT_FOUND), then the rights a handle to it
    // gets (grantedAccess()).
    LONG openBelow(HKEY key, const char* subKey, REGSAM access, RegistryKey** found,
                   REGSAM* granted, bool ansiLimit = true) {
        if (LONG status = findBelow(key, subKey, found, ansiLimit))
            return status;
        if (!*found)
            return ERROR_FILE_NOT_FOUND;
        return grantedAccess(state, access, granted);
    }

    // The path of the key `subKey` names below the handle's; valid after findBelow().
    KeyPath pathBelow(const char* subKey) const {
        KeyPath path = target.path();
        forEachName(subKey, [&](std::string_view name) { path.names.emplace_back(name); });
        return path;
    }

    RegistryState& state;
    Target target;

  private:
    std::lock_guard<std::mutex> lock_;
};

LONG deleteTree(RegistryState& state, const KeyPath& path, bool keepKey) {
    const RegistryKey* key = state.store().tree().find(path);
    if (!key)
        return ERROR_FILE_NOT_FOUND;
    if (!keepKey) {
        state.store().change({RegistryChange::Kind::DeleteKey, path, {}, 0, {}});
        return ERROR_SUCCESS;
    }
    std::vector<RegistryChange> changes;
    for (const std::unique_ptr<RegistryKey>& child : key->children()) {
        KeyPath childPath = path;
        childPath.names.push_back(child->name());
        changes.push_back({RegistryChange::Kind::DeleteKey, childPath, {}, 0, {}});
    }
    for (const RegistryValue& value : key->values())
        changes.push_back({RegistryChange::Kind::DeleteValue, path, value.name, 0, {}});
    for (RegistryChange& change : changes)
        state.store().change(std::move(change));
    return ERROR_SUCCESS;
}

} // namespace

extern "C" {

LSTATUS WINAPI RegOpenKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    if (!subKey || !*subKey) {
        *result = key; // the same handle, not a new one
        return ERROR_SUCCESS;
    }
    return RegOpenKeyExA(key, subKey, 0, MAXIMUM_ALLOWED, result);
}

LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
    if (result && (!subKey || !*subKey) && predefinedRoot(key) >= 0) {
        *result = key;
        return ERROR_SUCCESS;
    }
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (key == HKEY_CLASSES_ROOT && subKey && *subKey == '\\')
        ++subKey;
    RegCall call;
    RegistryKey* found = nullptr;
    REGSAM granted = 0;
    if (LONG status = call.openBelow(key, subKey, access, &found, &granted))
        return status;
    if (!call.state.store().countOpen())
        return ERROR_FILE_NOT_FOUND;
    // The path is not made here: the new handle's slot takes the names.
    *result = call.state.handles.open(call.target.path(), subKey, granted, found,
                                      call.state.store().epoch());
    return *result ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY;
}

// Unlike RegOpenKeyA, an empty subkey gives a new handle to the key.
LSTATUS WINAPI RegCreateKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    return RegCreateKeyExA(key, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, MAXIMUM_ALLOWED,
                           nullptr, result, nullptr);
}

// Volatile keys are kept like others: the store has no notion of a restart.
LSTATUS WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR, DWORD, REGSAM access,
                               LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
    if (!result)
        return ERROR_BADKEY;
    if (reserved)
        return ERROR_INVALID_PARAMETER;
    RegCall call;
    RegistryKey* found = nullptr;
    if (LONG status = call.findBelow(key, subKey, &found))
        return status;
    bool exists = found != nullptr;
    KeyPath path = call.pathBelow(subKey); // before a new handle moves the handle's own path
    RegistryState& state = call.state;
    REGSAM granted = 0;
    if (LONG status = grantedAccess(state, access, &granted))
        return status;
    if (!exists && state.store().faults().denyWriteAccess)
        return ERROR_ACCESS_DENIED;
    HKEY handle = state.handles.open(path, granted);
    if (!handle)
        return ERROR_NOT_ENOUGH_MEMORY;
    if (!exists) {
        state.store().change({RegistryChange::Kind::CreateKey, path, {}, 0, {}});
        markDirty(state, key);
        markDirty(state, handle);
    }
    *result = handle;
    if (disposition)
        *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type,
                                LPBYTE data, LPDWORD dataSize) {
    if ((data && !dataSize) || reserved)
        return ERROR_INVALID_PARAMETER;
    RegCall call;
    if (LONG status = call.resolve(key, KEY_QUERY_VALUE))
        return status;
    DWORD capacity = dataSize ? *dataSize : 0;
    if (!data && dataSize)
        *dataSize = 0;
    if (type)
        *type = REG_NONE; // even when the key turns out to be gone
    RegistryKey* found = nullptr;
    if (LONG status = call.findKey(&found))
        return status;
    const RegistryValue* value = found->value(valueName ? valueName : "");
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    LONG status = copyData(*value, data, capacity);
    if (type)
        *type = value->type;
    if (dataSize)
        *dataSize = static_cast<DWORD>(value->data.size());
    return status;
}

LSTATUS WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data,
                              DWORD dataSize) {
    if (!data && dataSize)
        return ERROR_NOACCESS;
    // Windows counts a forgotten terminator of text when the byte after the data is one.
    if (dataSize && isStringType(type) && data[dataSize - 1] && !data[dataSize])
        ++dataSize;
    RegCall call;
    RegistryKey* found = nullptr;
    if (LONG status = call.openToChange(key, &RegistryFaults::failSetValue, valueName, &found))
        return status;
    if (valueName && std::strlen(valueName) > kMaxValueName)
        return ERROR_INVALID_PARAMETER;
    call.state.store().setValue(*found, call.target.path(), valueName ? valueName : "", type,
                                std::vector<BYTE>(data, data + dataSize));
    markDirty(call.state, key);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegDeleteValueA(HKEY key, LPCSTR valueName) {
    RegCall call;
    RegistryKey* found = nullptr;
    if (LONG status = call.openToChange(key, &RegistryFaults::failDeleteValue, valueName, &found))
        return status;
    const char* name = valueName ? valueName : "";
    if (!found->value(name))
        return ERROR_FILE_NOT_FOUND;
    call.state.store().deleteValue(*found, call.target.path(), name);
    markDirty(call.state, key);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegDeleteKeyA(HKEY key, LPCSTR subKey) {
    if (!subKey)
        return ERROR_INVALID_PARAMETER;
    RegCall call;
    RegistryKey* found = nullptr;
    REGSAM granted = 0;
    if (LONG status = call.openBelow(key, subKey, DELETE, &found, &granted))
        return status;
    KeyPath path = call.pathBelow(subKey);
    // A predefined key cannot be deleted, nor a key that still has subkeys, nor the current
    // control set by either of its names.
    if (path.names.empty() || !found->children().empty() || found->role() != KeyRole::Ordinary)
        return ERROR_ACCESS_DENIED;
    call.state.store().change({RegistryChange::Kind::DeleteKey, std::move(path), {}, 0, {}});
    markDirty(call.state, key);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegDeleteTreeA(HKEY key, LPCSTR subKey) {
    RegCall call;
    RegistryKey* found = nullptr;
    REGSAM granted = 0;
    // Unlike the other ANSI functions, this one converts the path into a buffer of its size.
    if (LONG status = call.openBelow(key, subKey, DELETE, &found, &granted, false))
        return status;
    const bool keepKey = !subKey || !*subKey;
    if (!keepKey && found->role() != KeyRole::Ordinary)
        return ERROR_ACCESS_DENIED; // the current control set: a link never takes its target
    LONG status = deleteTree(call.state, call.pathBelow(subKey), keepKey);
    markDirty(call.state, key);
    return status;
}

LSTATUS WINAPI RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                             LPSTR keyClass, LPDWORD classSize, PFILETIME lastWrite) {
    if (reserved || !name || !nameSize)
        return ERROR_INVALID_PARAMETER;
    RegCall call;
    RegistryKey* found = nullptr;
    if (LONG status = call.open(key, KEY_ENUMERATE_SUB_KEYS, &found))
        return status;
    const RegistryKey* child = found->childAt(index);
    if (!child)
        return ERROR_NO_MORE_ITEMS;
    const std::string& childName = child->name();
    if (childName.size() >= *nameSize)
        return ERROR_MORE_DATA;
    std::memcpy(name, childName.c_str(), childName.size() + 1);
    *nameSize = static_cast<DWORD>(childName.size());
    if (classSize)
        *classSize = 0; // keys carry no class
    if (keyClass && classSize)
        keyClass[0] = 0;
    if (lastWrite)
        *lastWrite = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                             LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    if ((data && !dataSize) || reserved || !name || !nameSize)
        return ERROR_INVALID_PARAMETER;
    RegCall call;
    RegistryKey* found = nullptr;
    if (LONG status = call.open(key, KEY_QUERY_VALUE, &found))
        return status;
    if (index >= found->values().size())
        return ERROR_NO_MORE_ITEMS;
    const RegistryValue& value = found->values()[index];
    LONG status = copyData(value, data, dataSize ? *dataSize : 0);
    if (status == ERROR_SUCCESS) {
        // A name that does not fit is cut to the buffer, and the call reports ERROR_MORE_DATA.
        size_t length = value.name.size();
        if (length >= *nameSize) {
            status = ERROR_MORE_DATA;
            if (*nameSize) {
                std::memcpy(name, value.name.data(), *nameSize - 1);
                name[*nameSize - 1] = 0;
            }
        } else {
            std::memcpy(name, value.name.c_str(), length + 1);
            *nameSize = static_cast<DWORD>(length);
        }
    }
    if (type)
        *type = value.type;
    if (dataSize)
        *dataSize = static_cast<DWORD>(value.data.size());
    return status;
}

LSTATUS WINAPI RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classSize, LPDWORD,
                                LPDWORD subKeys, LPDWORD maxSubKeyLength, LPDWORD maxClassLength,
                                LPDWORD values, LPDWORD maxValueNameLength, LPDWORD maxValueLength,
                                LPDWORD securityDescriptorSize, PFILETIME lastWrite) {
    if (keyClass && !classSize)
        return ERROR_INVALID_PARAMETER;
    RegCall call;
    RegistryKey* found = nullptr;
    if (LONG status = call.open(key, KEY_QUERY_VALUE, &found))
        return status;
    if (keyClass && *classSize)
        keyClass[0] = 0;
    if (classSize)
        *classSize = 0;
    DWORD longestKey = 0, longestName = 0, longestData = 0;
    for (const std::unique_ptr<RegistryKey>& child : found->children())
        longestKey = std::max(longestKey, static_cast<DWORD>(child->name().size()));
    for (const RegistryValue& value : found->values()) {
        longestName = std::max(longestName, static_cast<DWORD>(value.name.size()));
        longestData = std::max(longestData, static_cast<DWORD>(value.data.size()));
    }
    if (subKeys)
        *subKeys = static_cast<DWORD>(found->children().size());
    if (maxSubKeyLength)
        *maxSubKeyLength = longestKey;
    if (maxClassLength)
        *maxClassLength = 0;
    if (values)
        *values = static_cast<DWORD>(found->values().size());
    if (maxValueNameLength)
        *maxValueNameLength = longestName;
    if (maxValueLength)
        *maxValueLength = longestData;
    if (securityDescriptorSize)
        *securityDescriptorSize = 0;
    if (lastWrite)
        *lastWrite = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegFlushKey(HKEY key) {
    RegCall call;
    if (LONG status = call.resolve(key))
        return status;
    return call.state.save();
}

// Closing a key with unsaved changes saves them. The close itself always succeeds; a failed save
// drops the changes of a file store (its view is the file again).
LSTATUS WINAPI RegCloseKey(HKEY key) {
    if (!key)
        return ERROR_INVALID_HANDLE;
    auto& state = registryState();
    std::lock_guard<std::mutex> lock(state.mutex);
    int root = predefinedRoot(key);
    bool dirty = false;
    if (root >= 0) {
        dirty = state.rootDirty[root];
    } else if (reinterpret_cast<uintptr_t>(key) >= 0x80000000u) {
        return ERROR_SUCCESS; // Windows closes anything in the predefined range without a check
    } else {
        OpenKey* open = state.handles.find(key);
        if (!open)
            return ERROR_INVALID_HANDLE;
        dirty = open->dirty;
        state.handles.close(key);
    }
    if (dirty)
        state.save();
    return ERROR_SUCCESS;
}

} // extern "C"
