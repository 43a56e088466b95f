// Two parallel tables of a List property: display label i belongs to stored code i.
#pragma once

#include "params/value_text.h"

#include <cstddef>

struct LabelMap {
    const char* const* labels;
    const char* const* codes;
    size_t count;

    // Each scan runs over the whole table and compares exactly (byte for byte); every equal
    // entry sets the output, and with no equal entry the output is left as it was.
    void labelToCode(const ValueText& label, ValueText& code) const;
    void codeToLabel(const ValueText& code, ValueText& label) const;
    // The label equal to `text` without regard to case, as a person may type it, or null.
    const char* findLabel(const char* text) const;
};
