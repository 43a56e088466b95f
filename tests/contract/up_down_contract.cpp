// The spin: an msctls_updown32 with UDS_SETBUDDYINT over the digits-only spin edit.
#include "person.h"
#include "properties_layout.h"
#include "test_dialog.h"

#include <string>

namespace {

class UpDownContract : public ContractTest {
  protected:
    void SetUp() override {
        ContractTest::SetUp();
        spin = item(IDC_VALUE_SPIN);
        buddy = item(IDC_SPIN_EDIT);
        SendMessageA(spin, UDM_SETBASE, 10, 0);
        SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
        setRange(32, 1024);
    }

    void setRange(short lower, short upper) const {
        SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
    }
    LRESULT setPos(LPARAM pos) const { return SendMessageA(spin, UDM_SETPOS, 0, pos); }
    LRESULT getPos() const { return SendMessageA(spin, UDM_GETPOS, 0, 0); }
    std::string buddyText() const {
        char text[64] = "";
        GetWindowTextA(buddy, text, sizeof text);
        return text;
    }
    // The one UDN_DELTAPOS a step sends, with the buddy's text as the step found it.
    static std::vector<Notification> stepNotice(int pos, int delta, const char* text) {
        return {deltaPos(IDC_VALUE_SPIN, pos, delta, text)};
    }

