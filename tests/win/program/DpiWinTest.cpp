// Sizes made for 96 DPI follow the window's DPI: the column widths, the rows' icons, the tool
// bar's pictures and the text's font, once shown and when the window moves to a screen of
// another DPI. The test run sets its screens to 144 DPI (scripts/test).
#include "ProgramTest.h"

#include <windowsx.h>

namespace {

using Dpi = ProgramTest;

int FontHeight(HWND hWnd) {
    LOGFONTW font = {};
    GetObjectW(GetWindowFont(hWnd), sizeof font, &font);
    return font.lfHeight;
}

// The key column's width, the width left to the file column, the arguments column's width, the
// rows' icon size, the tool bar's picture size, and the font heights of the list, the status
// bar and the tool bar's tips.
std::wstring Sizes(HWND hFrame, HWND hView) {
    RECT rc;
    GetClientRect(hView, &rc);
    int cxIcon = 0, cyIcon = 0, cxPicture = 0, cyPicture = 0;
    ImageList_GetIconSize(ListView_GetImageList(hView, LVSIL_SMALL), &cxIcon, &cyIcon);
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(
                              SendDlgItemMessageW(hFrame, AFX_IDW_TOOLBAR, TB_GETIMAGELIST, 0, 0)),
                          &cxPicture, &cyPicture);
    return Joined(ListView_GetColumnWidth(hView, 0), rc.right - ListView_GetColumnWidth(hView, 1),
                  ListView_GetColumnWidth(hView, 2), cxIcon, cyIcon, cxPicture, cyPicture,
                  FontHeight(hView), FontHeight(GetDlgItem(hFrame, AFX_IDW_STATUS_BAR)),
                  FontHeight(reinterpret_cast<HWND>(
                      SendDlgItemMessageW(hFrame, AFX_IDW_TOOLBAR, TB_GETTOOLTIPS, 0, 0))));
}

void ChangeDpi(HWND hFrame, UINT nDpi) {
    RECT rcSuggested = {0, 0, 1200, 900};
    SendMessageW(hFrame, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi),
                 reinterpret_cast<LPARAM>(&rcSuggested));
}

TEST_F(Dpi, SizesFollowTheDpiWhenShownAndWhenItChanges) {
    ASSERT_TRUE(Start());
    ShowAndFocus();
    EXPECT_EQ(Sizes(Frame(), View()), L"240|360|120|24|24|24|23|-17|-17|-17") << "at 144 DPI";
    ChangeDpi(Frame(), 192);
    RECT rc;
    GetWindowRect(Frame(), &rc);
    EXPECT_EQ(rc.right - rc.left, 1200) << "the suggested rectangle is taken";
    EXPECT_EQ(Sizes(Frame(), View()), L"320|480|160|32|32|32|30|-22|-22|-22") << "at 192 DPI";

    // Each font the controls had is gone once they have another.
    std::vector<HFONT> fonts;
    for (int i = 0; i < 20; ++i) {
        fonts.push_back(GetWindowFont(View()));
        ChangeDpi(Frame(), i % 2 ? 192 : 144);
    }
    for (HFONT hFont : fonts)
        EXPECT_EQ(GetObjectType(hFont), 0u) << "a font left behind";
    EXPECT_EQ(GetObjectType(GetWindowFont(View())), static_cast<DWORD>(OBJ_FONT));
}

} // namespace
