// The whole registry: the predefined roots and everything below them, and the file text it was
// read from, if any.
#pragma once

#include "platform/portable/advapi32/key_path.h"
#include "platform/portable/advapi32/reg_file_source.h"
#include "platform/portable/advapi32/registry_change.h"
#include "platform/portable/advapi32/registry_key.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace portable::registry {

class RegistryTree {
  public:
    RegistryTree();

    RegistryKey& root(int index) { return *roots_[index]; }
    const RegistryKey& root(int index) const { return *roots_[index]; }

    RegistryKey* find(const KeyPath& path) const;
    // The key at that path, made with every missing key above it (*created: the key itself).
    RegistryKey& ensure(const KeyPath& path, bool* created = nullptr);

    // Applies a change; one that no longer fits (a value of a key deleted meanwhile) still
    // leaves the tree as the change meant it: set values make their key, deletes of what is
    // gone do nothing.
    void apply(const RegistryChange& change);
    // The same, taking the change's data.
    void apply(RegistryChange&& change);

    RegistryTree clone() const;

    const RegFileSource* source() const { return source_.get(); }
    void setSource(std::shared_ptr<const RegFileSource> source) { source_ = std::move(source); }

    // Calls f(key, path) for every key, roots included, parents before their subkeys in
    // enumeration order; path is "HKEY_...\\a\\b". Walks from a list, not by a call per level,
    // and builds each path from its parent's in one buffer.
    template <class F> void forEachKey(F f) const;

  private:
    std::array<std::unique_ptr<RegistryKey>, kRootCount> roots_;
    std::shared_ptr<const RegFileSource> source_; // shared by clones: it never changes
};

template <class F> void RegistryTree::forEachKey(F f) const {
    struct Level {
        const RegistryKey* key;
        RegistryKey::Children::const_iterator next;
        size_t pathLength;
    };
    std::string path;
    std::vector<Level> levels;
    for (const auto& root : roots_) {
        path = root->name();
        f(*root, std::string_view(path));
        levels.push_back({root.get(), root->children().begin(), path.size()});
        while (!levels.empty()) {
            Level& level = levels.back();
            if (level.next == level.key->children().end()) {
                levels.pop_back();
                continue;
            }
            const RegistryKey& child = **level.next++;
            path.resize(level.pathLength);
            path += '\\';
            path += child.name();
            f(child, std::string_view(path));
            levels.push_back({&child, child.children().begin(), path.size()});
        }
    }
}

} // namespace portable::registry
