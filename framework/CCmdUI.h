// The state of one command's user interface (a menu item, a tool-bar button), set by the
// command's update handler.
#pragma once

#include <windows.h>

class CCmdTarget;

class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);

    // Asks pTarget's routing for the state; when no update handler decides the enabling and
    // bDisableIfNoHandler is set, a command that nothing would carry out is disabled.
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;       // position in the menu or bar
    HMENU m_hMenu = nullptr; // the menu holding the item, when it is one
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bHandled = FALSE;
};

// Only records what the update handler decided: used to test a command before carrying it
// out, so that a disabled command is dropped whichever way it came.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;

    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};
