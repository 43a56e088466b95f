#include "scenario/language/scenario_parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace scenario {
namespace {

bool parse(const std::string& text, Scenario* out, std::string* error = nullptr) {
    ScenarioParser parser("dir/case.scn");
    bool ok = parser.parse(text, out);
    if (error) {
        *error = parser.error();
    }
    return ok;
}

std::vector<unsigned char> bytes(std::initializer_list<int> list) {
    std::vector<unsigned char> out;
    for (int b : list) {
        out.push_back(static_cast<unsigned char>(b));
    }
    return out;
}

TEST(ScenarioParser, ReadsSetupActionsAndChecksInOrder) {
    Scenario s;
    ASSERT_TRUE(parse("# Media Type changed and saved\n"
                      "service \"Other\"\n"
                      "value NetworkMedia sz \"2\"\n"
                      "value Count dword 4294967295\n"
                      "value Raw binary \"36 34ff\"\n"
                      "\n"
                      "select \"Media Type\"   # the list item\n"
                      "expect editor list \"Auto 100\"\n"
                      "choose \"Force 100 Full\"\n"
                      "type \"12\"\n"
                      "spin down\n"
                      "press escape\n"
                      "expect editor number \"12\" disabled\n"
                      "expect radios not-present\n"
                      "click not-present\n"
                      "close\n"
                      "expect result OK\n"
                      "expect message \"Out of Range (0 to 4095)\" caption \"quorlan\"\n"
                      "expect value VLANID missing\n"
                      "expect value RxQueueSz sz \"64\"\n"
                      "expect registry unchanged\n",
                      &s));
    EXPECT_EQ("case", s.name);
    EXPECT_EQ("dir/case.scn", s.file);
    EXPECT_EQ("Other", s.service);
    EXPECT_TRUE(s.parametersKey);

    ASSERT_EQ(3u, s.values.size());
    EXPECT_EQ(ValueType::kSz, s.values[0].type);
    EXPECT_EQ(bytes({'2', 0}), s.values[0].data);
    EXPECT_EQ(ValueType::kDword, s.values[1].type);
    EXPECT_EQ(bytes({0xff, 0xff, 0xff, 0xff}), s.values[1].data);
    EXPECT_EQ(bytes({0x36, 0x34, 0xff}), s.values[2].data);

    std::vector<std::string> steps;
    for (const Step& step : s.steps) {
        steps.push_back(describe(step));
    }
    const std::vector<std::string> expected = {
        "line 7 select \"Media Type\"",
        "line 8 expect editor list \"Auto 100\"",
        "line 9 choose \"Force 100 Full\"",
        "line 10 type \"12\"",
        "line 11 spin down",
        "line 12 press escape",
        "line 13 expect editor number \"12\" disabled",
        "line 14 expect radios not-present",
        "line 15 click not-present",
        "line 16 close",
    };
    EXPECT_EQ(expected, steps);

    ASSERT_EQ(5u, s.checks.size());
    EXPECT_EQ(ResultCheck::Kind::kResult, s.checks[0].kind);
    EXPECT_EQ("OK", s.checks[0].text);
    EXPECT_EQ(ResultCheck::Kind::kMessage, s.checks[1].kind);
    EXPECT_EQ("Out of Range (0 to 4095)", s.checks[1].text);
    EXPECT_EQ("quorlan", s.checks[1].caption);
    EXPECT_EQ(ResultCheck::Kind::kValueMissing, s.checks[2].kind);
    EXPECT_EQ("VLANID", s.checks[2].name);
    EXPECT_EQ(ResultCheck::Kind::kValueSz, s.checks[3].kind);
    EXPECT_EQ("64", s.checks[3].text);
    EXPECT_EQ(21, s.checks[4].line);
}

TEST(ScenarioParser, DefaultsWithoutSetup) {
    Scenario s;
    ASSERT_TRUE(parse("\n# only a comment\n   \n", &s));
    EXPECT_EQ("Veloxa", s.service);
    EXPECT_TRUE(s.values.empty());
    EXPECT_TRUE(s.steps.empty());
    EXPECT_TRUE(s.checks.empty());
}

TEST(ScenarioParser, MissingParametersKeyWithOutcomeOnly) {
    Scenario s;
    ASSERT_TRUE(parse("no-parameters-key\r\nexpect result Error\r\n", &s));
    EXPECT_FALSE(s.parametersKey);
    ASSERT_EQ(1u, s.checks.size());
    EXPECT_EQ("Error", s.checks[0].text);
}

struct TextCase {
    const char* line;
    const char* expected;
};

TEST(ScenarioParser, TextsKeepEverythingButTheirTwoEscapes) {
    const TextCase cases[] = {
        {R"(type "a\"b")", "a\"b"},
        {R"(type "back\\slash")", "back\\slash"},
        {R"(type "# not a comment")", "# not a comment"},
        {R"(type "")", ""},
        {"type \"  two  blanks \"", "  two  blanks "},
        {"type \"tab\there\"\t# trailing comment", "tab\there"},
    };
    for (const TextCase& c : cases) {
        Scenario s;
        std::string error;
        ASSERT_TRUE(parse(c.line, &s, &error)) << c.line << ": " << error;
        ASSERT_EQ(1u, s.steps.size()) << c.line;
        EXPECT_EQ(c.expected, s.steps[0].text) << c.line;
    }
}

// Each bad file is refused with the file, the line and what is wrong.
TEST(ScenarioParser, ErrorsNameFileAndLine) {
    const TextCase cases[] = {
        {"close\nfrobnicate\n", "dir/case.scn:2: unknown statement \"frobnicate\""},
        {"select \"Address", "dir/case.scn:1: a text is not closed"},
        {R"(type "a\n")", "dir/case.scn:1: bad escape"},
        {"select \"A\"x", "dir/case.scn:1: a text must be followed by a blank"},
        {"select Ad\"dress\"", "dir/case.scn:1: a quote inside a word"},
        {"select Address", "dir/case.scn:1: the text must be a text in double quotes"},
        {"\"select\" \"A\"", "dir/case.scn:1: a statement starts with a word"},
        {"close now", "dir/case.scn:1: expected close"},
        {"click \"ok\"", "dir/case.scn:1: expected ok | cancel"},
        {"click apply", "dir/case.scn:1: expected ok | cancel | defaults | present | not-present"},
        {"spin left", "dir/case.scn:1: expected up | down"},
        {"press tab", "dir/case.scn:1: expected enter | escape | f1"},
        {"value X dword 4294967296", "dir/case.scn:1: dword: expected a decimal number"},
        {"value X dword -1", "dir/case.scn:1: dword: expected a decimal number"},
        {"value X binary \"363\"", "dir/case.scn:1: binary: expected pairs of hex digits"},
        {"value X binary \"zz\"", "dir/case.scn:1: binary: expected pairs of hex digits"},
        {"value X qword 1", "dir/case.scn:1: expected sz | dword | binary"},
        {"service \"A\"\nservice \"B\"", "dir/case.scn:2: the service is named twice"},
        {"no-parameters-key\nvalue X sz \"1\"", "dir/case.scn:2: a value needs the Parameters"},
        {"value X sz \"1\"\nno-parameters-key", "dir/case.scn:2: no-parameters-key contradicts"},
        {"expect", "dir/case.scn:1: expect: what is expected is missing"},
        {"expect editor combo \"A\"", "dir/case.scn:1: expected list | number | text"},
        {"expect editor number \"5\"", "dir/case.scn:1: expected expect editor number"},
        {"expect editor list \"A\" enabled", "dir/case.scn:1: expected expect editor list"},
        {"expect result ok", "dir/case.scn:1: expected OK | Cancel | Error, not ok"},
        {"expect message \"A\" title \"B\"", "dir/case.scn:1: expected caption, not title"},
        {"expect value X", "dir/case.scn:1: expected expect value NAME sz"},
        {"expect value X sz \"1\" extra", "dir/case.scn:1: expected expect value NAME sz"},
        {"expect registry changed", "dir/case.scn:1: expected unchanged"},
        {"expect message \"A\" caption \"B\"\nexpect no-message",
         "dir/case.scn:2: expect no-message contradicts expect message"},
    };
    for (const TextCase& c : cases) {
        Scenario s;
        std::string error;
        EXPECT_FALSE(parse(c.line, &s, &error)) << c.line;
        EXPECT_EQ(0u, error.find(c.expected)) << c.line << "\n  gave: " << error;
    }
}

TEST(ScenarioParser, StatementsOutOfPlace) {
    const TextCase cases[] = {
        {"select \"A\"\nvalue X sz \"1\"",
         "dir/case.scn:2: value is out of place: it comes after the first action"},
        {"expect radios hidden\nservice \"S\"",
         "dir/case.scn:2: service is out of place: it comes after the first action"},
        {"expect result OK\nno-parameters-key",
         "dir/case.scn:2: no-parameters-key is out of place: it comes after the checks of the "
         "outcome"},
        {"click ok\nexpect no-message\nclose",
         "dir/case.scn:3: close is out of place: it comes after the checks of the outcome"},
        {"expect result OK\nexpect editor list \"A\"",
         "dir/case.scn:2: expect editor is out of place: it comes after the checks of the "
         "outcome"},
    };
    for (const TextCase& c : cases) {
        Scenario s;
        std::string error;
        EXPECT_FALSE(parse(c.line, &s, &error)) << c.line;
        EXPECT_EQ(c.expected, error) << c.line;
    }
}

TEST(ScenarioParser, LoadNamesAFileThatCannotBeRead) {
    Scenario s;
    std::string error;
    EXPECT_FALSE(loadScenario("/nonexistent/dir/x.scn", &s, &error));
    EXPECT_EQ("/nonexistent/dir/x.scn: cannot be read", error);
}

TEST(ScenarioParser, LoadReadsAFileAndNamesItsErrors) {
    const std::string path = "scenario-parser-test.scn";
    {
        std::ofstream file(path);
        file << "select \"VLAN ID\"\nspin sideways\n";
    }
    Scenario s;
    std::string error;
    EXPECT_FALSE(loadScenario(path, &s, &error));
    EXPECT_EQ(path + ":2: expected up | down, not sideways", error);
    std::remove(path.c_str());
}

} // namespace
} // namespace scenario
