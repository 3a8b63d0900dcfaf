// A list-view control ("SysListView32") driven through its LVM_ messages. It adds no data to
// CWnd, so any window that is a list control can be used as one.
#pragma once

#include "CString.h"
#include "CWnd.h"

#include <commctrl.h>

class CImageList;

class CListCtrl : public CWnd {
public:
    // A child control of pParentWnd with the given LVS_ and window styles.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A width or sub-item of -1 leaves that attribute to the control.
    int InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);

    int InsertItem(const LVITEMW* pItem) {
        return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    // The members of the item that nMask names are taken from the arguments.
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(Send(LVM_DELETEITEM, nItem)); }

    BOOL GetItem(LVITEMW* pItem) const {
        return static_cast<BOOL>(Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL SetItem(const LVITEMW* pItem) {
        return static_cast<BOOL>(Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCWSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;

    UINT GetItemState(int nItem, UINT nMask) const {
        return static_cast<UINT>(Send(LVM_GETITEMSTATE, nItem, nMask));
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);

    // The next item after nItem (-1: from the start) that has the LVNI_ properties of nFlags.
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
    }
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(Send(LVM_GETSELECTEDCOUNT)); }

    // The item at pt (client coordinates), or -1; pFlags receives the LVHT_ part hit.
    int HitTest(POINT pt, UINT* pFlags = nullptr) const;

    // pfnCompare gets two items' data and dwData; the control reorders its items by it.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
        return static_cast<BOOL>(Send(LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare)));
    }

    // Replaces the whole extended style; returns the previous one.
    DWORD SetExtendedStyle(DWORD dwNewStyle) {
        return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }

    // Shows pImageList (nullptr: none) as the LVSIL_ list nImageList. The image list stays the
    // CImageList's: the control is given LVS_SHAREIMAGELISTS so that it does not destroy it too.
    void SetImageList(CImageList* pImageList, int nImageList);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
};
