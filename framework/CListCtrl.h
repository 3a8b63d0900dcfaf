// A list-view control ("SysListView32") driven through its LVM_ messages: a non-owning value over
// the control's window, so any list control can be handled through one without owning it.
#pragma once

#include "CString.h"

#include <windows.h>

#include <commctrl.h>

class CImageList;

class CListCtrl {
public:
    explicit CListCtrl(HWND hWnd) : m_hWnd(hWnd) {}

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A width or sub-item of -1 leaves that attribute to the control.
    int InsertColumn(int nCol, LPCWSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL SetColumnWidth(int nCol, int cx) {
        return static_cast<BOOL>(Send(LVM_SETCOLUMNWIDTH, nCol, cx));
    }

    // The members of the item that nMask names are taken from the arguments; -1 when the
    // control could not insert it.
    int InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(Send(LVM_DELETEITEM, nItem)); }

    BOOL SetItemText(int nItem, int nSubItem, LPCWSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);

    // The next item after nItem (-1: from the start) that has the LVNI_ properties of nFlags.
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(Send(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)));
    }
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(Send(LVM_GETSELECTEDCOUNT)); }

    // The item at pt (client coordinates), or -1.
    int HitTest(POINT pt) const;

    // pfnCompare gets two items' data and dwData; the control reorders its items by it.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
        return static_cast<BOOL>(Send(LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare)));
    }

    // Replaces the whole extended style.
    void SetExtendedStyle(DWORD dwNewStyle) { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle); }

    // Shows the image list as the LVSIL_ list nImageList. It stays the CImageList's: the
    // control is given LVS_SHAREIMAGELISTS so that it does not destroy it too.
    void SetImageList(const CImageList& imageList, int nImageList);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
};
