// One scenario: the registry before a call of TVXConfigEntryPoint, what the person does at the
// dialog, and what must hold during and after the call. Plain data, filled by ScenarioParser.
#pragma once

#include <string>
#include <vector>

namespace scenario {

enum class ValueType { Sz, Dword, Binary };

// A value created under Parameters before the call.
struct SetupValue {
    std::string name;
    ValueType type = ValueType::Sz;
    std::vector<unsigned char> data; // the bytes as stored (text with its NUL, little-endian...)
};

enum class Button { Ok, Cancel, Defaults, Present, NotPresent };
enum class Key { Enter, Escape, F1 };
enum class EditorKind { List, Number, Text };
enum class RadioState { Present, NotPresent, Hidden };

// An action of the person, or a check of the controls at that moment.
struct Step {
    enum class Kind {
        Select,       // text: the list label
        Choose,       // text: the combo label
        Type,         // text: what is typed
        Click,        // button
        Spin,         // up
        Press,        // key
        Close,        //
        ExpectEditor, // editor, text, enabled
        ExpectRadios  // radios
    };
    Kind kind = Kind::Close;
    int line = 0;
    std::string text;
    Button button = Button::Ok;
    bool up = true;
    Key key = Key::Enter;
    EditorKind editor = EditorKind::List;
    bool enabled = true;
    RadioState radios = RadioState::Hidden;
};

// What must hold after the call returns.
struct ResultCheck {
    enum class Kind {
        Result,           // text: "OK", "Cancel" or "Error"
        Message,          // text, caption: the next message box shown
        NoMessage,        //
        ValueSz,          // name, text
        ValueMissing,     // name
        RegistryUnchanged //
    };
    Kind kind = Kind::Result;
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
