// One key of the registry tree: its name, its values in the order they were first set, and its
// subkeys ordered as Windows enumerates them (by name, without regard to case). Values and
// subkeys are found by name in constant and logarithmic time; nothing here recurses per level
// of nesting, so a key a million levels deep is made, copied and freed like a flat one.
#pragma once

#include "platform/portable/advapi32/name_index.h"
#include "platform/portable/advapi32/value_bytes.h"

#include "platform/portable/win32_types.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace portable::registry {

// Where a key or value was read from: the offset of its line in the file's text.
using SourceOffset = uint32_t;
constexpr SourceOffset kNotFromFile = 0x7FFFFFFF; // texts are shorter
constexpr SourceOffset kEdited = 0x80000000;

struct RegistryValue {
    std::string name; // empty: the key's default value
    ValueBytes data;
    DWORD type = 0;
    // The line it was read from, with kEdited once it was set since (its line is written anew):
    // one word, so that a million values take no more room than they must.
    SourceOffset origin = kNotFromFile | kEdited;

    SourceOffset line() const { return origin & ~kEdited; }
    bool edited() const { return (origin & kEdited) != 0; }
};

class RegistryKey;

// Subkeys by name, without regard to ASCII case as on Windows: names order as their folded
// spellings, folded byte by byte as they are compared, so that a name is looked up without
// making a folded copy of it.
struct KeyNameLess {
    using is_transparent = void;
    bool operator()(const std::unique_ptr<RegistryKey>& a,
                    const std::unique_ptr<RegistryKey>& b) const;
    bool operator()(const std::unique_ptr<RegistryKey>& a, std::string_view b) const;
    bool operator()(std::string_view a, const std::unique_ptr<RegistryKey>& b) const;
};

// What a key is besides its contents. A link stands for the sibling that is its target (as
// CurrentControlSet stands for the control set in use): found by either name, the same key. The
// target and its link are never deleted.
enum class KeyRole : uint8_t { Ordinary, LinkTarget, Link };

class RegistryKey {
  public:
    using Children = std::set<std::unique_ptr<RegistryKey>, KeyNameLess>;

    explicit RegistryKey(std::string name) : name_(std::move(name)) {}
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    const std::string& name() const { return name_; }
    KeyRole role() const { return role_; }
    void setRole(KeyRole role) { role_ = role; }

    // The subkey of that name; for a link, its target.
    RegistryKey* child(std::string_view name) const;
    // The child of that name, made when missing (*created tells which).
    RegistryKey& ensureChild(std::string_view name, bool* created = nullptr);
    bool removeChild(std::string_view name);
    // Subkeys in enumeration order.
    const Children& children() const;
    // The subkey at that place of the enumeration order, or nullptr: taking them one after the
    // other costs a step each.
    const RegistryKey* childAt(size_t index) const;

    const RegistryValue* value(std::string_view name) const;
    // Sets a value, which an existing one of that name takes with the spelling of its name.
    void setValue(std::string_view name, DWORD type, std::vector<BYTE> data);
    // The same for a value read from the line at `source`.
    void setValueFromFile(std::string_view name, DWORD type, std::vector<BYTE> data,
                          SourceOffset source);
    bool removeValue(std::string_view name);
    const std::vector<RegistryValue>& values() const { return values_; }

    // The key lines of the file that were this key's, in file order.
    void addSection(SourceOffset offset);
    bool hasSections() const { return firstSection_ != kNotFromFile; }
    SourceOffset lastSection() const;
    template <class F> void forEachSection(F f) const {
        if (hasSections())
            f(firstSection_);
        if (laterSections_)
            for (SourceOffset offset : *laterSections_)
                f(offset);
    }

    // Gives back the room kept for more values when it is much (a copy costs less then).
    void shrinkToFit() {
        if (values_.capacity() > values_.size() + values_.size() / 8)
            values_.shrink_to_fit();
    }

    std::unique_ptr<RegistryKey> clone() const;

  private:
    // Small keys are searched in order; bigger ones through the index.
    static constexpr size_t kIndexedFrom = 8;

    RegistryValue* findValue(std::string_view name);
    void reindexValues();
    std::unique_ptr<RegistryKey> copyWithoutChildren() const;
    // Moves the subkeys to *out, leaving none.
    void takeChildren(std::vector<std::unique_ptr<RegistryKey>>* out);
    // The subkey a link among the subkeys stands for.
    RegistryKey* linkTarget() const;

    std::string name_;
    std::vector<RegistryValue> values_;
    std::unique_ptr<NameIndex> valueIndex_; // over values_ once it has kIndexedFrom of them
    std::unique_ptr<Children> children_;    // made with the first subkey: most keys have none
    // Most keys have one key line: the others are kept apart.
    SourceOffset firstSection_ = kNotFromFile;
    KeyRole role_ = KeyRole::Ordinary; // beside firstSection_: no room added
    std::unique_ptr<std::vector<SourceOffset>> laterSections_;
    // The last place childAt() found, while no subkey was added or removed since.
    struct Cursor {
        size_t index;
        Children::const_iterator at;
    };
    mutable std::unique_ptr<Cursor> cursor_;
};

} // namespace portable::registry
