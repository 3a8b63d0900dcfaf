#include "ShortcutHolder.h"

#include "KeyNames.h"

unsigned Combination(unsigned nKey) {
    return nKey & (0xFF00 | MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN);
}

const ShortcutRecord* FindHolder(const std::vector<const ShortcutRecord*>& rows,
                                 unsigned nModifiers, unsigned nVirtKey) {
    const unsigned nWanted = Combination(PackKey(nModifiers, nVirtKey));
    for (const ShortcutRecord* pRow : rows)
        if (!pRow->IsKept() &&
            Combination(PackKey(pRow->m_nModifiers, pRow->m_nVirtKey)) == nWanted)
            return pRow;
    return nullptr;
}
