// Sizes made for 96 DPI follow the window's DPI: the column widths, the tool bar's pictures and
// the rows' icons, at start and when the window moves to a screen of another DPI.
#include "ProgramTest.h"

#include <commctrl.h>

namespace {

class Dpi : public ProgramTest {
protected:
    void ExpectSizesFor(int nDpi) {
        RECT rc;
        GetClientRect(View(), &rc);
        EXPECT_EQ(ListView_GetColumnWidth(View(), 0), 160 * nDpi / 96);
        EXPECT_EQ(ListView_GetColumnWidth(View(), 1), rc.right - 240 * nDpi / 96);
        EXPECT_EQ(ListView_GetColumnWidth(View(), 2), 80 * nDpi / 96);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(ListView_GetImageList(View(), LVSIL_SMALL), &cx, &cy);
        EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(16 * nDpi / 96, 16 * nDpi / 96));
        HWND hToolBar = GetDlgItem(Frame(), AFX_IDW_TOOLBAR);
        ImageList_GetIconSize(
            reinterpret_cast<HIMAGELIST>(SendMessageW(hToolBar, TB_GETIMAGELIST, 0, 0)), &cx, &cy);
        EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(16 * nDpi / 96, MulDiv(15, nDpi, 96)));
        EXPECT_EQ(SendMessageW(hToolBar, TB_BUTTONCOUNT, 0, 0), 3);
    }
};

// Runs only as the child of the case below, in a process that started at 144 DPI.
TEST_F(Dpi, DISABLED_At144) {
    ASSERT_TRUE(Start());
    ExpectSizesFor(144);
}

TEST_F(Dpi, SizesFollowTheDpiAtStartAndWhenItChanges) {
    ASSERT_TRUE(Start());
    ExpectSizesFor(96);
    RECT rcSuggested = {0, 0, 1200, 900};
    SendMessageW(Frame(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&rcSuggested));
    RECT rc;
    GetWindowRect(Frame(), &rc);
    EXPECT_EQ(rc.right - rc.left, 1200) << "the suggested rectangle is taken";
    ExpectSizesFor(192);

    // The system's DPI is read when a process starts.
    const DWORD dw144 = 144;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD,
                              &dw144, sizeof dw144),
              ERROR_SUCCESS);
    wchar_t szExe[MAX_PATH];
    GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring commandLine =
        std::wstring(L"\"") + szExe +
        L"\" --gtest_filter=Dpi.DISABLED_At144 --gtest_also_run_disabled_tests";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    // The single-instance lock is this process's: the child needs it.
    Exit();
    const BOOL bStarted = CreateProcessW(szExe, &commandLine[0], nullptr, nullptr, FALSE, 0,
                                         nullptr, nullptr, &startup, &child);
    if (bStarted)
        WaitForSingleObject(child.hProcess, 60000);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    ASSERT_TRUE(bStarted);
    DWORD dwExitCode = 1;
    GetExitCodeProcess(child.hProcess, &dwExitCode);
    EXPECT_EQ(dwExitCode, 0u) << "the case at 144 DPI failed: see its output above";
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
}

} // namespace
