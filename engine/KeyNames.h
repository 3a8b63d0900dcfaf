// Key names and the modifier encodings: which keys can be bound, how a combination is shown,
// and how it moves between the registration bits, the hot-key control's flags and storage.
#pragma once

#include "KeyCodes.h"
#include "ShortcutRecord.h"

// The base name of a virtual-key code, or nullptr when the key cannot be bound.
const wchar_t* GetKeyName(unsigned nVirtKey);

// "Win + Shift + Ctrl + Alt + " (those present) before the base name. Returns false, leaving
// strText untouched, when the key has no name.
bool FormatKeyText(unsigned nModifiers, unsigned nVirtKey, CString& strText);

// The editor's hot-key flags plus its Windows check box to MOD_ bits; HOTKEYF_EXT and higher
// bits are dropped.
unsigned HotKeyFlagsToModifiers(WORD wModifiers, BOOL bWinKey);

// MOD_ bits to the editor's hot-key flags and Windows check box; other bits are dropped.
void ModifiersToHotKeyFlags(unsigned nModifiers, WORD& wModifiers, BOOL& bWinKey);

// The stored " Key" value: key code in bits 8 to 15, modifiers in bits 0 to 7.
unsigned PackKey(unsigned nModifiers, unsigned nVirtKey);
void UnpackKey(unsigned nValue, unsigned& nModifiers, unsigned& nVirtKey);
