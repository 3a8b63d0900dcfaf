#include "ShortcutLoad.h"

#include "ShortcutHolder.h"

#include <algorithm>

int ShortcutLoad::PositionsToRead(int nStoredCount, int nValuesInSection) {
    return nStoredCount < 1 ? 0 : std::min(nStoredCount, nValuesInSection);
}

void ShortcutLoad::Note(const StoredShortcut& entry, AddRefusal refusal, unsigned nError) {
    if (refusal == AddRefusal::None)
        m_registered.set(Combination(entry.nKey));
    else if (refusal == AddRefusal::RegistrationRefused && nError == kCombinationTaken &&
             !m_registered.test(Combination(entry.nKey)))
        m_kept.push_back(entry);
}
