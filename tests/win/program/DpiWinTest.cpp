// Sizes made for 96 DPI follow the window's DPI: the column widths, the rows' icons and the tool
// bar's pictures, once shown and when the window moves to a screen of another DPI. The test run
// sets its screens to 144 DPI (scripts/test).
#include "ProgramTest.h"

namespace {

using Dpi = ProgramTest;

// The key column's width, the width left to the file column, the arguments column's width, the
// rows' icon size and the tool bar's picture size.
std::wstring Sizes(HWND hFrame, HWND hView) {
    RECT rc;
    GetClientRect(hView, &rc);
    int cxIcon = 0, cyIcon = 0, cxPicture = 0, cyPicture = 0;
    ImageList_GetIconSize(ListView_GetImageList(hView, LVSIL_SMALL), &cxIcon, &cyIcon);
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(
                              SendDlgItemMessageW(hFrame, AFX_IDW_TOOLBAR, TB_GETIMAGELIST, 0, 0)),
                          &cxPicture, &cyPicture);
    return Joined(ListView_GetColumnWidth(hView, 0), rc.right - ListView_GetColumnWidth(hView, 1),
                  ListView_GetColumnWidth(hView, 2), cxIcon, cyIcon, cxPicture, cyPicture);
}

TEST_F(Dpi, SizesFollowTheDpiWhenShownAndWhenItChanges) {
    ASSERT_TRUE(Start());
    ShowAndFocus();
    EXPECT_EQ(Sizes(Frame(), View()), L"240|360|120|24|24|24|23") << "at 144 DPI";
    RECT rcSuggested = {0, 0, 1200, 900};
    SendMessageW(Frame(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&rcSuggested));
    RECT rc;
    GetWindowRect(Frame(), &rc);
    EXPECT_EQ(rc.right - rc.left, 1200) << "the suggested rectangle is taken";
    EXPECT_EQ(Sizes(Frame(), View()), L"320|480|160|32|32|32|30") << "at 192 DPI";
}

} // namespace
