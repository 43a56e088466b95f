// Any bytes as a registry file: the reader either refuses them with a line number and a reason,
// or gives a registry that, written out and read back, holds the same keys and values byte for
// byte, and is written out the same way again: as it was read, with every value set again, and
// as a new file.
#include "fuzz_check.h"
#include "platform/portable/advapi32/reg_file_reader.h"
#include "platform/portable/advapi32/reg_file_writer.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using portable::registry::RegFileReader;
using portable::registry::RegFileWriter;
using portable::registry::RegistryKey;
using portable::registry::RegistryTree;
using portable::registry::RegistryValue;

std::string compareValues(const RegistryKey& a, const RegistryKey& b) {
    if (a.values().size() != b.values().size())
        return a.name() + ": value count differs";
    for (size_t i = 0; i < a.values().size(); ++i) {
        const RegistryValue& x = a.values()[i];
        const RegistryValue& y = b.values()[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data)
            return a.name() + ": value \"" + x.name + "\" differs";
    }
    return std::string();
}

// Walks both trees from a list of key pairs still to compare, as deep as they go.
std::string compareTrees(const RegistryTree& a, const RegistryTree& b) {
    std::vector<std::pair<const RegistryKey*, const RegistryKey*>> pending;
    for (int root = 0; root < portable::registry::kRootCount; ++root)
        pending.emplace_back(&a.root(root), &b.root(root));
    while (!pending.empty()) {
        auto [x, y] = pending.back();
        pending.pop_back();
        std::string difference = compareValues(*x, *y);
        if (!difference.empty())
            return difference;
        if (x->children().size() != y->children().size())
            return x->name() + ": subkey count differs";
        auto other = y->children().begin();
        for (const auto& child : x->children()) {
            if (child->name() != (*other)->name())
                return x->name() + ": subkey " + child->name() + " differs";
            pending.emplace_back(child.get(), other->get());
            ++other;
        }
    }
    return std::string();
}

// Written out, the tree reads back the same, and is written the same way again.
void checkRoundTrip(const RegistryTree& tree, const char* how) {
    const std::string written = RegFileWriter().write(tree);
    RegistryTree again;
    RegFileReader rereader;
    fuzzCheck(rereader.read(written, &again), std::string(how) +
                                                  ": its own output is refused at line " +
                                                  std::to_string(rereader.errorLine()) + ": " +
                                                  rereader.errorMessage() + "\n" + written);
    fuzzCheckEmpty(compareTrees(tree, again));
    fuzzCheck(RegFileWriter().write(again) == written,
              std::string(how) + ": writing again gives other text");
}

// Lines of the text as any encoding of it can have at most: one per byte, and one more.
int mostLines(std::string_view text) {
    return static_cast<int>(text.size()) + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    RegistryTree tree;
    RegFileReader reader;
    if (!reader.read(text, &tree)) {
        fuzzCheck(reader.errorLine() >= 1 && reader.errorLine() <= mostLines(text),
                  "refused without a line number: " + std::to_string(reader.errorLine()));
        fuzzCheck(!reader.errorMessage().empty(), "refused without a reason");
        return 0;
    }
    checkRoundTrip(tree, "kept as read");

    // Every value set again: each is written anew where its line was, in the file's dialect.
    RegistryTree edited = tree.clone();
    edited.forEachKey([](const RegistryKey& key, std::string_view) {
        auto& writable = const_cast<RegistryKey&>(key);
        for (size_t i = 0; i < key.values().size(); ++i) {
            const RegistryValue& value = key.values()[i];
            const std::string name = value.name;
            const DWORD type = value.type;
            std::vector<BYTE> data = value.data.toVector();
            writable.setValue(name, type ^ 1, data); // changed, then set back
            writable.setValue(name, type, std::move(data));
        }
    });
    checkRoundTrip(edited, "set again");

    // As a new file: every line written from the tree.
    RegistryTree fresh = tree.clone();
    fresh.setSource(nullptr);
    checkRoundTrip(fresh, "written anew");
    return 0;
}
