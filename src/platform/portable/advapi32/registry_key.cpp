#include "platform/portable/advapi32/registry_key.h"

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

bool foldedLess(std::string_view a, std::string_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        unsigned char x = kFold[static_cast<unsigned char>(a[i])];
        unsigned char y = kFold[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}
} // namespace

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

// FNV-1a over the folded bytes.
size_t foldedHash(std::string_view name) {
    uint64_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ kFold[static_cast<unsigned char>(c)]) * 1099511628211ull;
    return static_cast<size_t>(hash);
}

bool KeyNameLess::operator()(const std::unique_ptr<RegistryKey>& a,
                             const std::unique_ptr<RegistryKey>& b) const {
    return foldedLess(a->name(), b->name());
}
bool KeyNameLess::operator()(const std::unique_ptr<RegistryKey>& a, std::string_view b) const {
    return foldedLess(a->name(), b);
}
bool KeyNameLess::operator()(std::string_view a, const std::unique_ptr<RegistryKey>& b) const {
    return foldedLess(a, b->name());
}

// The subkeys are freed one level at a time from a list, never by a call per level.
RegistryKey::~RegistryKey() {
    std::vector<std::unique_ptr<RegistryKey>> doomed;
    takeChildren(&doomed);
    while (!doomed.empty()) {
        std::unique_ptr<RegistryKey> key = std::move(doomed.back());
        doomed.pop_back();
        key->takeChildren(&doomed);
    }
}

void RegistryKey::takeChildren(std::vector<std::unique_ptr<RegistryKey>>* out) {
    if (!children_)
        return;
    while (!children_->empty())
        out->push_back(std::move(children_->extract(children_->begin()).value()));
    children_.reset();
    cursor_.reset();
}

const RegistryKey::Children& RegistryKey::children() const {
    static const Children none;
    return children_ ? *children_ : none;
}

RegistryKey* RegistryKey::child(std::string_view name) const {
    if (!children_)
        return nullptr;
    auto found = children_->find(name);
    if (found == children_->end())
        return nullptr;
    return (*found)->role_ == KeyRole::Link ? linkTarget() : found->get();
}

RegistryKey* RegistryKey::linkTarget() const {
    for (const std::unique_ptr<RegistryKey>& child : *children_)
        if (child->role_ == KeyRole::LinkTarget)
            return child.get();
    return nullptr;
}

RegistryKey& RegistryKey::ensureChild(std::string_view name, bool* created) {
    if (!children_)
        children_ = std::make_unique<Children>();
    auto found = children_->lower_bound(name);
    bool missing = found == children_->end() || !sameName((*found)->name(), name);
    if (created)
        *created = missing;
    if (missing) {
        found = children_->emplace_hint(found, std::make_unique<RegistryKey>(std::string(name)));
        cursor_.reset();
    }
    RegistryKey* target = (*found)->role_ == KeyRole::Link ? linkTarget() : nullptr;
    return target ? *target : **found;
}

bool RegistryKey::removeChild(std::string_view name) {
    if (!children_)
        return false;
    auto found = children_->find(name);
    if (found == children_->end())
        return false;
    children_->erase(found);
    cursor_.reset();
    return true;
}

const RegistryKey* RegistryKey::childAt(size_t index) const {
    if (index >= children().size())
        return nullptr;
    if (!cursor_ || cursor_->index > index)
        cursor_ = std::make_unique<Cursor>(Cursor{0, children_->begin()});
    for (; cursor_->index < index; ++cursor_->index)
        ++cursor_->at;
    return cursor_->at->get();
}

void RegistryKey::addSection(SourceOffset offset) {
    if (!hasSections()) {
        firstSection_ = offset;
        return;
    }
    if (!laterSections_)
        laterSections_ = std::make_unique<std::vector<SourceOffset>>();
    laterSections_->push_back(offset);
}

SourceOffset RegistryKey::lastSection() const {
    return laterSections_ && !laterSections_->empty() ? laterSections_->back() : firstSection_;
}

RegistryValue* RegistryKey::findValue(std::string_view name) {
    if (values_.size() >= kIndexedFrom) {
        uint32_t position = valueIndex_->find(
            name, [&](uint32_t i) -> std::string_view { return values_[i].name; });
        return position == NameIndex::kNone ? nullptr : &values_[position];
    }
    for (RegistryValue& v : values_)
        if (sameName(v.name, name))
            return &v;
    return nullptr;
}

const RegistryValue* RegistryKey::value(std::string_view name) const {
    return const_cast<RegistryKey*>(this)->findValue(name);
}

void RegistryKey::setValue(std::string_view name, DWORD type, std::vector<BYTE> data) {
    if (RegistryValue* v = findValue(name)) {
        // An existing value keeps the spelling of its name, as on Windows; set to what it holds,
        // it has not changed, and its line stays as it is.
        ValueBytes bytes(data);
        if (v->type != type || v->data != bytes)
            v->origin |= kEdited;
        v->type = type;
        v->data = std::move(bytes);
        return;
    }
    values_.push_back(RegistryValue{std::string(name), ValueBytes(data), type});
    auto nameAt = [&](uint32_t i) -> std::string_view { return values_[i].name; };
    if (values_.size() == kIndexedFrom) {
        valueIndex_ = std::make_unique<NameIndex>();
        valueIndex_->rebuild(values_.size(), nameAt);
    } else if (values_.size() > kIndexedFrom) {
        valueIndex_->add(nameAt);
    }
}

// A value the file sets twice keeps its place, its first line and its first spelling; that line
// is written anew with the data of the last.
void RegistryKey::setValueFromFile(std::string_view name, DWORD type, std::vector<BYTE> data,
                                   SourceOffset source) {
    bool repeated = findValue(name) != nullptr;
    setValue(name, type, std::move(data));
    if (!repeated)
        findValue(name)->origin = source;
}

bool RegistryKey::removeValue(std::string_view name) {
    RegistryValue* found = findValue(name);
    if (!found)
        return false;
    values_.erase(values_.begin() + (found - values_.data()));
    reindexValues();
    return true;
}

void RegistryKey::reindexValues() {
    if (values_.size() < kIndexedFrom) {
        valueIndex_.reset();
        return;
    }
    if (!valueIndex_)
        valueIndex_ = std::make_unique<NameIndex>();
    valueIndex_->rebuild(values_.size(),
                         [&](uint32_t i) -> std::string_view { return values_[i].name; });
}

std::unique_ptr<RegistryKey> RegistryKey::copyWithoutChildren() const {
    auto copy = std::make_unique<RegistryKey>(name_);
    copy->values_ = values_;
    if (valueIndex_)
        copy->valueIndex_ = std::make_unique<NameIndex>(*valueIndex_);
    copy->firstSection_ = firstSection_;
    copy->role_ = role_;
    if (laterSections_)
        copy->laterSections_ = std::make_unique<std::vector<SourceOffset>>(*laterSections_);
    return copy;
}

// Copies the tree below from a list of keys still to copy, never by a call per level.
std::unique_ptr<RegistryKey> RegistryKey::clone() const {
    std::unique_ptr<RegistryKey> copy = copyWithoutChildren();
    std::vector<std::pair<const RegistryKey*, RegistryKey*>> pending{{this, copy.get()}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        if (!from->children_)
            continue;
        to->children_ = std::make_unique<Children>();
        for (const std::unique_ptr<RegistryKey>& child : *from->children_) {
            auto made = to->children_->insert(to->children_->end(), child->copyWithoutChildren());
            pending.emplace_back(child.get(), made->get());
        }
    }
    return copy;
}

} // namespace portable::registry
