// From a key press to the shell having started the target: the view's handling against the
// platform's floor, a bare window that only registers the hot key and calls ShellExecute.
// Presses are synthesised with SendInput and alternate between the two, so both see the same
// machine; each time runs from the press to the return of the WM_HOTKEY dispatch.
#include "BenchView.h"

#include "framework/MessageBoxHook.h"

#include <commctrl.h>
#include "support/SyntheticInput.h"

#include <shellapi.h>

#include <cstdio>

namespace {

const wchar_t* g_pszTarget = nullptr;

LRESULT CALLBACK FloorWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        ShellExecuteW(nullptr, L"open", g_pszTarget, L"", nullptr, SW_SHOWNORMAL);
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

// Presses the combination and dispatches messages until a WM_HOTKEY has been handled.
double TimePress(UINT nModifiers, UINT nVirtKey) {
    const double t0 = NowMs();
    SendKeyCombination(nModifiers, nVirtKey);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageW(&msg);
        if (msg.message == WM_HOTKEY)
            break;
    }
    return NowMs() - t0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::printf("usage: HotKeyLatencyBench <program to start> [presses]\n");
        return 2;
    }
    g_pszTarget = argv[1];
    const int nPresses = argc > 2 ? _wtoi(argv[2]) : 25;

    CWinApp app(L"Wendrake");
    AfxSetMessageBoxHook([](const CString& text, UINT, const CString&) {
        std::printf("unexpected message: %ls\n", static_cast<const wchar_t*>(text));
        return IDOK;
    });
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                    nullptr, nullptr);
    auto* pView = new BenchView;
    pView->CreateEx(0, L"SysListView32", L"", WS_CHILD | LVS_REPORT, 0, 0, 500, 300, parent.m_hWnd,
                    reinterpret_cast<HMENU>(1));
    // Rows ahead of the pressed one, as in a full list: the lookup walks the table.
    for (unsigned vk = 'A'; vk <= 'Z'; ++vk)
        pView->AddShortcut(OP_OPEN_FILE, g_pszTarget, L"", MOD_CONTROL | MOD_SHIFT, vk);
    pView->AddShortcut(OP_OPEN_FILE, g_pszTarget, L"", MOD_CONTROL | MOD_ALT, 'K');

    WNDCLASSW wc = {};
    wc.lpfnWndProc = FloorWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HotKeyFloor";
    RegisterClassW(&wc);
    HWND hFloor = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    RegisterHotKey(hFloor, 1, MOD_CONTROL | MOD_ALT, 'L');

    std::vector<double> floor, view;
    for (int i = 0; i < nPresses; ++i) {
        floor.push_back(TimePress(MOD_CONTROL | MOD_ALT, 'L'));
        view.push_back(TimePress(MOD_CONTROL | MOD_ALT, 'K'));
    }
    const double floorMs = Median(floor), viewMs = Median(view);
    std::printf("press to ShellExecute returned, median of %d: floor %.2f ms, Wendrake %.2f ms, "
                "ratio %.3f\n",
                nPresses, floorMs, viewMs, viewMs / floorMs);

    UnregisterHotKey(hFloor, 1);
    DestroyWindow(hFloor);
    parent.DestroyWindow();
    return 0;
}
