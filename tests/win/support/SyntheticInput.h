// Keys and mouse clicks synthesised with SendInput, as the system delivers a user's typing.
#pragma once

#include "MessagePump.h"

#include <windows.h>

#include <vector>

namespace synthetic {

inline bool Send(std::vector<INPUT> inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

// The message a press waits for, and whether this thread has taken it from its queue.
inline thread_local UINT t_nAwaited = 0;
inline thread_local bool t_bAwaitedTaken = false;
inline LRESULT CALLBACK OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
    t_bAwaitedTaken |= nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == t_nAwaited;
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace synthetic

// Presses and releases the key with the keys of the given MOD_ modifiers held.
inline bool SendKeyCombination(UINT nModifiers, UINT nVirtKey) {
    const UINT modifierKeys[][2] = {
        {MOD_CONTROL, VK_CONTROL}, {MOD_SHIFT, VK_SHIFT}, {MOD_ALT, VK_MENU}, {MOD_WIN, VK_LWIN}};
    std::vector<UINT> keys;
    for (const auto& [nMod, vk] : modifierKeys)
        if (nModifiers & nMod)
            keys.push_back(vk);
    keys.push_back(nVirtKey);
    // Down in order, up in reverse.
    std::vector<INPUT> inputs(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0; i < keys.size(); ++i) {
        for (INPUT* pInput : {&inputs[i], &inputs[inputs.size() - 1 - i]}) {
            pInput->ki.wVk = static_cast<WORD>(keys[i]);
            pInput->ki.wScan = static_cast<WORD>(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC));
        }
        inputs[inputs.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    return synthetic::Send(inputs);
}

// Presses the combination and runs this thread's messages until it has taken nMessage, which
// comes once the press has been handled: WM_HOTKEY for a hot key, WM_KEYUP after an
// accelerator's key went down. False when it did not come.
inline bool PressAndHandle(UINT nModifiers, UINT nVirtKey, UINT nMessage) {
    synthetic::t_nAwaited = nMessage;
    synthetic::t_bAwaitedTaken = false;
    HHOOK hHook =
        SetWindowsHookExW(WH_GETMESSAGE, synthetic::OnGetMessage, nullptr, GetCurrentThreadId());
    const bool bHandled = SendKeyCombination(nModifiers, nVirtKey) &&
                          PumpUntil([] { return synthetic::t_bAwaitedTaken; });
    UnhookWindowsHookEx(hHook);
    return bHandled;
}

// Moves the mouse to the point (screen coordinates) and clicks the left button nClicks times,
// or the right button once.
inline bool SendClick(POINT ptScreen, int nClicks = 1, bool bRight = false) {
    // Absolute positions are given in 0 to 65535 across the primary screen.
    std::vector<INPUT> inputs(1 + 2 * nClicks, INPUT{INPUT_MOUSE, {}});
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[0].mi.dx = MulDiv(ptScreen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = MulDiv(ptScreen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    for (size_t i = 1; i < inputs.size(); i += 2) {
        inputs[i].mi.dwFlags = bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        inputs[i + 1].mi.dwFlags = bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    }
    return synthetic::Send(inputs);
}
