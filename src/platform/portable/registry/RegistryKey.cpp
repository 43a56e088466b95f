#include "RegistryKey.h"

#include <algorithm>

namespace portable::registry {

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
// upper() of every byte, for the comparisons that fold every byte of two names.
struct FoldTable {
    unsigned char bytes[256];
    constexpr FoldTable() : bytes() {
        for (int c = 0; c < 256; ++c)
            bytes[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    constexpr unsigned char operator[](unsigned char c) const { return bytes[c]; }
};
constexpr FoldTable kFold;
} // namespace

std::string foldName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), upper);
    return folded;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

bool FoldedLess::operator()(std::string_view a, std::string_view b) const {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        unsigned char x = kFold[static_cast<unsigned char>(a[i])];
        unsigned char y = kFold[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

RegistryKey* RegistryKey::child(std::string_view name) const {
    auto found = children_.find(name);
    return found == children_.end() ? nullptr : found->second.get();
}

RegistryKey& RegistryKey::ensureChild(std::string_view name, bool* created) {
    auto found = children_.find(name);
    if (created)
        *created = found == children_.end();
    if (found == children_.end())
        found = children_.emplace(foldName(name), std::make_unique<RegistryKey>(std::string(name)))
                    .first;
    return *found->second;
}

bool RegistryKey::removeChild(std::string_view name) {
    auto found = children_.find(name);
    if (found == children_.end())
        return false;
    children_.erase(found);
    return true;
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
