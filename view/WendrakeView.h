// The one view: a report-style list whose rows are the shortcut table. Each row owns its
// ShortcutRecord through its item data, and every row's hot key is registered on this window,
// but for kept rows: stored shortcuts that could not be registered, marked as such.
#pragma once

#include "engine/ShortcutMaker.h"
#include "framework/CImageList.h"
#include "framework/CListView.h"

#include <optional>
#include <vector>

// What the view tells the frame it lies in, sent to that frame.
// The hot keys were switched on or off: the frame shows the matching picture.
const UINT WM_HOTKEYS_SWITCHED = WM_APP + 101;
// The load or an editing flow has ended: a close that had to wait for it may go ahead now.
const UINT WM_VIEW_READY = WM_APP + 102;

class CShortcutDlg;

class CWendrakeView : public CListView {
    DECLARE_DYNCREATE(CWendrakeView)

public:
    CWendrakeView();
    ~CWendrakeView() override;

    // The shortcut table. AddShortcut returns false when nothing was added, after telling the
    // user why.
    bool AddShortcut(int nOperation, CString strFileName, CString strParameter, unsigned nModifiers,
                     unsigned nVirtKey);
    void RemoveShortcut(int nIndex);
    ShortcutRecord* GetShortcutRecord(int nIndex) const;
    int FindShortcutById(int nId) const;
    void DeleteSelectedShortcuts();
    void SelectAllShortcuts();
    void SortShortcuts(int nColumn);
    static int CALLBACK CompareAscending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int CALLBACK CompareDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    bool HotKeysEnabled() const { return m_bEnabled; }
    // While the load or an editing flow runs, its boxes and dialogs let other messages in; a
    // close among them must wait, or the view would be destroyed under it.
    bool IsBusy() const { return m_nBusy > 0; }
    // Writes the list to the profile, in list order, without changing it; 0, or the registry's
    // reason when a value could not be written. Tells nobody: at the end of the session no box
    // can be answered, and the frame's close asks its own question.
    DWORD WriteShortcuts();
    // What the user is told when the profile cannot take the list.
    static CString WriteFailureText(DWORD dwError);
    // Column widths for the window's DPI and size, and the rows' icons once they are shown.
    void ScaleToDpi(UINT nDpi);
    // Sizes the columns for the window as it is shown, with the rows' icons, which a hidden
    // list does without.
    void PrepareToShow(UINT nDpi);

private:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void OnInitialUpdate() override;
    // The editing flows: each shows the editor and hands its values to AddShortcut.
    void OnShortcutAdd();
    void OnShortcutEdit();
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnDropFiles(HDROP hDropInfo);
    void EditShortcut(int nItem);
    bool AddFromEditor(const CShortcutDlg& dlg);
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();
    // Presses are swallowed while switched off, but every combination stays registered, so it
    // stays reserved.
    void OnHotKeysEnable();
    void OnHotKeysDisable();
    void SwitchHotKeys(bool bEnabled);
    void OnUpdateShortcutDelete(CCmdUI* pCmdUI);
    void OnUpdateShortcutSelectAll(CCmdUI* pCmdUI);
    void OnUpdateShortcutEdit(CCmdUI* pCmdUI);
    void OnUpdateHotKeysEnable(CCmdUI* pCmdUI);
    void OnUpdateHotKeysDisable(CCmdUI* pCmdUI);

    // AddShortcut with the reason of a refusal, which the load needs.
    AddOutcome TryAddShortcut(int nOperation, const CString& strFileName,
                              const CString& strParameter, unsigned nModifiers, unsigned nVirtKey);
    // Appends the record's row; false when the list could not take it. The row owns the record
    // only when it was appended.
    bool AppendRow(const ShortcutRecord& record);
    // Appends a kept row for a stored shortcut that could not be registered.
    void AppendKeptRow(const StoredShortcut& entry);
    void LoadShortcuts();
    // Writes the list after a completed change, telling the user when the profile cannot take
    // it; the list stays as it is and the next write tries again.
    void WriteAfterChange();
    // Removes every row, so that no hot key outlives the window.
    void RemoveAllShortcuts();
    // The rows' records, top to bottom.
    std::vector<const ShortcutRecord*> Records() const;
    // Around work that shows boxes or dialogs; the frame hears when the last one ends.
    void BeginBusy() { ++m_nBusy; }
    void EndBusy();

    ShortcutMaker m_maker;    // names keys, hands out hot-key ids, registers
    int m_nSortState[6];      // per column: 2 never sorted, 0 ascending, 1 descending
    CImageList m_imageList;   // the rows' icons, indexed by operation
    bool m_bPictures = false; // the rows' icons are shown
    bool m_bEnabled;          // while false, hot-key presses are swallowed
    // The shortcut an edit took out of the list while the editor is open again after a
    // refusal: still stored, with its old values, until the edit ends.
    std::optional<StoredShortcut> m_editedOriginal;
    bool m_bLoaded = false; // nothing is written unless the load ran
    int m_nBusy = 0;

    DECLARE_MESSAGE_MAP()
};
