// A tool bar: a row of command buttons loaded from a TOOLBARDESC resource (button width and
// height, the number of entries, then one command id per entry, 0 for a separator) and the
// bitmap of the same id, one image per button in order.
#pragma once

#include "CControlBar.h"
#include "StandardIds.h"

#include <commctrl.h>

class CToolBar : public CControlBar {
public:
    // dwCtrlStyle holds TBSTYLE_ flags, dwStyle the window style and the CBRS_ flags;
    // rcBorders is extra room around the buttons.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, const RECT& rcBorders = {},
                  UINT nID = AFX_IDW_TOOLBAR);
    BOOL LoadToolBar(UINT nIDResource);

    int CalcHeight() override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    RECT NonClientInsets() const override;

private:
    RECT m_rcBorders = {};
};
