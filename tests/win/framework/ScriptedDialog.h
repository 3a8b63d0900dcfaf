// A modal dialog that plays a test's part once it is on screen: the script runs from inside the
// dialog's own modal loop, where a user's actions would arrive.
#pragma once

#include "framework/CDialog.h"

#include <functional>
#include <utility>

class ScriptedDialog : public CDialog {
public:
    using Script = std::function<void(ScriptedDialog&)>;

    explicit ScriptedDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : CDialog(nIDTemplate, pParentWnd) {}

    INT_PTR Run(Script script) {
        m_script = std::move(script);
        return DoModal();
    }

    // A key press as the dialog's loop gets it when the control has the focus.
    void PostKey(int nIDC, UINT nVirtKey) {
        ::PostMessageW(::GetDlgItem(m_hWnd, nIDC), WM_KEYDOWN, nVirtKey, 1);
        ::PostMessageW(::GetDlgItem(m_hWnd, nIDC), WM_KEYUP, nVirtKey, 0xC0000001);
    }

private:
    static const UINT WM_RUN_SCRIPT = WM_APP + 0x100;

    // The system shows a modal dialog once its loop has started; the script follows.
    LRESULT OnShowWindow(WPARAM wParam, LPARAM) {
        if (wParam)
            PostMessage(WM_RUN_SCRIPT);
        return Default();
    }
    LRESULT OnRunScript(WPARAM, LPARAM) {
        m_script(*this);
        return 0;
    }

    Script m_script;

    DECLARE_MESSAGE_MAP()
};
