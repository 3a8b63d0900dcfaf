// One shortcut: what it launches and the key combination that launches it.
#pragma once

#include "../framework/CString.h"

// The operation codes double as the editor's radio index, the row's icon index and the
// stored " Operation" value, so their order is fixed.
enum {
    OP_OPEN_FILE = 0,
    OP_OPEN_FOLDER = 1,
    OP_EXPLORE = 2,
    OP_NONE = 3,
};

// Made once and never changed afterwards: an edit replaces the whole record. Its hot key is
// registered under its id, unless it is kept: stored, but not registered, because another
// program held its combination or no id was left. A kept shortcut launches nothing until an
// edit registers it.
struct ShortcutRecord {
    int m_nId;              // hot-key id, 0 to 0xBFFF; a kept one's is below 0, as no hot key's is
    CString m_strKeyName;   // display text of the combination
    CString m_strFileName;  // target path
    int m_nOperation;       // OP_ code
    unsigned m_nModifiers;  // MOD_ bits, given to RegisterHotKey unchanged
    unsigned m_nVirtKey;    // virtual-key code
    CString m_strParameter; // program arguments, used for OP_OPEN_FILE only
    // A kept shortcut's key as the profile held it, bits this program has no use for included:
    // it is written back unchanged.
    unsigned m_nStoredKey = 0;

    bool IsKept() const { return m_nId < 0; }
};
