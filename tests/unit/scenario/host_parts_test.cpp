// The hosts' shared parts on the platform's own windows and registry: the command line, the
// driver's reading and answering of message boxes, the registry setup and the outcome checks.
#include "scenario/run/entry_point_call.h"
#include "scenario/run/host_command_line.h"
#include "scenario/run/outcome_checks.h"
#include "scenario/run/registry_stage.h"
#include "scenario/person/scenario_driver.h"
#include "scenario/language/scenario_parser.h"

#include <gtest/gtest.h>

#include <functional>

namespace scenario {
namespace {

const char kService[] = "QuorlanHostPartsTest";

struct CommandCase {
    std::vector<std::string> args;
    bool ok;
    const char* what; // the service, the first file, or the error
};

TEST(HostCommandLine, FormsAndUsageErrors) {
    const CommandCase cases[] = {
        {{"Veloxa"}, true, "Veloxa"},
        {{"--registry", "r.reg", "Veloxa"}, true, "Veloxa"},
        {{"--script", "a.scn", "b.scn"}, true, "a.scn"},
        {{"--registry", "r.reg", "--script", "a.scn"}, true, "a.scn"},
        {{"--", "-odd-name"}, true, "-odd-name"},
        {{}, false, "the service name is missing"},
        {{"A", "B"}, false, "one service name only"},
        {{"--script"}, false, "--script needs at least one scenario file"},
        {{"--registry"}, false, "--registry needs a file"},
        {{"--verbose", "A"}, false, "unknown option --verbose"},
        {{"--registry=r.reg", "Veloxa"}, true, "Veloxa"},
        {{"--registry=", "Veloxa"}, false, "--registry needs a file, not an empty word"},
        {{"--registry", "a.reg", "--registry=b.reg", "V"},
         false,
         "--registry is given more than once"},
        {{"--script", "a.scn", "--script"}, false, "--script is given more than once"},
        {{"--help=yes"}, false, "--help takes no value"},
        {{"--verbose=1", "A"}, false, "unknown option --verbose"},
    };
    for (const CommandCase& c : cases) {
        std::vector<std::string> words = {"host"};
        words.insert(words.end(), c.args.begin(), c.args.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(&word[0]);
        }
        HostCommandLine command;
        std::string error;
        bool ok = parseHostCommandLine(static_cast<int>(argv.size()), argv.data(), true, &command,
                                       &error);
        ASSERT_EQ(c.ok, ok) << c.what;
        std::string what = !ok ? error : command.script ? command.files[0] : command.service;
        EXPECT_EQ(c.what, what);
    }
}

TEST(HostCommandLine, RegistryOptionOnlyWhereTheHostHasOne) {
    char host[] = "tvxhost", option[] = "--registry", file[] = "r.reg", service[] = "V";
    char* argv[] = {host, option, file, service};
    HostCommandLine command;
    std::string error;
    EXPECT_FALSE(parseHostCommandLine(4, argv, false, &command, &error));
    EXPECT_EQ("unknown option --registry", error);
}

BOOL WINAPI showTwoMessages(DWORD, LPSTR*, LPSTR* textOut) {
    static char word[] = "Error";
    *textOut = word;
    MessageBoxA(nullptr, "first text", "caption one", MB_OK | MB_ICONHAND);
    MessageBoxA(nullptr, "second text", "caption two", MB_OK | MB_ICONEXCLAMATION);
    return TRUE;
}

TEST(ScenarioDriver, RecordsAndAnswersEveryMessageBoxInOrder) {
    ScenarioDriver driver({});
    driver.start();
    CallResult result = callEntryPoint(showTwoMessages, "Any");
    driver.stop();
    EXPECT_EQ("Error", result.word);
    EXPECT_EQ("", driver.failure());
    ASSERT_EQ(2u, driver.messages().size());
    EXPECT_EQ("first text", driver.messages()[0].text);
    EXPECT_EQ("caption one", driver.messages()[0].caption);
    EXPECT_EQ("stop", driver.messages()[0].icon);
    EXPECT_EQ("second text", driver.messages()[1].text);
    EXPECT_EQ("exclamation", driver.messages()[1].icon);
}

TEST(ScenarioDriver, ActionsWithoutADialogFail) {
    Scenario scenario;
    ScenarioParser parser("x.scn");
    ASSERT_TRUE(parser.parse("close\n", &scenario));
    ScenarioDriver driver(scenario.steps);
    driver.start();
    callEntryPoint(showTwoMessages, "Any");
    driver.stop();
    EXPECT_EQ("the dialog never showed for line 1 close", driver.failure());
}

class RegistryChecks : public ::testing::Test {
  protected:
    void TearDown() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, serviceKeyPath(kService).c_str());
    }

    Scenario parse(const std::string& text) {
        Scenario scenario;
        ScenarioParser parser("x.scn");
        EXPECT_TRUE(parser.parse("service \"" + std::string(kService) + "\"\n" + text, &scenario))
            << parser.error();
        return scenario;
    }

