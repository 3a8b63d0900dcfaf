// The list window as the user meets it: the whole frame from the program's resources, with
// its menus, tool bar, accelerators and notification-area icon, driven by real input.
#include "app/MainFrame.h"
#include "app/WendrakeDoc.h"
#include "framework/CListCtrl.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CWinApp.h"
#include "framework/MessageBoxHook.h"
#include "listview/WendrakeView.h"
#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"
#include "support/RecorderOutput.h"
#include "support/ScratchRegistryKey.h"
#include "support/SyntheticInput.h"
#include "support/TestWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

class ListWindow : public ::testing::Test {
protected:
    void SetUp() override {
        const CString path = m_scratch.Path();
        m_app.SetRegistryKey(static_cast<const wchar_t*>(path) + wcslen(L"Software\\"));
        AfxSetMessageBoxHook([this](const CString& text, UINT, const CString&) {
            m_boxes.push_back(text);
            return IDOK;
        });
        m_app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CWendrakeDoc),
                                                    RUNTIME_CLASS(CMainFrame),
                                                    RUNTIME_CLASS(CWendrakeView)));
        m_app.m_nCmdShow = SW_SHOWNORMAL;
        m_app.OnFileNew();
        m_pFrame = dynamic_cast<CMainFrame*>(m_app.m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pView = dynamic_cast<CWendrakeView*>(m_pFrame->GetActiveView());
        ASSERT_NE(m_pView, nullptr);
    }
    void TearDown() override {
        // Not the main window any more, so its end does not end the test's message loop.
        m_app.m_pMainWnd = nullptr;
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        AfxSetMessageBoxHook(nullptr);
    }

    CListCtrl& List() { return m_pView->GetListCtrl(); }
    void AddRows(int nCount) {
        for (int i = 0; i < nCount; ++i)
            ASSERT_TRUE(m_pView->AddShortcut(i % 4, L"C:\\t", L"", MOD_CONTROL | MOD_SHIFT,
                                             static_cast<unsigned>('A' + i)));
    }
    void Select(std::initializer_list<int> items) {
        List().SetItemState(-1, 0, LVIS_SELECTED);
        for (int i : items)
            List().SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    // Messages go through the application's own filter first, as in its message loop, so
    // that accelerators are translated.
    void Pump(DWORD milliseconds) {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (GetTickCount64() < end) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!m_app.PreTranslateMessage(&msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageW(&msg);
                }
            }
            Sleep(5);
        }
    }
    // MF_GRAYED / MF_CHECKED state of the item after the pop-up's update, as the user sees it.
    UINT MenuState(HMENU hMenu, UINT nID) {
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
        return GetMenuState(hMenu, nID, MF_BYCOMMAND);
    }
    HMENU EditMenu() { return GetSubMenu(GetMenu(m_pFrame->m_hWnd), 1); }
    bool ButtonEnabled(UINT nID) {
        m_app.OnIdle(0);
        HWND hToolBar = GetDlgItem(m_pFrame->m_hWnd, AFX_IDW_TOOLBAR);
        return SendMessageW(hToolBar, TB_ISBUTTONENABLED, nID, 0) != 0;
    }
    bool FocusList() {
        m_pFrame->SetForegroundWindow();
        ::SetFocus(m_pView->m_hWnd);
        Pump(50);
        return GetFocus() == m_pView->m_hWnd;
    }

    CWinApp m_app{L"Wendrake"};
    ScratchRegistryKey m_scratch;
    CMainFrame* m_pFrame = nullptr;
    CWendrakeView* m_pView = nullptr;
    std::vector<CString> m_boxes;
};

