// The display and stored value of every property, and the translations between them that
// loading and saving perform. Display values are what the editors show; stored values are the
// registry's texts (codes for List properties).
#pragma once

#include "params/property_catalogue.h"
#include "params/value_text.h"

#include <cstddef>

class PropertyValues {
  public:
    PropertyValues() { setDefaults(); }

    // Every display value back to its catalogue default; stored values are untouched.
    void setDefaults();

    ValueText& display(PropertyId id) { return display_[indexOf(id)]; }
    const ValueText& display(PropertyId id) const { return display_[indexOf(id)]; }
    ValueText& stored(PropertyId id) { return stored_[indexOf(id)]; }
    const ValueText& stored(PropertyId id) const { return stored_[indexOf(id)]; }

    // A value read from the registry: raw data up to its first NUL or its length.
    void storeRead(PropertyId id, const char* data, size_t length);
    // A value that did not read: an optional property becomes absent, any other stays as it
    // was (empty when never read).
    void storeUnread(PropertyId id);

    // Whether the value read when last loaded.
    bool wasRead(PropertyId id) const { return read_[indexOf(id)]; }

    // After reading: Text and Number display values take the stored text (a non-optional one
    // only when it was read), List display values the label of their stored code.
    void displayFromStored();
    // Before writing: the reverse; a List label without a code leaves the stored code as read.
    void storedFromDisplay();

    // An optional property whose stored value is the absent marker is deleted, not written.
    bool storedIsAbsent(PropertyId id) const;

  private:
    ValueText display_[kPropertyCount];
    ValueText stored_[kPropertyCount];
    bool read_[kPropertyCount] = {};
};
