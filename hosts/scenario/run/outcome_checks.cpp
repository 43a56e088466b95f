#include "outcome_checks.h"

#include <cctype>

namespace scenario {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string line(const ResultCheck& check) {
    return "line " + std::to_string(check.line) + " ";
}

std::string shownText(const ShownMessage& shown) {
    return quoted(shown.text) + " caption " + quoted(shown.caption);
}

// "no message box was shown", "1 message box was shown: ...", "2 message boxes were shown: ...".
std::string messageList(const std::vector<ShownMessage>& shown) {
    if (shown.empty()) {
        return "no message box was shown";
    }
    std::string text =
        std::to_string(shown.size()) +
        (shown.size() == 1 ? " message box was shown: " : " message boxes were shown: ");
    for (size_t i = 0; i < shown.size(); ++i) {
        text += (i == 0 ? "" : ", ") + shownText(shown[i]);
    }
    return text;
}

// All expect message lines together: the boxes shown, all of them, in order.
std::string checkMessages(const Scenario& scenario, const CallOutcome& outcome) {
    std::vector<const ResultCheck*> expected;
    for (const ResultCheck& check : scenario.checks) {
        if (check.kind == ResultCheck::Kind::kMessage) {
            expected.push_back(&check);
        }
    }
    const std::vector<ShownMessage>& shown = outcome.messages;
    for (size_t i = 0; i < expected.size(); ++i) {
        const ResultCheck& check = *expected[i];
        if (i >= shown.size()) {
            return line(check) + "expect message " + quoted(check.text) + ": " +
                   (shown.empty() ? "" : "only ") + messageList(shown);
        }
        if (shown[i].text != check.text || shown[i].caption != check.caption) {
            return line(check) + "expect message " + quoted(check.text) + " caption " +
                   quoted(check.caption) + ": message " + std::to_string(i + 1) + " was " +
                   shownText(shown[i]);
        }
    }
    if (shown.size() > expected.size()) {
        return line(*expected.back()) +
               "expect message: one more was shown: " + shownText(shown[expected.size()]);
    }
    return std::string();
}

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const RegistryValue* findValue(const ParametersSnapshot& snap, const std::string& name) {
    for (const RegistryValue& value : snap.values) {
        if (sameName(value.name, name)) {
            return &value;
        }
    }
    return nullptr;
}

// Every value byte-identical, none added, none removed.
std::string checkUnchanged(const ParametersSnapshot& before, const ParametersSnapshot& after) {
    if (before.exists != after.exists) {
        return before.exists ? "the Parameters key was deleted" : "the Parameters key was created";
    }
    for (const RegistryValue& old : before.values) {
        const RegistryValue* now = findValue(after, old.name);
        if (now == nullptr) {
            return old.name + " was deleted (it was " + describeValue(old) + ")";
        }
        if (now->type != old.type || now->data != old.data) {
            return old.name + " is " + describeValue(*now) + ", was " + describeValue(old);
        }
    }
    for (const RegistryValue& now : after.values) {
        if (findValue(before, now.name) == nullptr) {
            return now.name + " was added: " + describeValue(now);
        }
    }
    return std::string();
}

std::string checkValue(const Scenario& scenario, const ResultCheck& check) {
    RegistryValue value;
    bool exists = RegistryStage::readValue(scenario.service, check.name, &value);
    const std::string found = exists ? describeValue(value) : "missing";
    if (check.kind == ResultCheck::Kind::kValueMissing) {
        return exists ? line(check) + "expect value " + check.name + " missing: found " + found
                      : std::string();
    }
    RegistryValue wanted;
    wanted.type = REG_SZ;
    wanted.data.assign(check.text.begin(), check.text.end());
    wanted.data.push_back(0);
    if (exists && value.type == wanted.type && value.data == wanted.data) {
        return std::string();
    }
    return line(check) + "expect value " + check.name + " sz " + quoted(check.text) + ": found " +
           found;
}

std::string checkOne(const Scenario& scenario, const ResultCheck& check,
                     const CallOutcome& outcome) {
    switch (check.kind) {
    case ResultCheck::Kind::kResult:
        return outcome.word == check.text
                   ? std::string()
                   : line(check) + "expect result " + check.text + ": the result was " +
                         (outcome.word.empty() ? "not set" : quoted(outcome.word));
    case ResultCheck::Kind::kMessage:
        return checkMessages(scenario, outcome);
    case ResultCheck::Kind::kNoMessage:
        return outcome.messages.empty()
                   ? std::string()
                   : line(check) + "expect no-message: " + messageList(outcome.messages);
    case ResultCheck::Kind::kValueSz:
    case ResultCheck::Kind::kValueMissing:
        return checkValue(scenario, check);
    case ResultCheck::Kind::kRegistryUnchanged: {
        std::string difference =
            checkUnchanged(outcome.before, RegistryStage::snapshot(scenario.service));
        return difference.empty() ? difference
                                  : line(check) + "expect registry unchanged: " + difference;
    }
    }
    return std::string();
}

} // namespace

std::string firstDifference(const Scenario& scenario, const CallOutcome& outcome) {
    for (const ResultCheck& check : scenario.checks) {
        std::string difference = checkOne(scenario, check, outcome);
        if (!difference.empty()) {
            return difference;
        }
    }
    return std::string();
}

} // namespace scenario
