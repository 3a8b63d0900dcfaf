// The framework's message box: what the test hook receives, and the real box with its
// owner, caption and text, answered by a button.
#include "FrameTestResources.h"

#include "framework/AfxMessageBox.h"
#include "framework/CWinApp.h"
#include "framework/MessageBoxHook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FrameworkMessageBox, HookReceivesTextTypeAndCaptionAndAnswers) {
    CWinApp app;
    std::vector<std::wstring> seen;
    AfxSetMessageBoxHook([&](const CString& text, UINT nType, const CString& caption) {
        seen.push_back(static_cast<const wchar_t*>(text));
        seen.push_back(std::to_wstring(nType));
        seen.push_back(static_cast<const wchar_t*>(caption));
        return IDNO;
    });
    EXPECT_EQ(AfxMessageBox(L"終了しますか？\n本当に", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(ID_TEST_APP), IDNO);
    AfxSetMessageBoxHook(nullptr);

    EXPECT_EQ(seen, (std::vector<std::wstring>{L"終了しますか？\n本当に", std::to_wstring(MB_YESNO),
                                               L"Wendrake Tests", L"App prompt\nApp tip",
                                               std::to_wstring(MB_OK), L"Wendrake Tests"}));
}

// What a box showed, read when it became active, before it is answered with kAnswer.
struct ShownBox {
    std::wstring caption, text;
    HWND hOwner = nullptr;
};
ShownBox g_shownBox;
HHOOK g_hHook = nullptr;
bool g_bAnswered = false;
const int kAnswer = IDNO;

LRESULT CALLBACK AnswerBox(int nCode, WPARAM wParam, LPARAM lParam) {
    wchar_t buffer[256] = {};
    HWND hBox = reinterpret_cast<HWND>(wParam);
    // Only the first activation: the owner is activated again once the box has gone.
    if (nCode == HCBT_ACTIVATE && !g_bAnswered) {
        g_bAnswered = true;
        GetWindowTextW(hBox, buffer, 256);
        g_shownBox.caption = buffer;
        GetDlgItemTextW(hBox, 0xFFFF, buffer, 256);
        g_shownBox.text = buffer;
        g_shownBox.hOwner = GetWindow(hBox, GW_OWNER);
        PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(kAnswer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hBox, kAnswer)));
    }
    return CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

TEST(FrameworkMessageBox, RealBoxIsOwnedByTheMainWindowAndCaptionedWithTheApplicationsName) {
    CWinApp app;
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, AfxRegisterWndClass(0), L"main", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                 200, nullptr, nullptr));
    app.m_pMainWnd = &mainWnd;

    g_bAnswered = false;
    g_hHook = SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
    const int nAnswer = AfxMessageBox(L"C:\\パス\\ファイル.exe\n見つかりません。", MB_YESNO);
    UnhookWindowsHookEx(g_hHook);

    EXPECT_EQ(nAnswer, kAnswer);
    EXPECT_EQ(g_shownBox.caption, L"Wendrake Tests");
    EXPECT_EQ(g_shownBox.text, L"C:\\パス\\ファイル.exe\n見つかりません。");
    EXPECT_EQ(g_shownBox.hOwner, mainWnd.m_hWnd);

    // While the main window has a dialog open, the box waits above the dialog.
    mainWnd.ShowWindow(SW_SHOW);
    HWND hDialog = CreateWindowExW(0, L"#32770", L"dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0,
                                   0, 200, 100, mainWnd.m_hWnd, nullptr, nullptr, nullptr);
    SetActiveWindow(hDialog);
    g_bAnswered = false;
    g_hHook = SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
    AfxMessageBox(L"second");
    UnhookWindowsHookEx(g_hHook);
    EXPECT_EQ(g_shownBox.text, L"second");
    EXPECT_EQ(g_shownBox.hOwner, hDialog);
    DestroyWindow(hDialog);
    app.m_pMainWnd = nullptr;
}

} // namespace
