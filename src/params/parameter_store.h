// ParameterStore: the service's Parameters key, open only while the values are read or
// written.
#pragma once

#include "framework/heap_text.h"
#include "params/property_values.h"
#include "platform/win32.h"

class ParameterStore {
  public:
    explicit ParameterStore(const char* serviceName);
    ~ParameterStore() { Close(); }
    ParameterStore(const ParameterStore&) = delete;
    ParameterStore& operator=(const ParameterStore&) = delete;

    const char* keyPath() const { return keyPath_.c_str(); }

    // Opens with default access (RegOpenKeyA) / all access (RegOpenKeyExA); the status code.
    LONG OpenForReading();
    LONG OpenForWriting();
    void Close();

    // The open key, for a caller that keeps more of a value than its text (type, long data).
    HKEY key() const { return key_; }

    // Reads the eight values in their order, each into a fresh 256-byte buffer.
    void Read(PropertyValues& values) const;
    // Writes one stored value as REG_SZ, or deletes it when it is an absent optional one; true
    // when that worked (deleting a value already gone counts).
    bool WriteValue(const PropertyValues& values, PropertyId id) const;
    // Makes what was written last (RegFlushKey); the status code.
    LONG Flush() const { return RegFlushKey(key_); }
    // Writes the eight stored values in their order (deleting the absent optional ones), then
    // flushes and closes. True when every value was saved; otherwise `failedNames` holds the
    // names of those that were not, joined by ", " (cut to fit its `size` bytes).
    bool Write(const PropertyValues& values, char* failedNames, size_t size);

  private:
    HeapText keyPath_;
    HKEY key_ = nullptr;
};
