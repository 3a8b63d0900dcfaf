// Sizes made for 96 DPI follow the window's DPI: the column widths, the tool bar's pictures and
// the rows' icons, at start and when the window moves to a screen of another DPI. The test run
// sets its screens to 144 DPI (scripts/test).
#include "ProgramTest.h"

namespace {

using Dpi = ProgramTest;

void ExpectSizesFor(HWND hFrame, HWND hView, int nDpi) {
    RECT rc;
    GetClientRect(hView, &rc);
    EXPECT_EQ(ListView_GetColumnWidth(hView, 0), 160 * nDpi / 96);
    EXPECT_EQ(ListView_GetColumnWidth(hView, 1), rc.right - 240 * nDpi / 96);
    EXPECT_EQ(ListView_GetColumnWidth(hView, 2), 80 * nDpi / 96);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(ListView_GetImageList(hView, LVSIL_SMALL), &cx, &cy);
    EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(16 * nDpi / 96, 16 * nDpi / 96));
    HWND hToolBar = GetDlgItem(hFrame, AFX_IDW_TOOLBAR);
    ImageList_GetIconSize(
        reinterpret_cast<HIMAGELIST>(SendMessageW(hToolBar, TB_GETIMAGELIST, 0, 0)), &cx, &cy);
    EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(16 * nDpi / 96, MulDiv(15, nDpi, 96)));
    EXPECT_EQ(SendMessageW(hToolBar, TB_BUTTONCOUNT, 0, 0), 3);
}

TEST_F(Dpi, SizesFollowTheDpiAtStartAndWhenItChanges) {
    HDC hScreen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(hScreen, LOGPIXELSX), 144) << "the test run's screens";
    ReleaseDC(nullptr, hScreen);
    ASSERT_TRUE(Start());
    ExpectSizesFor(Frame(), View(), 144);
    RECT rcSuggested = {0, 0, 1200, 900};
    SendMessageW(Frame(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&rcSuggested));
    RECT rc;
    GetWindowRect(Frame(), &rc);
    EXPECT_EQ(rc.right - rc.left, 1200) << "the suggested rectangle is taken";
    ExpectSizesFor(Frame(), View(), 192);
}

} // namespace
