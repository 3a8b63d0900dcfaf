// Image lists cut from a bitmap resource, and who destroys them when a list control shows them.
#include "DialogTestResources.h"

#include "framework/CImageList.h"
#include "framework/CListCtrl.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kLime = RGB(0, 255, 0);
const COLORREF kBackground = RGB(0, 0, 255);

// Draws one image over a blue background and reads back two pixels: one from the image's left
// half (mask colour in the bitmap) and one from its right half.
void DrawnPixels(const CImageList& list, int nImage, COLORREF& left, COLORREF& right) {
    HDC hScreen = GetDC(nullptr);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 8, 8);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    HBRUSH hBrush = CreateSolidBrush(kBackground);
    const RECT all = {0, 0, 8, 8};
    FillRect(hDC, &all, hBrush);
    ImageList_Draw(list.m_hImageList, nImage, hDC, 0, 0, ILD_TRANSPARENT);
    left = GetPixel(hDC, 1, 1);
    right = GetPixel(hDC, 6, 6);
    DeleteObject(hBrush);
    SelectObject(hDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    ReleaseDC(nullptr, hScreen);
}

TEST(ImageList, CutFromABitmapWithTheMaskColourTransparent) {
    CImageList list;
    ASSERT_TRUE(list.Create(IDB_TEST_STRIP, 8, 1, kLime));
    EXPECT_EQ(list.GetImageCount(), 5) << "a 40 pixel wide strip in images 8 wide";
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.m_hImageList, &cx, &cy));
    EXPECT_EQ(cx, 8);
    EXPECT_EQ(cy, 8);

    COLORREF left = 0, right = 0;
    DrawnPixels(list, 0, left, right);
    EXPECT_EQ(left, kBackground);
    EXPECT_EQ(right, RGB(255, 0, 0));
    DrawnPixels(list, 4, left, right);
    EXPECT_EQ(left, kBackground);
    EXPECT_EQ(right, kBackground) << "blue, the background's colour, but not transparent";
}

TEST(ImageList, MissingBitmapLeavesNoList) {
    CImageList list;
    EXPECT_FALSE(list.Create(0x7FFF, 8, 1, kLime));
    EXPECT_EQ(list.m_hImageList, nullptr);
    EXPECT_EQ(list.GetImageCount(), 0);
}

TEST(ImageList, OutlivesTheListControlThatShowedIt) {
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_TEST_STRIP, 8, 1, kLime));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                nullptr));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, {0, 0, 100, 100}, &parent, 1));
    list.SetImageList(&images, LVSIL_SMALL);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL)),
              images.m_hImageList);

    parent.DestroyWindow();
    EXPECT_EQ(ImageList_GetImageCount(images.m_hImageList), 5);
    EXPECT_TRUE(images.DeleteImageList()) << "destroyed once, by its owner";
}

} // namespace
