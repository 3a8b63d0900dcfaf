#include "view/WendrakeView.h"

#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"
#include "framework/Dpi.h"
#include "framework/ResourceString.h"
#include "res/resource.h"
#include "view/PictureDpi.h"

IMPLEMENT_DYNCREATE(CWendrakeView)

BEGIN_MESSAGE_MAP(CWendrakeView, CListView)
ON_COMMAND(ID_SHORTCUT_ADD, OnShortcutAdd)
ON_COMMAND(ID_SHORTCUT_DELETE, DeleteSelectedShortcuts)
ON_UPDATE_COMMAND_UI(ID_SHORTCUT_DELETE, OnUpdateShortcutDelete)
ON_COMMAND(ID_SHORTCUT_SELECTALL, SelectAllShortcuts)
ON_UPDATE_COMMAND_UI(ID_SHORTCUT_SELECTALL, OnUpdateShortcutSelectAll)
ON_WM_DROPFILES()
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
ON_WM_DESTROY()
ON_COMMAND(ID_HOTKEYS_ENABLE, OnHotKeysEnable)
ON_UPDATE_COMMAND_UI(ID_HOTKEYS_ENABLE, OnUpdateHotKeysEnable)
ON_COMMAND(ID_HOTKEYS_DISABLE, OnHotKeysDisable)
ON_UPDATE_COMMAND_UI(ID_HOTKEYS_DISABLE, OnUpdateHotKeysDisable)
ON_COMMAND(ID_SHORTCUT_EDIT, OnShortcutEdit)
ON_UPDATE_COMMAND_UI(ID_SHORTCUT_EDIT, OnUpdateShortcutEdit)
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_HOTKEY, OnHotKey)
END_MESSAGE_MAP()

CWendrakeView::CWendrakeView() : m_nSortState{2, 2, 2, 2, 2, 2}, m_bEnabled(true) {}

CWendrakeView::~CWendrakeView() = default;

BOOL CWendrakeView::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style |= LVS_REPORT;
    cs.dwExStyle |= WS_EX_ACCEPTFILES; // files dropped on the list become shortcuts
    return CListView::PreCreateWindow(cs);
}

void CWendrakeView::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    CListCtrl list = GetListCtrl();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, AfxLoadString(IDS_COLUMN_KEY), LVCFMT_LEFT, 0, 0);
    list.InsertColumn(1, AfxLoadString(IDS_COLUMN_TARGET), LVCFMT_LEFT, 0, 1);
    list.InsertColumn(2, AfxLoadString(IDS_COLUMN_ARGUMENTS), LVCFMT_LEFT, 0, 2);
    // The columns get their widths when the window is first shown.
    LoadShortcuts();
}

void CWendrakeView::ScaleToDpi(UINT nDpi) {
    // The widths are for 96 DPI; the target column takes what the others leave.
    CListCtrl list = GetListCtrl();
    RECT rect;
    GetClientRect(&rect);
    list.SetColumnWidth(0, AfxScaleForDpi(160, nDpi));
    list.SetColumnWidth(1, rect.right - AfxScaleForDpi(240, nDpi));
    list.SetColumnWidth(2, AfxScaleForDpi(80, nDpi));
    if (!m_bPictures)
        return;
    // Without the pictures the list still works: the rows show no icons.
    const UINT nPictureDpi = PictureDpi(nDpi);
    if (m_imageList.Create(PictureId(IDB_LISTICONS, IDB_LISTICONS_AT, nPictureDpi),
                           AfxScaleForDpi(16, nPictureDpi), 1, RGB(0, 255, 0)))
        list.SetImageList(m_imageList, LVSIL_SMALL);
}

void CWendrakeView::PrepareToShow(UINT nDpi) {
    m_bPictures = true;
    ScaleToDpi(nDpi);
}

void CWendrakeView::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    SortShortcuts(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
}

void CWendrakeView::OnHotKeysEnable() {
    SwitchHotKeys(true);
}

void CWendrakeView::OnHotKeysDisable() {
    SwitchHotKeys(false);
}

void CWendrakeView::SwitchHotKeys(bool bEnabled) {
    m_bEnabled = bEnabled;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SendMessage(WM_HOTKEYS_SWITCHED);
}

void CWendrakeView::EndBusy() {
    if (--m_nBusy == 0)
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SendMessage(WM_VIEW_READY);
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
    // The frame's close has written the list.
    RemoveAllShortcuts();
    CListView::OnDestroy();
}
