#include "property_input.h"

#include "params/text_compare.h"

#include <cctype>

namespace quorlan_params {

namespace {

bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// 12 hexadecimal digits, or six pairs with the same ':' or '-' between each two.
bool addressDigits(const std::string& input, std::string* digits) {
    const bool separated = input.size() == 17;
    if (input.size() != 12 && !separated)
        return false;
    const char separator = separated ? input[2] : '\0';
    if (separated && separator != ':' && separator != '-')
        return false;
    digits->clear();
    for (size_t i = 0; i < input.size(); ++i) {
        if (separated && i % 3 == 2) {
            if (input[i] != separator)
                return false;
        } else if (isHexDigit(input[i])) {
            digits->push_back(input[i]);
        } else {
            return false;
        }
    }
    return true;
}

// Plain decimal digits within the range, without sign, blanks or anything after them. Leading
// zeros are allowed, however many, and not stored: "0012" is 12.
bool numberInRange(const NumberRange& range, const std::string& input, std::string* number) {
    const size_t first = input.find_first_not_of('0');
    const std::string digits = input.empty()                ? input
                               : first == std::string::npos ? "0"
                                                            : input.substr(first);
    if (digits.empty() || digits.size() > 9)
        return false;
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < range.minimum || value > range.maximum)
        return false;
    *number = std::to_string(value);
    return true;
}

} // namespace

const PropertyRow* findProperty(const std::string& name) {
    if (const PropertyRow* row = PropertyCatalogue::findByLabel(name.c_str()))
        return row;
    return PropertyCatalogue::findByValueName(name.c_str());
}

std::string propertyLabels() {
    std::string labels;
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        labels += labels.empty() ? "\"" : ", \"";
        labels += row->label;
        labels += '"';
    }
    return labels;
}

std::string acceptedValues(const PropertyRow& row) {
    std::string accepted;
    switch (row.kind) {
    case ValueKind::kList:
        accepted = "one of";
        for (size_t i = 0; i < row.map->count; ++i)
            accepted += std::string(i == 0 ? " \"" : ", \"") + row.map->labels[i] + '"';
        break;
    case ValueKind::kNumber:
        accepted = "a number from " + std::to_string(row.range->minimum) + " to " +
                   std::to_string(row.range->maximum);
        break;
    case ValueKind::kText:
        accepted = "12 hexadecimal digits (00A0C9123456, 00:A0:C9:12:34:56 or 00-A0-C9-12-34-56)";
        break;
    case ValueKind::kNone:
        break;
    }
    if (row.mayBeAbsent)
        accepted += std::string(", or ") + kAbsentWord;
    return accepted;
}

bool displayValueFor(const PropertyRow& row, const std::string& input, std::string* display) {
    if (row.mayBeAbsent && equalsIgnoreCase(input.c_str(), kAbsentWord)) {
        *display = kAbsentMarker;
        return true;
    }
    switch (row.kind) {
    case ValueKind::kList:
        if (const char* label = row.map->findLabel(input.c_str())) {
            *display = label;
            return true;
        }
        return false;
    case ValueKind::kNumber:
        return numberInRange(*row.range, input, display);
    case ValueKind::kText:
        return addressDigits(input, display);
    case ValueKind::kNone:
        break;
    }
    return false;
}

} // namespace quorlan_params