TEST_F(ListWindow, ReportWithThreeColumnsAndOperationIcons) {
    const DWORD style = m_pView->GetStyle();
    EXPECT_EQ(style & LVS_TYPEMASK, DWORD(LVS_REPORT));
    EXPECT_TRUE(GetWindowLongPtrW(m_pView->m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(List().GetExtendedStyle(), DWORD(LVS_EX_FULLROWSELECT));

    RECT client;
    m_pView->GetClientRect(&client);
    const wchar_t* titles[] = {L"キー", L"実行対象", L"引数"};
    const int widths[] = {160, static_cast<int>(client.right) - 240, 80};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = text;
        column.cchTextMax = 32;
        ASSERT_TRUE(
            SendMessageW(m_pView->m_hWnd, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, titles[i]);
        EXPECT_EQ(column.cx, widths[i]) << "column " << i;
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }

    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(
        SendMessageW(m_pView->m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(hImages, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(hImages), 3) << "so the do-nothing row shows no icon";
    AddRows(4);
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 3;
    ASSERT_TRUE(List().GetItem(&item));
    EXPECT_EQ(item.iImage, OP_NONE);
}

TEST_F(ListWindow, EditMenuAndToolBarFollowTheSelection) {
    EXPECT_TRUE(MenuState(EditMenu(), ID_SHORTCUT_SELECTALL) & MF_GRAYED);
    EXPECT_TRUE(MenuState(EditMenu(), ID_SHORTCUT_DELETE) & MF_GRAYED);
    EXPECT_TRUE(MenuState(EditMenu(), ID_SHORTCUT_EDIT) & MF_GRAYED);
    EXPECT_FALSE(ButtonEnabled(ID_SHORTCUT_DELETE));

    AddRows(3);
    EXPECT_FALSE(MenuState(EditMenu(), ID_SHORTCUT_SELECTALL) & MF_GRAYED);
    EXPECT_TRUE(MenuState(EditMenu(), ID_SHORTCUT_DELETE) & MF_GRAYED);

    Select({1});
    EXPECT_FALSE(MenuState(EditMenu(), ID_SHORTCUT_DELETE) & MF_GRAYED);
    EXPECT_FALSE(MenuState(EditMenu(), ID_SHORTCUT_EDIT) & MF_GRAYED);
    EXPECT_TRUE(ButtonEnabled(ID_SHORTCUT_DELETE));
    EXPECT_TRUE(ButtonEnabled(ID_SHORTCUT_EDIT));

    Select({0, 2});
    EXPECT_FALSE(MenuState(EditMenu(), ID_SHORTCUT_DELETE) & MF_GRAYED);
    EXPECT_TRUE(MenuState(EditMenu(), ID_SHORTCUT_EDIT) & MF_GRAYED);
    EXPECT_TRUE(ButtonEnabled(ID_SHORTCUT_DELETE));
    EXPECT_FALSE(ButtonEnabled(ID_SHORTCUT_EDIT));
}

TEST_F(ListWindow, AcceleratorsWorkOnlyWhileTheirCommandIsEnabled) {
    ASSERT_TRUE(FocusList());
    // Select all on an empty list, delete with nothing selected: dropped, nothing happens.
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'A'));
    ASSERT_TRUE(SendKeyCombination(0, VK_DELETE));
    Pump(150);
    EXPECT_EQ(List().GetItemCount(), 0);

    AddRows(3);
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'A'));
    Pump(150);
    EXPECT_EQ(List().GetSelectedCount(), 3u);

    Select({1});
    ASSERT_TRUE(SendKeyCombination(0, VK_DELETE));
    Pump(150);
    EXPECT_EQ(List().GetItemCount(), 2);
    EXPECT_STREQ(List().GetItemText(1, 0), L"Shift + Ctrl + C");

    Select({0});
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL, 'D'));
    Pump(150);
    EXPECT_EQ(List().GetItemCount(), 1);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ListWindow, ClickOnAColumnHeaderSorts) {
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, L"b", L"", MOD_ALT, 'B'));
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, L"a", L"", MOD_ALT, 'A'));
    HWND hHeader = reinterpret_cast<HWND>(SendMessageW(m_pView->m_hWnd, LVM_GETHEADER, 0, 0));
    RECT rect;
    ASSERT_TRUE(SendMessageW(hHeader, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
    POINT center = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(hHeader, &center);
    m_pFrame->SetForegroundWindow();
    SetCursorPos(center.x, center.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
    Pump(200);
    EXPECT_STREQ(List().GetItemText(0, 1), L"a");
    EXPECT_EQ(m_pView->m_nSortState[1], 0);
    EXPECT_EQ(m_pView->m_nSortState[0], 2);
}

// The tray icon's picture as the screen shows it; ours is the only icon.
std::vector<COLORREF> TrayIconPixels() {
    const std::vector<HWND> icons = TrayIconWindows();
    return icons.size() == 1 ? ScreenPixels(icons.front()) : std::vector<COLORREF>();
}

// The picture once the tray has finished repainting: two looks 100 ms apart agree.
std::vector<COLORREF> SettledTrayIconPixels() {
    std::vector<COLORREF> previous = TrayIconPixels();
    for (int i = 0; i < 30; ++i) {
        PumpFor(100);
        std::vector<COLORREF> current = TrayIconPixels();
        if (!current.empty() && current == previous)
            return current;
        previous = current;
    }
    return {};
}

TEST_F(ListWindow, TrayCommandsSwitchHotKeysAndTheIconsPicture) {
    // Out of the way of the tray, which sits in the screen's top left corner.
    SetWindowPos(m_pFrame->m_hWnd, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HMENU hTray = m_pFrame->m_menuTray.GetSubMenu(0)->m_hMenu;
    EXPECT_TRUE(MenuState(hTray, ID_HOTKEYS_ENABLE) & MF_CHECKED);
    EXPECT_FALSE(MenuState(hTray, ID_HOTKEYS_DISABLE) & MF_CHECKED);
    PumpFor(500); // the tray draws the new icon in its own time
    const std::vector<COLORREF> enabledPicture = SettledTrayIconPixels();
    ASSERT_FALSE(enabledPicture.empty());

    RecorderOutput recorder;
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, RecorderPath(), L"", MOD_ALT, 'W'));

    m_pFrame->SendMessage(WM_COMMAND, ID_HOTKEYS_DISABLE);
    EXPECT_FALSE(m_pView->m_bEnabled);
    EXPECT_FALSE(MenuState(hTray, ID_HOTKEYS_ENABLE) & MF_CHECKED);
    EXPECT_TRUE(MenuState(hTray, ID_HOTKEYS_DISABLE) & MF_CHECKED);
    const std::vector<COLORREF> disabledPicture = SettledTrayIconPixels();
    EXPECT_NE(disabledPicture, enabledPicture) << "the disabled picture is shown";

    ASSERT_TRUE(SendKeyCombination(MOD_ALT, 'W'));
    Pump(300);
    EXPECT_EQ(recorder.Take(0), L"") << "nothing launched";
    TestWindow other;
    EXPECT_FALSE(RegisterHotKey(other.Handle(), 1, MOD_ALT, 'W')) << "still reserved";

    m_pFrame->SendMessage(WM_COMMAND, ID_HOTKEYS_ENABLE);
    EXPECT_TRUE(MenuState(hTray, ID_HOTKEYS_ENABLE) & MF_CHECKED);
    EXPECT_NE(SettledTrayIconPixels(), disabledPicture) << "the enabled picture is back";
    ASSERT_TRUE(SendKeyCombination(MOD_ALT, 'W'));
    EXPECT_NE(recorder.Take(), L"");
    EXPECT_TRUE(m_boxes.empty());
}

} // namespace
