#include "CImageList.h"

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    DeleteImageList();
    // A DIB section keeps the bitmap's own colour depth, so a 16-colour bitmap gives a
    // 16-colour list.
    m_hImageList = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapID), cx,
                                        nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList)
        return FALSE;
    const BOOL bDestroyed = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return bDestroyed;
}