    HWND spin = nullptr;
    HWND buddy = nullptr;
};

TEST_F(UpDownContract, SetRangeTakesTheUpperBoundInTheLowWord) {
    EXPECT_EQ(MAKELONG(1024, 32), SendMessageA(spin, UDM_GETRANGE, 0, 0));
    int lower = 0, upper = 0;
    SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                 reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(32, lower);
    EXPECT_EQ(1024, upper);
}

TEST_F(UpDownContract, SetBuddyAndBase) {
    EXPECT_EQ(reinterpret_cast<LRESULT>(buddy), SendMessageA(spin, UDM_GETBUDDY, 0, 0));
    EXPECT_EQ(10, SendMessageA(spin, UDM_GETBASE, 0, 0));
}

// The position is the low 16 bits of lParam taken as a signed number, then put into the range.
TEST_F(UpDownContract, SetPosClampsTheSignedLowWordToTheRange) {
    struct Case {
        short lower, upper;
        LPARAM pos;
        const char* text;
    };
    const Case cases[] = {
        {32, 1024, 100, "100"},
        {32, 1024, 32, "32"},
        {32, 1024, 1024, "1024"},
        {32, 1024, 31, "32"},
        {32, 1024, 1025, "1024"},
        {32, 1024, static_cast<LPARAM>(static_cast<WORD>(-1)), "32"},
        {0, 4095, static_cast<LPARAM>(static_cast<WORD>(-1)), "0"},
        {0, 4095, 0x12345, "4095"}, // 0x2345 = 9029
        {0, 4095, 0x10064, "100"},  // 0x0064 = 100
        {0, 4095, 0x8000, "0"},     // -32768
        {0, 4095, 4095, "4095"},
    };
    for (const Case& c : cases) {
        setRange(c.lower, c.upper);
        setPos(c.pos);
        EXPECT_EQ(c.text, buddyText()) << "pos " << c.pos << " in " << c.lower << ".." << c.upper;
        EXPECT_EQ(std::stoi(c.text), getPos()) << "pos " << c.pos;
    }
}

TEST_F(UpDownContract, SetPosReturnsThePreviousPosition) {
    setPos(100);
    EXPECT_EQ(100, setPos(200));
    EXPECT_EQ(200, setPos(5000));
}

TEST_F(UpDownContract, BuddyTextHasNoThousandsSeparator) {
    setRange(0, 4095);
    setPos(4095);
    EXPECT_EQ("4095", buddyText());
}

// The error half of UDM_GETPOS is what the dialog relies on to spot a number outside the range:
// read as a signed 32-bit number, an error result is at least 65536.
TEST_F(UpDownContract, GetPosParsesTheBuddyText) {
    struct Case {
        const char* text;
        LRESULT result;
    };
    const Case cases[] = {
        {"100", 100},
        {"32", 32},
        {"1024", 1024},
        {"0100", 100},
        {"16", MAKELONG(500, 1)},    // below the range: the last position, error half set
        {"2000", MAKELONG(500, 1)},  // above the range
        {"", MAKELONG(500, 1)},      // no number
        {"12abc", MAKELONG(500, 1)}, // not only digits
        {"99999", MAKELONG(500, 1)}, // more than 16 bits
    };
    for (const Case& c : cases) {
        setPos(500);
        SetWindowTextA(buddy, c.text);
        EXPECT_EQ(c.result, getPos()) << '"' << c.text << '"';
    }
}

TEST_F(UpDownContract, GoodTextBecomesThePosition) {
    setPos(500);
    SetWindowTextA(buddy, "700");
    EXPECT_EQ(700, getPos());
    SetWindowTextA(buddy, "16");
    EXPECT_EQ(MAKELONG(700, 1), getPos());
}

// UDS_SETBUDDYINT is read when the control is created: taking the style away afterwards
// changes neither the buddy's text on UDM_SETPOS nor UDM_GETPOS reading it.
TEST_F(UpDownContract, SetBuddyIntIsTakenAtCreation) {
    const LONG style = GetWindowLongA(spin, GWL_STYLE);
    SetWindowLongA(spin, GWL_STYLE, style & ~UDS_SETBUDDYINT);
    ASSERT_EQ(0, GetWindowLongA(spin, GWL_STYLE) & UDS_SETBUDDYINT);
    setPos(300);
    EXPECT_EQ("300", buddyText());
    SetWindowTextA(buddy, "400");
    EXPECT_EQ(400, getPos());
    SetWindowTextA(buddy, "40x");
    EXPECT_EQ(MAKELONG(400, 1), getPos());
    SetWindowLongA(spin, GWL_STYLE, style);
}

TEST_F(UpDownContract, CodeOperationsSendNothing) {
    setPos(100);
    setRange(0, 4095);
    SendMessageA(spin, UDM_SETBASE, 10, 0);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    getPos();
    EXPECT_EQ(noEvents(), events());
}

// A click on the upper half steps up, on the lower half down, from the number the buddy shows;
// UDN_DELTAPOS comes first, and at the bound it still comes though nothing moves.
TEST_F(UpDownContract, ClickStepsFromTheBuddyTextAfterNotifying) {
    struct Case {
        const char* before;
        bool upperHalf;
        int delta;
        const char* after;
    };
    const Case cases[] = {
        {"100", true, 1, "101"},
        {"100", false, -1, "99"},
        {"500", true, 1, "501"},
        {"1024", true, 1, "1024"},
    };
    for (const Case& c : cases) {
        setPos(100);
        SetWindowTextA(buddy, c.before);
        clearEvents();
        person::clickUpDown(spin, c.upperHalf);
        EXPECT_EQ(stepNotice(std::stoi(c.before), c.delta, c.before), events()) << c.before;
        EXPECT_EQ(c.after, buddyText()) << c.before;
        EXPECT_EQ(std::stoi(c.after), getPos()) << c.before;
    }
}

TEST_F(UpDownContract, NonZeroResultRefusesTheChange) {
    setPos(100);
    dialog().setDeltaPosResult(1);
    person::clickUpDown(spin, true);
    EXPECT_EQ(stepNotice(100, 1, "100"), events());
    EXPECT_EQ("100", buddyText());
    EXPECT_EQ(100, getPos());
}

// A person's click on a disabled control goes to its parent; the control given the messages
// directly ignores them too (Wine's up-down checks; Windows may rely on the routing alone).
TEST_F(UpDownContract, DisabledUpDownIgnoresClicks) {
    setPos(100);
    EnableWindow(spin, FALSE);
    person::clickUpDown(spin, true);
    EXPECT_EQ(noEvents(), events());
    EXPECT_EQ("100", buddyText());
}

TEST_F(UpDownContract, ArrowKeyInTheBuddyStepsTheSpin) {
    setPos(100);
    SetFocus(buddy);
    person::pressKey(dlg(), buddy, VK_UP);
    EXPECT_EQ(stepNotice(100, 1, "100"), events());
    EXPECT_EQ("101", buddyText());
}

} // namespace
