// A hot-key control ("msctls_hotkey32"): the user types a key combination into it. The key is a
// virtual-key code; the modifiers are its HOTKEYF_ flags, not the MOD_ bits of RegisterHotKey.
#pragma once

#include "CWnd.h"

#include <commctrl.h>

class CHotKeyCtrl : public CWnd {
public:
    // A key of 0 empties the control.
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) {
        ::SendMessageW(m_hWnd, HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers), 0);
    }
    // The key in the low byte, the modifiers in the next byte.
    DWORD GetHotKey() const {
        return static_cast<DWORD>(::SendMessageW(m_hWnd, HKM_GETHOTKEY, 0, 0));
    }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const {
        const DWORD dwHotKey = GetHotKey();
        wVirtualKeyCode = LOBYTE(dwHotKey);
        wModifiers = HIBYTE(dwHotKey);
    }
};
