// A menu handle with its lifetime: a menu loaded or attached is destroyed with the object.
// Sub-menus are handed out as temporary objects that do not own their menu and live until
// the next idle time.
#pragma once

#include <windows.h>

class CWnd;

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    operator HMENU() const { return m_hMenu; }

    BOOL LoadMenu(UINT nIDResource);
    // Takes ownership of hMenu; FALSE when the object already holds a menu or hMenu is null.
    BOOL Attach(HMENU hMenu);
    // Gives the menu up without destroying it.
    HMENU Detach();
    BOOL DestroyMenu();

    CMenu* GetSubMenu(int nPos) const;
    // The owner receives WM_INITMENUPOPUP (so its update handlers set the items' states) and
    // the chosen command as WM_COMMAND.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    // A temporary object for a menu handle.
    static CMenu* FromHandle(HMENU hMenu);
    static void DeleteTempMap();
};
