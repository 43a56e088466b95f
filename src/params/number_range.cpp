#include "params/number_range.h"

CorrectedNumber correctIntoRange(const NumberRange& range, int32_t number) {
    if (number < range.minimum)
        return {range.belowMinimumBecomes, range.messageBelowMinimum};
    if (number > range.maximum)
        return {range.maximum, true};
    return {number, false};
}
