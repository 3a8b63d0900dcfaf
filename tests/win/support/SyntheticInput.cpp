#include "SyntheticInput.h"

namespace {

INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

bool SendKeyPress(const std::vector<WORD>& heldKeys, UINT nVirtKey) {
    std::vector<INPUT> inputs;
    for (WORD vk : heldKeys)
        inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(static_cast<WORD>(nVirtKey), false));
    inputs.push_back(KeyInput(static_cast<WORD>(nVirtKey), true));
    for (auto it = heldKeys.rbegin(); it != heldKeys.rend(); ++it)
        inputs.push_back(KeyInput(*it, true));
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

bool SendKeyCombination(UINT nModifiers, UINT nVirtKey) {
    std::vector<WORD> held;
    if (nModifiers & MOD_CONTROL)
        held.push_back(VK_CONTROL);
    if (nModifiers & MOD_SHIFT)
        held.push_back(VK_SHIFT);
    if (nModifiers & MOD_ALT)
        held.push_back(VK_MENU);
    if (nModifiers & MOD_WIN)
        held.push_back(VK_LWIN);
    return SendKeyPress(held, nVirtKey);
}

bool SendClick(POINT ptScreen) {
    // Absolute positions are given in 0 to 65535 across the primary screen.
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = MulDiv(ptScreen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = MulDiv(ptScreen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(3, inputs, sizeof(INPUT)) == 3;
}
