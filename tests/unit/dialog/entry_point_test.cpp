// The entry point's calls that a scenario cannot make: faulty arguments and long names.
#include "dialog_session.h"
#include "entry/result_text.h"
#include "framework/win_app.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char service[] = "QuorlanEntryTest";

TEST(EntryPoint, FaultyArgumentsReportErrorWithoutAMessage) {
    char name[] = "QuorlanEntryTest";
    LPSTR withName[] = {name};
    LPSTR withNull[] = {nullptr};
    struct Case {
        const char* what;
        DWORD argc;
        LPSTR* argv;
    };
    const Case cases[] = {
        {"argc 0", 0, withName},
        {"null argv", 1, nullptr},
        {"null argv[0]", 1, withNull},
    };
    resetService(service, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setResultText("OK");
        DialogSession session;
        LPSTR text = nullptr;
        EXPECT_EQ(TRUE, session.call(c.argc, c.argv, &text));
        EXPECT_EQ(ResultText, text);
        EXPECT_STREQ("Error", ResultText);
        EXPECT_FALSE(session.dialogSeen());
        EXPECT_TRUE(session.messages().empty());
    }
}

TEST(EntryPoint, WithoutATextPointerNothingIsShown) {
    resetService(service, true);
    setResultText("OK");
    char name[] = "QuorlanEntryTest";
    LPSTR argv[] = {name};
    DialogSession session;
    session.click(IDOK);
    EXPECT_EQ(TRUE, session.call(1, argv, nullptr));
    EXPECT_STREQ("Error", ResultText);
    EXPECT_FALSE(session.dialogSeen());
    EXPECT_TRUE(session.messages().empty());
}

TEST(EntryPoint, AMissingParametersKeyIsReportedWithTheApplicationTitle) {
    resetService(service, false);
    DialogSession session;
    EXPECT_EQ(TRUE, session.callFor(service));
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Fatal Error: Registry Key not found", session.messages()[0].text);
    EXPECT_EQ(AfxGetAppName(), session.messages()[0].caption);
    EXPECT_EQ("stop", session.messages()[0].icon);
    EXPECT_FALSE(session.dialogSeen());
}

TEST(EntryPoint, AServiceNameOfAnyLengthIsLookedUpWhole) {
    const std::string longName(3000, 's');
    DialogSession session;
    EXPECT_EQ(TRUE, session.callFor(longName.c_str()));
    EXPECT_EQ("Error", session.result());
    ASSERT_EQ(1u, session.messages().size());
    EXPECT_EQ("Fatal Error: Registry Key not found", session.messages()[0].text);
}

TEST(EntryPoint, TheDialogsEndGivesTheResultWord) {
    struct Case {
        int button;
        const char* result;
    };
    const Case cases[] = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    for (const Case& c : cases) {
        resetService(service, true);
        DialogSession session;
        session.click(c.button);
        EXPECT_EQ(TRUE, session.callFor(service));
        EXPECT_EQ(c.result, session.result());
        EXPECT_TRUE(session.dialogSeen());
        EXPECT_TRUE(session.messages().empty());
    }
}

} // namespace
