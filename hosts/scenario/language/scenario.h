// One scenario: the registry before a call of TVXConfigEntryPoint, what the person does at the
// dialog, and what must hold during and after the call. Plain data, filled by ScenarioParser.
#pragma once

#include <string>
#include <vector>

namespace scenario {

enum class ValueType { kSz, kDword, kBinary };

// A value created under Parameters before the call.
struct SetupValue {
    std::string name;
    ValueType type = ValueType::kSz;
    std::vector<unsigned char> data; // the bytes as stored (text with its NUL, little-endian...)
};

enum class Button { kOk, kCancel, kDefaults, kPresent, kNotPresent };
enum class Key { kEnter, kEscape, kF1 };
enum class EditorKind { kList, kNumber, kText };
enum class RadioState { kPresent, kNotPresent, kHidden };

// An action of the person, or a check of the controls at that moment.
struct Step {
    enum class Kind {
        kSelect,       // text: the list label
        kChoose,       // text: the combo label
        kType,         // text: what is typed
        kClick,        // button
        kSpin,         // up
        kPress,        // key
        kClose,        //
        kExpectEditor, // editor, text, enabled
        kExpectRadios  // radios
    };
    Kind kind = Kind::kClose;
    int line = 0;
    std::string text;
    Button button = Button::kOk;
    bool up = true;
    Key key = Key::kEnter;
    EditorKind editor = EditorKind::kList;
    bool enabled = true;
    RadioState radios = RadioState::kHidden;
};

// What must hold after the call returns.
struct ResultCheck {
    enum class Kind {
        kResult,           // text: "OK", "Cancel" or "Error"
        kMessage,          // text, caption: the next message box shown
        kNoMessage,        //
        kValueSz,          // name, text
        kValueMissing,     // name
        kRegistryUnchanged //
    };
    Kind kind = Kind::kResult;
    int line = 0;
    std::string name;
    std::string text;
    std::string caption;
};

struct Scenario {
    std::string file; // as named on the command line
    std::string name; // the file's name without directory and ".scn"
    std::string service = "Veloxa";
    bool parametersKey = true; // false: the service key exists without Parameters
    std::vector<SetupValue> values;
    std::vector<Step> steps;
    std::vector<ResultCheck> checks;
};

// "select \"Media Type\"", for messages naming a step.
std::string describe(const Step& step);

} // namespace scenario
