#include "params/decimal_number.h"

namespace {
bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

DecimalNumber parseDecimalNumber(const char* text) {
    DecimalNumber result{0, false};
    if (text == nullptr)
        return result;
    while (isSpace(*text))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    // Unsigned arithmetic wraps instead of overflowing.
    uint32_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10u + static_cast<uint32_t>(*text - '0');
        result.hasDigits = true;
    }
    if (negative)
        magnitude = 0u - magnitude;
    result.value = static_cast<int32_t>(magnitude);
    return result;
}

int32_t decimalNumber(const char* text) {
    return parseDecimalNumber(text).value;
}
