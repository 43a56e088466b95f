// first_paint.exe: how soon the properties dialog first paints after the host calls
// TVXConfigEntryPoint, as the host sees it: from entering the call to the first WM_PAINT that
// the dialog (or one of its controls) takes from its queue, seen by a message hook of the
// host's thread. Each dialog is cancelled once it has painted. Prints every call's time and
// the median.
//
// usage: first_paint.exe [CALLS]   (20 by default; quorlan.dll is found next to the program)
#include "scenario/RegistryStage.h"
#include "tvxhost/DllModule.h"

#include <algorithm>
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
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, 1095) != nullptr;
}

LRESULT CALLBACK onMessage(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_PAINT &&
        paintedAfterMs < 0) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        if (root != nullptr && isPropertiesDialog(root)) {
            paintedAfterMs = millisecondsSince(callStart);
            PostMessageA(root, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A dialog that never paints is cancelled, so that the program always ends.
void CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = GetActiveWindow();
    if (dialog != nullptr && isPropertiesDialog(dialog))
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
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

} // namespace

int main(int argc, char** argv) {
    const int calls = argc > 1 ? std::atoi(argv[1]) : 20;
    DllModule module;
    std::string error;
    scenario::Scenario setup;
    setup.service = kService;
    if (!module.load("quorlan.dll", &error) ||
        !scenario::RegistryStage(true).prepare(setup, &error)) {
        std::fprintf(stderr, "first_paint: %s\n", error.c_str());
        return 2;
    }
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, onMessage, nullptr, GetCurrentThreadId());
    std::vector<double> times;
    for (int i = 0; i < calls; ++i) {
        double ms = oneCall(module.entryPoint());
        std::printf("call %2d: %s%.1f ms\n", i + 1, ms < 0 ? "no paint, " : "", ms);
        if (ms >= 0)
            times.push_back(ms);
    }
    UnhookWindowsHookEx(hook);
    if (times.empty())
        return 1;
    std::sort(times.begin(), times.end());
    std::printf("median of %zu calls: %.1f ms\n", times.size(), times[times.size() / 2]);
    return 0;
}
