// Key presses and mouse clicks synthesised with SendInput, as the system delivers a user's
// typing and clicking.
#pragma once

#include <windows.h>

#include <vector>

// Holds the given keys down in order, presses and releases nVirtKey, then lets go of them.
bool SendKeyPress(const std::vector<WORD>& heldKeys, UINT nVirtKey);

// Presses and releases the key with the keys of the given MOD_ modifiers held.
bool SendKeyCombination(UINT nModifiers, UINT nVirtKey);

// Moves the mouse to the point (screen coordinates) and clicks the left button there.
bool SendClick(POINT ptScreen);
