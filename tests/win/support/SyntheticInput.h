// Keys and mouse clicks synthesised with SendInput, as the system delivers a user's typing.
#pragma once

#include "MessagePump.h"

#include <windows.h>

#include <vector>

namespace synthetic {

inline INPUT Key(WORD vk, bool bUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return input;
}

inline bool Send(std::vector<INPUT>& inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

// The message a press waits for, and whether this thread has taken it from its queue.
inline UINT& Awaited() {
    thread_local UINT nMessage = 0;
    return nMessage;
}
inline bool& AwaitedTaken() {
    thread_local bool bTaken = false;
    return bTaken;
}
inline LRESULT CALLBACK OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION && wParam == PM_REMOVE &&
        reinterpret_cast<const MSG*>(lParam)->message == Awaited())
        AwaitedTaken() = true;
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace synthetic

// Presses and releases the key with the keys of the given MOD_ modifiers held.
inline bool SendKeyCombination(UINT nModifiers, UINT nVirtKey) {
    std::vector<WORD> held;
    for (const auto& [nMod, vk] : {std::pair<UINT, WORD>{MOD_CONTROL, VK_CONTROL},
                                   {MOD_SHIFT, VK_SHIFT},
                                   {MOD_ALT, VK_MENU},
                                   {MOD_WIN, VK_LWIN}})
        if (nModifiers & nMod)
            held.push_back(vk);
    std::vector<INPUT> inputs;
    for (WORD vk : held)
        inputs.push_back(synthetic::Key(vk, false));
    inputs.push_back(synthetic::Key(static_cast<WORD>(nVirtKey), false));
    inputs.push_back(synthetic::Key(static_cast<WORD>(nVirtKey), true));
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        inputs.push_back(synthetic::Key(*it, true));
    return synthetic::Send(inputs);
}

// Presses the combination and runs this thread's messages until it has taken nMessage, which
// comes once the press has been handled: WM_HOTKEY for a hot key, WM_KEYUP after an
// accelerator's key went down. False when it did not come.
inline bool PressAndHandle(UINT nModifiers, UINT nVirtKey, UINT nMessage) {
    synthetic::Awaited() = nMessage;
    synthetic::AwaitedTaken() = false;
    HHOOK hHook =
        SetWindowsHookExW(WH_GETMESSAGE, synthetic::OnGetMessage, nullptr, GetCurrentThreadId());
    const bool bHandled = SendKeyCombination(nModifiers, nVirtKey) &&
                          PumpUntil([] { return synthetic::AwaitedTaken(); });
    UnhookWindowsHookEx(hHook);
    return bHandled;
}

// Moves the mouse to the point (screen coordinates) and clicks the left button nClicks times,
// or the right button once.
inline bool SendClick(POINT ptScreen, int nClicks = 1, bool bRight = false) {
    // Absolute positions are given in 0 to 65535 across the primary screen.
    std::vector<INPUT> inputs(1 + 2 * nClicks);
    for (size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags =
            i == 0 ? MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE
                   : (i % 2 ? (bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN)
                            : (bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP));
    }
    inputs[0].mi.dx = MulDiv(ptScreen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = MulDiv(ptScreen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return synthetic::Send(inputs);
}
