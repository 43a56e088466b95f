// The whole registry: the predefined roots and everything below them.
#pragma once

#include "KeyPath.h"
#include "RegistryChange.h"
#include "RegistryKey.h"

#include <array>
#include <memory>

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

  private:
    std::array<std::unique_ptr<RegistryKey>, kRootCount> roots_;
};

} // namespace portable::registry
