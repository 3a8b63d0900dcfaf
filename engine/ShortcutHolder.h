// Whose hot key stands in the way when the system refuses a combination as taken: one of the
// list's own shortcuts, which the user can then find in the list, or, when none of them has
// it, another program's.
#pragma once

#include "ShortcutRecord.h"

#include <vector>

// ERROR_HOTKEY_ALREADY_REGISTERED: someone holds the combination.
const unsigned kCombinationTaken = 1409;

// The part of a packed key (PackKey) by which the system tells hot keys apart: the key code and
// the four modifier keys, Windows included. Other bits never make two combinations differ.
unsigned Combination(unsigned nKey);

// The first of rows whose combination is that of nModifiers with nVirtKey, or nullptr when none
// of them holds it. A kept row holds none.
const ShortcutRecord* FindHolder(const std::vector<const ShortcutRecord*>& rows,
                                 unsigned nModifiers, unsigned nVirtKey);
