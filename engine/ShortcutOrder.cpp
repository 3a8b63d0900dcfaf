#include "ShortcutOrder.h"

namespace {

const CString* ColumnText(const ShortcutRecord& record, int nColumn) {
    switch (nColumn) {
    case 0:
        return &record.m_strKeyName;
    case 1:
        return &record.m_strFileName;
    case 2:
        return &record.m_strParameter;
    default:
        return nullptr;
    }
}

} // namespace

int CompareShortcuts(const ShortcutRecord& record1, const ShortcutRecord& record2, int nColumn) {
    const CString* text1 = ColumnText(record1, nColumn);
    const CString* text2 = ColumnText(record2, nColumn);
    if (!text1 || !text2)
        return 0;
    return CompareOrdinal(*text1, *text2);
}
