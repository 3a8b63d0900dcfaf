// A view that is a list-view control ("SysListView32"), with the list control's operations
// on the view's own window.
#pragma once

#include "CCtrlView.h"
#include "CListCtrl.h"

class CListView : public CCtrlView {
public:
    CListView();

    CListCtrl GetListCtrl() const { return CListCtrl(m_hWnd); }
};
