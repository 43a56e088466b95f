#include "RegistryKey.h"

#include <algorithm>

namespace portable::registry {

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

std::string foldName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), upper);
    return folded;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

RegistryKey* RegistryKey::child(std::string_view name) const {
    auto found = children_.find(foldName(name));
    return found == children_.end() ? nullptr : found->second.get();
}

RegistryKey& RegistryKey::ensureChild(std::string_view name, bool* created) {
    auto& slot = children_[foldName(name)];
    if (created)
        *created = !slot;
    if (!slot)
        slot = std::make_unique<RegistryKey>(std::string(name));
    return *slot;
}

bool RegistryKey::removeChild(std::string_view name) {
    return children_.erase(foldName(name)) > 0;
}

const RegistryValue* RegistryKey::value(std::string_view name) const {
    for (const RegistryValue& v : values_)
        if (sameName(v.name, name))
            return &v;
    return nullptr;
}

void RegistryKey::setValue(std::string_view name, DWORD type, std::vector<BYTE> data) {
    for (RegistryValue& v : values_) {
        if (sameName(v.name, name)) {
            // An existing value keeps the spelling of its name, as on Windows.
            v.type = type;
            v.data = std::move(data);
            return;
        }
    }
    values_.push_back(RegistryValue{std::string(name), type, std::move(data)});
}

bool RegistryKey::removeValue(std::string_view name) {
    auto found = std::find_if(values_.begin(), values_.end(),
                              [&](const RegistryValue& v) { return sameName(v.name, name); });
    if (found == values_.end())
        return false;
    values_.erase(found);
    return true;
}

std::unique_ptr<RegistryKey> RegistryKey::clone() const {
    auto copy = std::make_unique<RegistryKey>(name_);
    copy->values_ = values_;
    for (const auto& [folded, key] : children_)
        copy->children_.emplace(folded, key->clone());
    return copy;
}

} // namespace portable::registry
