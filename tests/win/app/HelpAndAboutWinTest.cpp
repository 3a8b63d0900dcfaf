// The help file, opened through the shell from the tray menu and the main menu, and the About
// box.
#include "MenuScript.h"
#include "ShellFixture.h"

#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"
#include "support/RecorderOutput.h"

#include <string>

namespace {

BOOL CALLBACK CountDialog(HWND hWnd, LPARAM lParam) {
    wchar_t szClass[16] = {};
    GetClassNameW(hWnd, szClass, 16);
    if (IsWindowVisible(hWnd) && wcscmp(szClass, L"#32770") == 0)
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// The message boxes and dialogs this thread has on the screen.
int OpenDialogs() {
    int nCount = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountDialog, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

// For the test's duration the system opens help files with the recorder.
class HelpFilesOpenWithTheRecorder {
public:
    HelpFilesOpenWithTheRecorder() {
        RegOpenKeyExW(HKEY_CLASSES_ROOT, L"chm.file\\shell\\open\\command", 0, KEY_ALL_ACCESS,
                      &m_hKey);
        DWORD cbOld = sizeof m_szOld;
        RegQueryValueExW(m_hKey, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(m_szOld),
                         &cbOld);
        const std::wstring command = L"\"" + std::wstring(RecorderPath()) + L"\" \"%1\"";
        RegSetValueExW(m_hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    ~HelpFilesOpenWithTheRecorder() {
        RegSetValueExW(m_hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_szOld),
                       static_cast<DWORD>((wcslen(m_szOld) + 1) * sizeof(wchar_t)));
        RegCloseKey(m_hKey);
    }

private:
    HKEY m_hKey = nullptr;
    wchar_t m_szOld[MAX_PATH] = {};
};

// A current directory of the test's own, which may hold a help file.
class HelpFolder {
public:
    HelpFolder() {
        GetCurrentDirectoryW(MAX_PATH, m_szPrevious);
        wchar_t szTemp[MAX_PATH];
        GetTempPathW(MAX_PATH, szTemp);
        m_folder = szTemp + std::wstring(L"ヘルプ-") + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_folder.c_str(), nullptr);
        SetCurrentDirectoryW(m_folder.c_str());
    }
    ~HelpFolder() {
        SetCurrentDirectoryW(m_szPrevious);
        DeleteFileW(HelpFile().c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    std::wstring HelpFile() const { return m_folder + L"\\Wendrake.chm"; }
    void PutHelpFile() const {
        CloseHandle(
            CreateFileW(HelpFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    void RemoveHelpFile() const { DeleteFileW(HelpFile().c_str()); }

private:
    wchar_t m_szPrevious[MAX_PATH] = {};
    std::wstring m_folder;
};

using HelpAndAbout = ShellFixture;

TEST_F(HelpAndAbout, HelpOpensTheHelpFileOfTheCurrentFolderAndSaysNothingWithoutOne) {
    HelpFilesOpenWithTheRecorder handler;
    HelpFolder folder;
    RecorderOutput recorder;
    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);

    folder.PutHelpFile();
    MenuScript script;
    script.Arm([](HWND hMenuWnd, HMENU hMenu) { ClickMenuItem(hMenuWnd, hMenu, 4); });
    pFrame->SendMessage(WM_TRAYNOTIFY, kTrayIconId, WM_RBUTTONDOWN);
    ASSERT_TRUE(script.Ran());
    EXPECT_EQ(recorder.Take(),
              L"\"" + std::wstring(RecorderPath()) + L"\" \"" + folder.HelpFile() + L"\"");

    folder.RemoveHelpFile();
    pFrame->SendMessage(WM_COMMAND, ID_HELP); // from the main menu
    PumpFor(300);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(OpenDialogs(), 0);
    EXPECT_EQ(recorder.Take(0), L"");
}

// Reads the About box once it is on the screen, then presses its OK button.
struct AboutBoxReader {
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        wchar_t szClass[16] = {};
        GetClassNameW(hWnd, szClass, 16);
        if (nCode == HCBT_ACTIVATE && wcscmp(szClass, L"#32770") == 0 && s_texts.empty()) {
            s_texts.push_back(Text(hWnd));
            for (HWND hChild = GetWindow(hWnd, GW_CHILD); hChild;
                 hChild = GetWindow(hChild, GW_HWNDNEXT))
                s_texts.push_back(Text(hChild));
            s_hOwner = GetWindow(hWnd, GW_OWNER);
            PostMessageW(GetDlgItem(hWnd, IDOK), BM_CLICK, 0, 0);
        }
        return CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    static std::wstring Text(HWND hWnd) {
        wchar_t szText[128] = {};
        GetWindowTextW(hWnd, szText, 128);
        return szText;
    }

    static HHOOK s_hHook;
    static std::vector<std::wstring> s_texts; // the caption, then each control's text
    static HWND s_hOwner;
};
HHOOK AboutBoxReader::s_hHook = nullptr;
std::vector<std::wstring> AboutBoxReader::s_texts;
HWND AboutBoxReader::s_hOwner = nullptr;

TEST_F(HelpAndAbout, AboutBoxShowsTheVersionAndClosesWithOk) {
    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);
    AboutBoxReader::s_texts.clear();
    AboutBoxReader::s_hHook =
        SetWindowsHookExW(WH_CBT, AboutBoxReader::Hook, nullptr, GetCurrentThreadId());
    pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT); // from the main menu, to the application
    UnhookWindowsHookEx(AboutBoxReader::s_hHook);

    const std::vector<std::wstring>& texts = AboutBoxReader::s_texts;
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], L"Wendrakeのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(texts[2], L"Wendrake Version 1.2");
    EXPECT_EQ(texts[4], L"OK");
    EXPECT_EQ(AboutBoxReader::s_hOwner, pFrame->m_hWnd);
    EXPECT_EQ(OpenDialogs(), 0) << "closed";
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    EXPECT_TRUE(TrayIconPresent(*pFrame, kTrayIconId));
}

} // namespace
