// Any bytes as a registry file: the reader either refuses them with a line number and a reason,
// or gives a registry that, written out and read back, holds the same keys and values byte for
// byte, and is written out the same way again.
#include "FuzzCheck.h"
#include "platform/portable/registry/RegFileReader.h"
#include "platform/portable/registry/RegFileWriter.h"

#include <algorithm>
#include <string_view>

namespace {

using portable::registry::RegFileReader;
using portable::registry::RegFileWriter;
using portable::registry::RegistryKey;
using portable::registry::RegistryTree;

std::string compareKeys(const RegistryKey& a, const RegistryKey& b, const std::string& path) {
    const std::string here = path + "\\" + a.name();
    if (a.values().size() != b.values().size())
        return here + ": value count differs";
    for (size_t i = 0; i < a.values().size(); ++i) {
        const auto& x = a.values()[i];
        const auto& y = b.values()[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data)
            return here + ": value \"" + x.name + "\" differs";
    }
    if (a.children().size() != b.children().size())
        return here + ": subkey count differs";
    auto other = b.children().begin();
    for (const auto& child : a.children()) {
        if (child.first != other->first)
            return here + ": subkey " + child.first + " differs";
        std::string difference = compareKeys(*child.second, *other->second, here);
        if (!difference.empty())
            return difference;
        ++other;
    }
    return std::string();
}

std::string compareTrees(const RegistryTree& a, const RegistryTree& b) {
    for (int root = 0; root < portable::registry::kRootCount; ++root) {
        std::string difference = compareKeys(a.root(root), b.root(root), "");
        if (!difference.empty())
            return difference;
    }
    return std::string();
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
    const std::string written = RegFileWriter().write(tree);
    RegistryTree again;
    RegFileReader rereader;
    fuzzCheck(rereader.read(written, &again), "its own output is refused at line " +
                                                  std::to_string(rereader.errorLine()) + ": " +
                                                  rereader.errorMessage() + "\n" + written);
    fuzzCheckEmpty(compareTrees(tree, again));
    fuzzCheck(RegFileWriter().write(again) == written, "writing again gives other text");
    return 0;
}
