// The base of everything that handles commands: windows, documents and the application.
#pragma once

#include "MessageMap.h"
#include "RuntimeClass.h"

// Passed as pExtra with CN_COMMAND to ask only whether a handler exists, without running it.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Looks the command up in this object's message map chain. nCode is CN_COMMAND (run the
    // handler), CN_UPDATE_COMMAND_UI (pExtra is the CCmdUI to update) or a control
    // notification code. Returns TRUE when an entry handled it.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry for the message in the map chain, most derived class first.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};
