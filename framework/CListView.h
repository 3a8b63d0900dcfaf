// A view that is a list-view control ("SysListView32"), with the list control's operations
// on the view's own window.
#pragma once

#include "CCtrlView.h"

class CListCtrl;

class CListView : public CCtrlView {
public:
    CListView();

    // The view's window seen as a list control: CListCtrl adds no data to CWnd, so the view
    // object can stand for one.
    CListCtrl& GetListCtrl() const;
};