    // Writes the first count bytes (all by default).
    void setValue(const char* name, DWORD type, const std::string& bytes, size_t count = 0) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegOpenKeyExA(HKEY_LOCAL_MACHINE, parametersKeyPath(kService).c_str(), 0,
                                KEY_ALL_ACCESS, &key));
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(count != 0 ? count : bytes.size()));
        RegCloseKey(key);
    }
};

TEST_F(RegistryChecks, SetupIsWrittenAfreshEachTime) {
    Scenario first = parse("value A sz \"1\"\nvalue B dword 258\nvalue C binary \"36 34\"\n");
    std::string error;
    ASSERT_TRUE(RegistryStage(true).prepare(first, &error)) << error;
    ParametersSnapshot snap = RegistryStage::snapshot(kService);
    ASSERT_TRUE(snap.exists);
    ASSERT_EQ(3u, snap.values.size());
    RegistryValue b;
    ASSERT_TRUE(RegistryStage::readValue(kService, "B", &b));
    EXPECT_EQ("dword 258", describeValue(b));
    RegistryValue c;
    ASSERT_TRUE(RegistryStage::readValue(kService, "C", &c));
    EXPECT_EQ("type 3, 2 bytes 36 34", describeValue(c));

    ASSERT_TRUE(RegistryStage(true).prepare(parse("no-parameters-key\n"), &error)) << error;
    EXPECT_FALSE(RegistryStage::snapshot(kService).exists);
}

TEST_F(RegistryChecks, OutcomeChecksNameTheFirstDifference) {
    Scenario scenario = parse("value RxQueueSz sz \"64\"\n"
                              "expect result OK\n"
                              "expect message \"one\" caption \"quorlan\"\n"
                              "expect value RxQueueSz sz \"64\"\n"
                              "expect value VLANID missing\n"
                              "expect registry unchanged\n");
    std::string error;
    ASSERT_TRUE(RegistryStage(true).prepare(scenario, &error)) << error;
    CallOutcome outcome;
    outcome.word = "OK";
    outcome.messages = {{"one", "quorlan", "stop"}};
    outcome.before = RegistryStage::snapshot(kService);
    EXPECT_EQ("", firstDifference(scenario, outcome));

    struct Case {
        std::function<void(CallOutcome*)> change;
        const char* expected;
    };
    const Case cases[] = {
        {[](CallOutcome* o) { o->word = "Cancel"; },
         "line 3 expect result OK: the result was \"Cancel\""},
        {[](CallOutcome* o) { o->messages.clear(); },
         "line 4 expect message \"one\": no message box was shown"},
        {[](CallOutcome* o) { o->messages[0].caption = "Error "; },
         "line 4 expect message \"one\" caption \"quorlan\": message 1 was \"one\" caption "
         "\"Error \""},
        {[](CallOutcome* o) {
             o->messages.push_back({"two", "quorlan", "stop"});
         },
         "line 4 expect message: one more was shown: \"two\" caption \"quorlan\""},
    };
    for (const Case& c : cases) {
        CallOutcome changed = outcome;
        c.change(&changed);
        EXPECT_EQ(c.expected, firstDifference(scenario, changed));
    }

    // The length counts: "64" without its NUL is not the text value "64". (A text followed by
    // a NUL in memory would have its NUL counted by RegSetValueExA, as Windows does.)
    setValue("RxQueueSz", REG_SZ, "64x", 2);
    EXPECT_EQ("line 5 expect value RxQueueSz sz \"64\": found type 1, 2 bytes 36 34",
              firstDifference(scenario, outcome));
    setValue("RxQueueSz", REG_SZ, std::string("64\0", 3));
    setValue("VLANID", REG_SZ, std::string("5\0", 2));
    EXPECT_EQ("line 6 expect value VLANID missing: found sz \"5\"",
              firstDifference(scenario, outcome));
}

TEST_F(RegistryChecks, UnchangedComparesTypeAndBytes) {
    Scenario scenario = parse("value A sz \"1\"\nvalue B dword 1\nexpect registry unchanged\n");
    std::string error;
    ASSERT_TRUE(RegistryStage(true).prepare(scenario, &error)) << error;
    CallOutcome outcome;
    outcome.before = RegistryStage::snapshot(kService);
    EXPECT_EQ("", firstDifference(scenario, outcome));

    setValue("B", REG_BINARY, std::string("\1\0\0\0", 4));
    EXPECT_EQ("line 4 expect registry unchanged: B is type 3, 4 bytes 01 00 00 00, was dword 1",
              firstDifference(scenario, outcome));
    setValue("B", REG_DWORD, std::string("\1\0\0\0", 4));
    setValue("C", REG_SZ, std::string("\0", 1));
    EXPECT_EQ("line 4 expect registry unchanged: C was added: sz \"\"",
              firstDifference(scenario, outcome));
}

} // namespace
} // namespace scenario
