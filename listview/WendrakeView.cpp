#include "listview/WendrakeView.h"

#include "framework/CListCtrl.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CWendrakeView)

BEGIN_MESSAGE_MAP(CWendrakeView, CListView)
ON_COMMAND(ID_SHORTCUT_DELETE, DeleteSelectedShortcuts)
ON_COMMAND(ID_SHORTCUT_SELECTALL, SelectAllShortcuts)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
ON_WM_DESTROY()
ON_MESSAGE(WM_HOTKEY, OnHotKey)
END_MESSAGE_MAP()

CWendrakeView::CWendrakeView() : m_nNextId(0), m_nSortState{2, 2, 2, 2, 2, 2}, m_bEnabled(true) {}

CWendrakeView::~CWendrakeView() = default;

void CWendrakeView::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    LoadShortcuts();
}

void CWendrakeView::OnDraw(CDC*) {}

void CWendrakeView::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    SortShortcuts(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
}

void CWendrakeView::OnDestroy() {
    SaveShortcuts();
    CListView::OnDestroy();
}
