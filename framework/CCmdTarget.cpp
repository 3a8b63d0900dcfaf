#include "CCmdTarget.h"

#include "CCmdUI.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnThunk; ++entry) {
            const UINT message =
                entry->pnRegisteredMessage ? *entry->pnRegisteredMessage : entry->nMessage;
            if (message == nMessage && message != 0 && entry->nCode == nCode && entry->nID == nID)
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode, void* pExtra) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, nCode, nID);
    if (!entry)
        return FALSE;
    if (nCode == CN_UPDATE_COMMAND_UI) {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bEnableChanged = FALSE;
        entry->pfnThunk(this, 0, reinterpret_cast<LPARAM>(pCmdUI));
        pCmdUI->m_bHandled = TRUE;
        return TRUE;
    }
    if (nCode == CN_COMMAND && pExtra) {
        static_cast<AFX_CMDHANDLERINFO*>(pExtra)->pTarget = this;
        return TRUE;
    }
    entry->pfnThunk(this, 0, 0);
    return TRUE;
}
