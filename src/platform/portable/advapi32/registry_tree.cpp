#include "platform/portable/advapi32/registry_tree.h"

namespace portable::registry {

RegistryTree::RegistryTree() {
    for (int i = 0; i < kRootCount; ++i)
        roots_[i] = std::make_unique<RegistryKey>(rootName(i));
}

RegistryKey* RegistryTree::find(const KeyPath& path) const {
    RegistryKey* key = roots_[path.root].get();
    for (const std::string& name : path.names) {
        key = key->child(name);
        if (!key)
            return nullptr;
    }
    return key;
}

RegistryKey& RegistryTree::ensure(const KeyPath& path, bool* created) {
    RegistryKey* key = roots_[path.root].get();
    if (created)
        *created = false;
    for (const std::string& name : path.names)
        key = &key->ensureChild(name, created);
    return *key;
}

void RegistryTree::apply(const RegistryChange& change) {
    switch (change.kind) {
    case RegistryChange::Kind::CreateKey:
        ensure(change.path);
        break;
    case RegistryChange::Kind::DeleteKey: {
        if (change.path.names.empty())
            break; // the roots stay
        KeyPath parent{change.path.root, {change.path.names.begin(), change.path.names.end() - 1}};
        if (RegistryKey* key = find(parent))
            key->removeChild(change.path.names.back());
        break;
    }
    case RegistryChange::Kind::SetValue:
        ensure(change.path).setValue(change.valueName, change.type, change.data);
        break;
    case RegistryChange::Kind::DeleteValue:
        if (RegistryKey* key = find(change.path))
            key->removeValue(change.valueName);
        break;
    }
}

void RegistryTree::apply(RegistryChange&& change) {
    if (change.kind == RegistryChange::Kind::SetValue)
        ensure(change.path).setValue(change.valueName, change.type, std::move(change.data));
    else
        apply(static_cast<const RegistryChange&>(change));
}

RegistryTree RegistryTree::clone() const {
    RegistryTree copy;
    for (int i = 0; i < kRootCount; ++i)
        copy.roots_[i] = roots_[i]->clone();
    copy.source_ = source_;
    return copy;
}

} // namespace portable::registry
