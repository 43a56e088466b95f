// A Number property's range, and the correction a committed number outside it receives.
#pragma once

#include <cstdint>

struct NumberRange {
    int32_t minimum;
    int32_t maximum;
    int32_t belowMinimumBecomes;
    bool messageBelowMinimum;
    const char* message; // shown when a number is corrected (see messageBelowMinimum)
};

struct CorrectedNumber {
    int32_t number;
    bool showMessage; // the range's message is due
};

// `number` moved into `range`: above the maximum it becomes the maximum, with the message;
// below the minimum it becomes belowMinimumBecomes, with the message if the range says so.
constexpr CorrectedNumber correctIntoRange(const NumberRange& range, int32_t number) {
    if (number < range.minimum)
        return {range.belowMinimumBecomes, range.messageBelowMinimum};
    if (number > range.maximum)
        return {range.maximum, true};
    return {number, false};
}
