#include "ShortcutLoad.h"

#include "ShortcutHolder.h"

#include <algorithm>

int ShortcutLoad::PositionsToRead(int nStoredCount, int nValuesInSection) {
    return nStoredCount < 1 ? 0 : std::min(nStoredCount, nValuesInSection);
}

bool ShortcutLoad::Keeps(const StoredShortcut& entry, AddRefusal refusal, unsigned nError) {
    // A combination is below 0x10000 by its mask, so the unchecked access is safe, and it keeps
    // the library's out-of-range error out of the exe.
    const size_t nCombination = Combination(entry.nKey);
    if (refusal == AddRefusal::None)
        m_registered[nCombination] = true;
    return refusal == AddRefusal::RegistrationRefused && nError == kCombinationTaken &&
           !m_registered[nCombination];
}
