#include "ShortcutLoad.h"

#include <algorithm>

namespace {

// ERROR_HOTKEY_ALREADY_REGISTERED: someone holds the combination.
const unsigned kCombinationTaken = 1409;

// The system tells combinations apart by the four modifier keys and the key alone.
unsigned Combination(unsigned nKey) {
    return nKey & (0xFF00 | MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN);
}

} // namespace

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
