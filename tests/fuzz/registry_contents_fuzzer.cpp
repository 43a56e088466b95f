// Any registry contents through a whole call: the dialog loads the eight values and the person
// presses OK or Cancel at once. Cancel must leave the registry byte for byte; OK must write
// every value as loading read it, translated to its label and back.
#include "dialog_robot.h"
#include "fuzz_check.h"
#include "fuzzed_registry.h"
#include "module_attachment.h"
#include "saved_values_model.h"
#include "scenario/person/control_input.h"
#include "scenario/person/dialog_ids.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    attachProgramAsModule();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ByteReader input(data, size);
    const bool pressOk = (input.byte() & 1) != 0;
    const FuzzedContents contents = decodeContents(input);
    stageContents(contents);
    const scenario::ParametersSnapshot before = snapshotParameters();

    DialogRobot robot([pressOk](HWND dialog) {
        int button = pressOk ? IDOK : IDCANCEL;
        scenario::postClickAtCentre(GetDlgItem(dialog, button));
        return false;
    });
    const std::string result = robot.call(kFuzzService);
    const scenario::ParametersSnapshot after = snapshotParameters();

    fuzzCheck(!robot.hung(),
              "the dialog did not end after " + std::string(pressOk ? "OK" : "Cancel"));
    if (!contents.parametersKey) {
        fuzzCheck(result == "Error", "a missing key gave " + result);
        fuzzCheck(robot.messages().size() == 1 &&
                      robot.messages()[0].text == "Fatal Error: Registry Key not found",
                  "a missing key was not reported");
        fuzzCheckEmpty(compareSnapshots(before, after));
        return 0;
    }
    fuzzCheck(robot.messages().empty(),
              "a message box was shown: " +
                  (robot.messages().empty() ? "" : robot.messages()[0].text));
    if (!pressOk) {
        fuzzCheck(result == "Cancel", "Cancel gave " + result);
        fuzzCheckEmpty(compareSnapshots(before, after));
        return 0;
    }
    fuzzCheck(result == "OK", "OK gave " + result);
    fuzzCheckEmpty(checkAnySave(after));
    fuzzCheckEmpty(checkSaveOfLoadedValues(contents, after));
    return 0;
}
