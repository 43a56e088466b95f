// The decimal number of a text, as the editor reads positions: leading white space is skipped,
// an optional sign taken, then decimal digits up to the first other character. There is no
// overflow check: the number wraps as a 32-bit value would.
#pragma once

#include <cstddef>
#include <cstdint>

struct DecimalNumber {
    int32_t value; // 0 when the text has no digits
    bool hasDigits;
};

DecimalNumber parseDecimalNumber(const char* text);
// The number alone; a text without digits gives 0.
int32_t decimalNumber(const char* text);

// Room for any 32-bit number in decimal with its sign and terminator: "-2147483648".
constexpr size_t kDecimalTextSize = 12;
// The number as decimal text, "-" before a negative one, as "%d" writes it.
void formatDecimalNumber(int32_t value, char (&text)[kDecimalTextSize]);
