// What the properties dialog holds before it is shown, and reading values of any type.
#include "dialog/properties_dlg.h"
#include "dialog_session.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CPropertiesDlg, ConstructionHoldsTheDefaultsAndTheKeyPath) {
    CPropertiesDlg dialog("Veloxa\\0001", nullptr);
    EXPECT_STREQ("System\\CurrentControlSet\\Services\\Veloxa\\0001\\Parameters", dialog.keyPath());
    for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
         ++row) {
        EXPECT_STREQ(row->defaultDisplay, dialog.values().display(row->id).c_str());
        EXPECT_TRUE(dialog.values().stored(row->id).empty());
    }
}

// Values of other types and lengths read as their bytes, cut inside the 256-byte buffer.
TEST(CPropertiesDlg, ValuesOfAnyTypeAndLengthReadSafely) {
    const char service[] = "QuorlanReadTest";
    resetService(service, true);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                            "System\\CurrentControlSet\\Services\\QuorlanReadTest\\Parameters", 0,
                            KEY_ALL_ACCESS, &key));
    const DWORD media = 0x34; // the bytes "4\0\0\0"
    RegSetValueExA(key, "NetworkMedia", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&media),
                   sizeof media);
    const BYTE pause[] = {'1', '2'}; // no terminator
    RegSetValueExA(key, "FlowControl", 0, REG_BINARY, pause, sizeof pause);
    const std::string tooLong(300, 'x');
    RegSetValueExA(key, "NetworkAddress", 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()),
                   static_cast<DWORD>(tooLong.size() + 1));
    const std::string longest(255, 'y');
    RegSetValueExA(key, "RxQueueSz", 0, REG_SZ, reinterpret_cast<const BYTE*>(longest.c_str()),
                   static_cast<DWORD>(longest.size() + 1));
    RegCloseKey(key);

    DialogSession session;
    session.click(IDOK);
    session.callFor(service);
    EXPECT_EQ("OK", session.result());
    EXPECT_TRUE(session.messages().empty());

    std::string text;
    DWORD type = 0;
    ASSERT_TRUE(readValue(service, "NetworkMedia", &text, &type));
    EXPECT_EQ("4", text); // "Force 100 Full" saved back as its code
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    ASSERT_TRUE(readValue(service, "FlowControl", &text, &type));
    EXPECT_EQ("3", text); // "12" has no label: the default "Enable"
    EXPECT_FALSE(readValue(service, "NetworkAddress", &text, &type)); // did not read: absent
    ASSERT_TRUE(readValue(service, "RxQueueSz", &text, &type));
    EXPECT_EQ(longest, text);
}

} // namespace
