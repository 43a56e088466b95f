#include "params/label_map.h"

#include "params/text_compare.h"

namespace {
void translate(const char* const* from, const char* const* to, size_t count, const ValueText& input,
               ValueText& output) {
    for (size_t i = 0; i < count; ++i) {
        if (input.equals(from[i]))
            output.assign(to[i]);
    }
}
} // namespace

void LabelMap::labelToCode(const ValueText& label, ValueText& code) const {
    translate(labels, codes, count, label, code);
}

void LabelMap::codeToLabel(const ValueText& code, ValueText& label) const {
    translate(codes, labels, count, code, label);
}

const char* LabelMap::findLabel(const char* text) const {
    for (size_t i = 0; i < count; ++i) {
        if (equalsIgnoreCase(labels[i], text))
            return labels[i];
    }
    return nullptr;
}
