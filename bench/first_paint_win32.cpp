// first_paint.exe: how soon the properties dialog first paints after the host calls
// TVXConfigEntryPoint, as the host sees it: from entering the call to the first WM_PAINT that
// the dialog (or one of its controls) takes from its queue, seen by a message hook of the
// host's thread. Beside each call, the same for a bare dialog made from the same template (the
// DLL's resource 107) with a dialog procedure that does nothing: what the dialog manager and
// the controls cost alone. Each dialog is ended once it has painted; one that has not painted
// within kGiveUpMs (its WM_PAINT may never pass the queue where the hook sees it) is ended all
// the same and counted as "no paint", so that a run always ends. Prints every time, both
// medians and their ratio.
//
// usage: first_paint.exe [CALLS]   (20 by default; quorlan.dll is found next to the program)
#include "resources/resource.h"
#include "scenario/run/registry_stage.h"
#include "scenario/run/entry_module.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char kService[] = "QuorlanFirstPaint";
const UINT kGiveUpMs = 5000;

LARGE_INTEGER callStart;
double paintedAfterMs = -1;

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

bool isPropertiesDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, IDC_PROPERTY_LIST) != nullptr;
}

LRESULT CALLBACK onMessage(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_PAINT &&
        paintedAfterMs < 0) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        if (root != nullptr && isPropertiesDialog(root)) {
            paintedAfterMs = millisecondsSince(callStart);
            // Ended directly: the bare dialog's procedure would not act on IDCANCEL.
            EndDialog(root, IDCANCEL);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK endIfDialog(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0)
        EndDialog(window, IDCANCEL);
    return TRUE;
}

// Ends every dialog of this thread (the properties dialog, or a message box over it), found
// among the thread's windows: with no window manager none of them need be the active window.
// The timer repeats until the call returns, so a dialog made after one firing is ended by the
// next.
void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), endIfDialog, 0);
}

INT_PTR CALLBACK doNothing(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

double oneCall(scenario::EntryPoint entry) {
    paintedAfterMs = -1;
    std::vector<char> name(kService, kService + sizeof kService);
    LPSTR argv[] = {name.data(), nullptr};
    LPSTR text = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, kGiveUpMs, giveUp);
    QueryPerformanceCounter(&callStart);
    entry(1, argv, &text);
    KillTimer(nullptr, timer);
    return paintedAfterMs;
}

double oneBareDialog(const DLGTEMPLATE* dialogTemplate) {
    paintedAfterMs = -1;
    UINT_PTR timer = SetTimer(nullptr, 0, kGiveUpMs, giveUp);
    QueryPerformanceCounter(&callStart);
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, nullptr, doNothing, 0);
    KillTimer(nullptr, timer);
    return paintedAfterMs;
}

// The properties template as the DLL carries it.
const DLGTEMPLATE* propertiesTemplate(HMODULE dll) {
    HRSRC found = FindResourceA(dll, MAKEINTRESOURCEA(107), MAKEINTRESOURCEA(5)); // RT_DIALOG
    HGLOBAL loaded = found != nullptr ? LoadResource(dll, found) : nullptr;
    return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : 20;
    scenario::EntryModule module;
    std::string error;
    scenario::Scenario setup;
    setup.service = kService;
    if (!module.load(scenario::EntryModule::defaultPath(), &error) ||
        !scenario::RegistryStage(true).prepare(setup, &error)) {
        std::fprintf(stderr, "first_paint: %s\n", error.c_str());
        return 2;
    }
    const DLGTEMPLATE* bare = propertiesTemplate(GetModuleHandleA("quorlan.dll"));
    if (bare == nullptr) {
        std::fprintf(stderr, "first_paint: quorlan.dll has no dialog 107\n");
        return 2;
    }
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, onMessage, nullptr, GetCurrentThreadId());
    std::vector<double> product, alone;
    for (int i = 0; i < calls; ++i) {
        double ms = oneCall(module.entryPoint());
        double bareMs = oneBareDialog(bare);
        std::printf("call %2d: %s%.1f ms   bare dialog: %s%.1f ms\n", i + 1,
                    ms < 0 ? "no paint, " : "", ms, bareMs < 0 ? "no paint, " : "", bareMs);
        if (ms >= 0 && bareMs >= 0) {
            product.push_back(ms);
            alone.push_back(bareMs);
        }
    }
    UnhookWindowsHookEx(hook);
    if (product.empty())
        return 1;
    std::printf("median of %zu calls: %.1f ms; bare dialog %.1f ms; ratio %.2f\n", product.size(),
                median(product), median(alone), median(product) / median(alone));
    return 0;
}
