#include "fuzzed_registry.h"

#include "platform/portable/portable.h"

const char kFuzzService[] = "Veloxa";
const char kUnrelatedValue[] = "DriverDesc";

namespace {

// Types a registry value may carry; the product reads them all as text.
const DWORD kTypes[] = {REG_SZ,    REG_SZ,       REG_EXPAND_SZ, REG_BINARY,
                        REG_DWORD, REG_MULTI_SZ, REG_NONE,      REG_QWORD};
const size_t kLongestValue = 300;

// Stores exactly the bytes given. A text type gains a terminator when a NUL follows the data
// in memory (as on Windows), so the bytes are followed by another one.
void setValue(HKEY key, const char* name, DWORD type, const std::string& data) {
    std::string bytes = data + 'x';
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(data.size()));
}

} // namespace

FuzzedContents decodeContents(ByteReader& input) {
    FuzzedContents contents;
    contents.parametersKey = (input.byte() & 0x0F) != 0;
    for (FuzzedValue& value : contents.values) {
        uint8_t shape = input.byte();
        value.exists = (shape & 0x07) != 0;
        value.type = kTypes[(shape >> 3) & 0x07];
        value.data = input.bytes(input.number(kLongestValue));
    }
    return contents;
}

void stageContents(const FuzzedContents& contents) {
    portable::useMemoryRegistry();
    const std::string path = contents.parametersKey ? scenario::parametersKeyPath(kFuzzService)
                                                    : scenario::serviceKeyPath(kFuzzService);
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    if (contents.parametersKey) {
        setValue(key, kUnrelatedValue, REG_SZ, std::string("QK61450", 8));
        for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
             ++row) {
            const FuzzedValue& value = contents.values[indexOf(row->id)];
            if (value.exists)
                setValue(key, row->valueName, value.type, value.data);
        }
    }
    RegCloseKey(key);
}

scenario::ParametersSnapshot snapshotParameters() {
    return scenario::RegistryStage::snapshot(kFuzzService);
}

std::string compareSnapshots(const scenario::ParametersSnapshot& before,
                             const scenario::ParametersSnapshot& after) {
    if (before.exists != after.exists)
        return "the Parameters key appeared or vanished";
    if (before.values.size() != after.values.size())
        return "the number of values changed";
    for (size_t i = 0; i < before.values.size(); ++i) {
        const scenario::RegistryValue& a = before.values[i];
        const scenario::RegistryValue& b = after.values[i];
        if (a.name != b.name || a.type != b.type || a.data != b.data)
            return "value " + a.name + " changed: " + scenario::describeValue(a) + " became " +
                   scenario::describeValue(b);
    }
    return std::string();
}

const scenario::RegistryValue* findValue(const scenario::ParametersSnapshot& snapshot,
                                         const char* name) {
    for (const scenario::RegistryValue& value : snapshot.values)
        if (value.name == name)
            return &value;
    return nullptr;
}
