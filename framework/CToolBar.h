// A tool bar: a row of command buttons loaded from a tool-bar resource (RT_TOOLBAR: format
// version 1, then the pictures' width and height, the number of entries and one command id per
// entry, 0 for a separator) and the bitmap of the same id, one picture per button in order.
#pragma once

#include "CControlBar.h"
#include "CImageList.h"
#include "StandardIds.h"

#include <commctrl.h>

// The resource type of tool bars, which the system headers do not name.
#define RT_TOOLBAR MAKEINTRESOURCEW(241)

class CToolBar : public CControlBar {
public:
    // dwCtrlStyle holds TBSTYLE_ flags, dwStyle the window style and the CBRS_ flags;
    // rcBorders is extra room around the buttons.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, const RECT& rcBorders = {},
                  UINT nID = AFX_IDW_TOOLBAR);
    BOOL LoadToolBar(UINT nIDResource);
    // Replaces the buttons' pictures with those of bitmap nIDBitmap, each cx by cy pixels; its
    // silver is the button's own face.
    BOOL SetPictures(UINT nIDBitmap, int cx, int cy);

    int CalcHeight() override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    RECT NonClientInsets() const override;

private:
    RECT m_rcBorders = {};
    CImageList m_pictures;
};
