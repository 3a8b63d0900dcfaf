// Keys and mouse clicks synthesised with SendInput, as the system delivers a user's typing.
#pragma once

#include <windows.h>

// Presses and releases the key with the keys of the given MOD_ modifiers held.
bool SendKeyCombination(UINT nModifiers, UINT nVirtKey);
// Types the text character by character, whatever the keyboard layout.
bool SendText(const wchar_t* pszText);
// Moves the mouse to the point (screen coordinates) and clicks the left button nClicks times,
// or the right button once.
bool SendClick(POINT ptScreen, int nClicks = 1, bool bRight = false);
