// One key of the registry tree: its name, its values in the order they were first set, and its
// subkeys ordered as Windows enumerates them (by name, without regard to case).
#pragma once

#include "../win32_types.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// Key and value names compare without regard to ASCII case, as on Windows.
std::string foldName(std::string_view name);
bool sameName(std::string_view a, std::string_view b);

// Orders names as their folded spellings order, byte by byte, folding as it goes: a name is
// looked up without making a folded copy of it.
struct FoldedLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

struct RegistryValue {
    std::string name; // empty: the key's default value
    DWORD type = 0;
    std::vector<BYTE> data;
};

class RegistryKey {
  public:
    // Subkeys keyed by their folded names.
    using Children = std::map<std::string, std::unique_ptr<RegistryKey>, FoldedLess>;

    explicit RegistryKey(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }

    RegistryKey* child(std::string_view name) const;
    // The child of that name, made when missing (*created tells which).
    RegistryKey& ensureChild(std::string_view name, bool* created = nullptr);
    bool removeChild(std::string_view name);
    // Subkeys in enumeration order, keyed by their folded names.
    const Children& children() const { return children_; }

    const RegistryValue* value(std::string_view name) const;
    void setValue(std::string_view name, DWORD type, std::vector<BYTE> data);
    bool removeValue(std::string_view name);
    const std::vector<RegistryValue>& values() const { return values_; }

    std::unique_ptr<RegistryKey> clone() const;

  private:
    std::string name_;
    std::vector<RegistryValue> values_;
    Children children_;
};

} // namespace portable::registry
