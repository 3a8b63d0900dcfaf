// A status bar of message panes along the bottom of a frame. The control sizes itself from
// its font and lies along the frame's bottom edge.
#pragma once

#include "CControlBar.h"
#include "StandardIds.h"

class CStatusBar : public CControlBar {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One message pane per ID_SEPARATOR, sharing the width equally. Key-state indicators are
    // not offered: any other id gives FALSE.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    BOOL SetPaneText(int nIndex, LPCWSTR lpszNewText);

    int CalcHeight() override;
    // No pane is bound to a command.
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

    void OnSize(UINT nType, int cx, int cy);

protected:
    // The control draws its own edges.
    RECT NonClientInsets() const override { return {}; }

    DECLARE_MESSAGE_MAP()

private:
    void SetPaneWidths(int cx);

    int m_nPanes = 0;
};
