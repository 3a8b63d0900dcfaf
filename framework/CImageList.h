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
    // nGrow is how many images the list grows by when more are added. On success the new list
    // replaces the one held, which is destroyed: whoever shows it must be given the new one.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

private:
    void DeleteImageList();

    HIMAGELIST m_hImageList = nullptr;
};
