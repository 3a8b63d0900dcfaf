#include "CListView.h"

#include <commctrl.h>

CListView::CListView() : CCtrlView(WC_LISTVIEWW, AFX_WS_DEFAULT_VIEW) {}

CListCtrl& CListView::GetListCtrl() const {
    return *reinterpret_cast<CListCtrl*>(const_cast<CListView*>(this));
}
