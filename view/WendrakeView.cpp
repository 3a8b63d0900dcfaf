#include "listview/WendrakeView.h"

#include "app/MainFrame.h"
#include "framework/CCmdUI.h"
#include "framework/CListCtrl.h"
#include "framework/CWinApp.h"
#include "framework/ResourceString.h"
#include "res/resource.h"

#include <shellapi.h>

IMPLEMENT_DYNCREATE(CWendrakeView)

BEGIN_MESSAGE_MAP(CWendrakeView, CListView)
ON_COMMAND(ID_SHORTCUT_DELETE, DeleteSelectedShortcuts)
ON_UPDATE_COMMAND_UI(ID_SHORTCUT_DELETE, OnUpdateShortcutDelete)
ON_COMMAND(ID_SHORTCUT_SELECTALL, SelectAllShortcuts)
ON_UPDATE_COMMAND_UI(ID_SHORTCUT_SELECTALL, OnUpdateShortcutSelectAll)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
ON_WM_DESTROY()
ON_COMMAND(ID_HOTKEYS_ENABLE, OnHotKeysEnable)
ON_UPDATE_COMMAND_UI(ID_HOTKEYS_ENABLE, OnUpdateHotKeysEnable)
ON_COMMAND(ID_HOTKEYS_DISABLE, OnHotKeysDisable)
ON_UPDATE_COMMAND_UI(ID_HOTKEYS_DISABLE, OnUpdateHotKeysDisable)
ON_UPDATE_COMMAND_UI(ID_SHORTCUT_EDIT, OnUpdateShortcutEdit)
ON_MESSAGE(WM_HOTKEY, OnHotKey)
END_MESSAGE_MAP()

CWendrakeView::CWendrakeView() : m_nNextId(0), m_nSortState{2, 2, 2, 2, 2, 2}, m_bEnabled(true) {}

CWendrakeView::~CWendrakeView() = default;

BOOL CWendrakeView::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style |= LVS_REPORT;
    cs.dwExStyle |= WS_EX_ACCEPTFILES; // files dropped on the list become shortcuts
    return CListView::PreCreateWindow(cs);
}

void CWendrakeView::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    // The widths are for 96 dots per inch; the target column takes what the others leave.
    HDC hDC = ::GetDC(m_hWnd);
    const int nDpi = GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(m_hWnd, hDC);
    RECT rect;
    GetClientRect(&rect);
    list.InsertColumn(0, AfxLoadString(IDS_COLUMN_KEY), LVCFMT_LEFT, MulDiv(160, nDpi, 96), 0);
    list.InsertColumn(1, AfxLoadString(IDS_COLUMN_TARGET), LVCFMT_LEFT,
                      rect.right - MulDiv(240, nDpi, 96), 1);
    list.InsertColumn(2, AfxLoadString(IDS_COLUMN_ARGUMENTS), LVCFMT_LEFT, MulDiv(80, nDpi, 96), 2);

    // Without the pictures the list still works: the rows show no icons.
    if (m_imageList.Create(IDB_LISTICONS, 16, 1, RGB(0, 255, 0)))
        list.SetImageList(&m_imageList, LVSIL_SMALL);

    LoadShortcuts();
}

void CWendrakeView::OnDraw(CDC*) {}

void CWendrakeView::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    SortShortcuts(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
}

void CWendrakeView::OnHotKeysEnable() {
    m_bEnabled = true;
    ShowEnabledPicture(true);
}

void CWendrakeView::OnHotKeysDisable() {
    m_bEnabled = false;
    ShowEnabledPicture(false);
}

void CWendrakeView::ShowEnabledPicture(bool bEnabled) {
    auto* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (!pFrame)
        return;
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = pFrame->m_hWnd;
    nid.uID = kTrayIconId;
    nid.uFlags = NIF_ICON; // the picture only: callback and tip stay as they are
    nid.hIcon = bEnabled ? pFrame->m_hIconEnabled : pFrame->m_hIconDisabled;
    Shell_NotifyIconW(NIM_MODIFY, &nid);
}

void CWendrakeView::OnUpdateShortcutDelete(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetListCtrl().GetSelectedCount() != 0);
}

void CWendrakeView::OnUpdateShortcutSelectAll(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetListCtrl().GetItemCount() > 0);
}

void CWendrakeView::OnUpdateShortcutEdit(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetListCtrl().GetSelectedCount() == 1);
}

void CWendrakeView::OnUpdateHotKeysEnable(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_bEnabled);
}

void CWendrakeView::OnUpdateHotKeysDisable(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(!m_bEnabled);
}

void CWendrakeView::OnDestroy() {
    SaveShortcuts();
    CListView::OnDestroy();
}
