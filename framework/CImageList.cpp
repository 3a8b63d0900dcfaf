#include "CImageList.h"

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    // A DIB section keeps the bitmap's own colour depth, so a 16-colour bitmap gives a
    // 16-colour list.
    HIMAGELIST hImageList =
        ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapID), cx, nGrow,
                             crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (!hImageList)
        return FALSE;
    DeleteImageList();
    m_hImageList = hImageList;
    return TRUE;
}

void CImageList::DeleteImageList() {
    if (m_hImageList)
        ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
}
