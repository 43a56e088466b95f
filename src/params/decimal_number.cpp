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

void formatDecimalNumber(int32_t value, char (&text)[kDecimalTextSize]) {
    uint32_t magnitude =
        value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[kDecimalTextSize];
    size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0);
    size_t length = 0;
    if (value < 0)
        text[length++] = '-';
    while (count > 0)
        text[length++] = digits[--count];
    text[length] = '\0';
}
