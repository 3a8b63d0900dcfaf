// A set of same-sized pictures, such as a list control's row icons. The object owns its image
// list and destroys it with itself; a list control given it with CListCtrl::SetImageList only
// shows it.
#pragma once

#include <windows.h>

#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Cuts the bitmap resource into images cx pixels wide; pixels of crMask are transparent.
    // nGrow is how many images the list grows by when more are added. Replaces any list held.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }

    HIMAGELIST m_hImageList = nullptr;
};
