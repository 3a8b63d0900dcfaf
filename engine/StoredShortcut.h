// One shortcut as the profile stores it: the key packed into one number, no hot-key id.
#pragma once

#include "KeyNames.h"
#include "ShortcutRecord.h"

struct StoredShortcut {
    CString strFileName;
    CString strParameter;
    int nOperation;
    unsigned nKey; // PackKey of the modifiers and the key code

    static StoredShortcut From(const ShortcutRecord& record) {
        return {record.m_strFileName, record.m_strParameter, record.m_nOperation,
                record.IsKept() ? record.m_nStoredKey
                                : PackKey(record.m_nModifiers, record.m_nVirtKey)};
    }
};
