// ParameterStore: the service's Parameters key, open only while the values are read or
// written.
#pragma once

#include "params/property_values.h"
#include "platform/win32.h"

#include <string>

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

    // Reads the eight values in their order, each into a fresh 256-byte buffer.
    void Read(PropertyValues& values) const;
    // Writes the eight stored values in their order (deleting the absent optional ones), then
    // flushes and closes. Returns the names of the values that could not be saved, joined by
    // ", "; empty when every value was saved.
    std::string Write(const PropertyValues& values);

  private:
    bool WriteValue(const PropertyValues& values, PropertyId id) const;

    std::string keyPath_;
    HKEY key_ = nullptr;
};
