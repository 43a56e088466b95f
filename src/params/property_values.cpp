#include "params/property_values.h"

void PropertyValues::setDefaults() {
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row)
        display(row->id).assign(row->defaultDisplay);
}

void PropertyValues::storeRead(PropertyId id, const char* data, size_t length) {
    stored(id).assignData(data, length);
    read_[indexOf(id)] = true;
}

void PropertyValues::storeUnread(PropertyId id) {
    read_[indexOf(id)] = false;
    if (PropertyCatalogue::row(id).mayBeAbsent)
        stored(id).assign(kAbsentMarker);
}

void PropertyValues::displayFromStored() {
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        if (row->kind == ValueKind::kList)
            row->map->codeToLabel(stored(row->id), display(row->id));
        else if (row->mayBeAbsent || read_[indexOf(row->id)])
            display(row->id) = stored(row->id);
    }
}

void PropertyValues::storedFromDisplay() {
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        if (row->kind == ValueKind::kList)
            row->map->labelToCode(display(row->id), stored(row->id));
        else
            stored(row->id) = display(row->id);
    }
}

bool PropertyValues::storedIsAbsent(PropertyId id) const {
    return PropertyCatalogue::row(id).mayBeAbsent && stored(id).equals(kAbsentMarker);
}
