// Key presses synthesised with SendInput, as the system delivers a user's typing.
#pragma once

#include <windows.h>

#include <vector>

// Holds the given keys down in order, presses and releases nVirtKey, then lets go of them.
bool SendKeyPress(const std::vector<WORD>& heldKeys, UINT nVirtKey);

// Presses and releases the key with the keys of the given MOD_ modifiers held.
bool SendKeyCombination(UINT nModifiers, UINT nVirtKey);
