#include "CMenu.h"

#include "CWinApp.h"

#include <memory>
#include <unordered_map>

namespace {

// A temporary never owns its menu.
struct TempMenuDeleter {
    void operator()(CMenu* pMenu) const {
        pMenu->Detach();
        delete pMenu;
    }
};

using TempMenuMap = std::unordered_map<HMENU, std::unique_ptr<CMenu, TempMenuDeleter>>;

TempMenuMap& TempMap() {
    thread_local TempMenuMap map;
    return map;
}

} // namespace

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return Attach(::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (m_hMenu || !hMenu)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::DestroyMenu() {
    HMENU hMenu = Detach();
    return hMenu && ::DestroyMenu(hMenu);
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->m_hWnd, lpRect);
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (!hMenu)
        return nullptr;
    auto& slot = TempMap()[hMenu];
    if (!slot) {
        slot.reset(new CMenu);
        slot->m_hMenu = hMenu;
    }
    return slot.get();
}

void CMenu::DeleteTempMap() {
    TempMap().clear();
}
