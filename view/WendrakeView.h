// The one view: a report-style list whose rows are the shortcut table. Each row owns its
// ShortcutRecord through its item data, and every row's hot key is registered on this window.
#pragma once

#include "engine/ShortcutRecord.h"
#include "framework/CImageList.h"
#include "framework/CListView.h"

#include <vector>

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

    // Writes the list to the profile, in list order, without changing it. Runs at the end of
    // the session, when the window is not destroyed, and as part of the save at destruction.
    void WriteShortcuts();

    int m_nNextId;          // the next hot-key id; only grows, never reused
    int m_nSortState[6];    // per column: 2 never sorted, 0 ascending, 1 descending
    CImageList m_imageList; // the rows' icons, indexed by operation
    bool m_bEnabled;        // while false, hot-key presses are swallowed

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override; // the list control paints itself
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();

    // Switching all hot keys on and off: presses are swallowed while off, but every
    // combination stays registered, so it stays reserved.
    void OnHotKeysEnable();
    void OnHotKeysDisable();

    void OnUpdateShortcutDelete(CCmdUI* pCmdUI);
    void OnUpdateShortcutSelectAll(CCmdUI* pCmdUI);
    void OnUpdateShortcutEdit(CCmdUI* pCmdUI);
    void OnUpdateHotKeysEnable(CCmdUI* pCmdUI);
    void OnUpdateHotKeysDisable(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    enum class AddResult { Added, KeyNotBindable, IdsUsedUp, RegistrationRefused };
    // AddShortcut with the reason of a refusal, which the profile load needs.
    AddResult TryAddShortcut(int nOperation, const CString& strFileName,
                             const CString& strParameter, unsigned nModifiers, unsigned nVirtKey);
    void LoadShortcuts();
    // The notification-area icon's picture follows the enable switch.
    void ShowEnabledPicture(bool bEnabled);
    // Writes, then removes every row, so that no hot key outlives the window.
    void SaveShortcuts();

    // A stored shortcut that the system refused to register at load because another program
    // held the combination: written back at the save, so a passing clash loses nothing. A
    // second entry for a combination of the list itself is dropped, as before.
    struct StoredShortcut {
        CString strFileName;
        CString strParameter;
        int nOperation;
        unsigned nKey;
    };
    std::vector<StoredShortcut> m_refusedAtLoad;
    bool m_bLoaded = false; // the save writes nothing unless the load ran
};
