// Which stored entries the load keeps although it could not register them. An entry that
// another program's hot key stopped (a passing clash, typically at logon) is kept: it stays a row
// of the list, stored and tried again at the next start. Every other refusal at the load drops
// the entry after its message: a key without a name, used-up ids, or a second entry for a
// combination the list itself holds would otherwise come back with its message at every start.
#pragma once

#include "ShortcutMaker.h"
#include "StoredShortcut.h"

#include <bitset>

class ShortcutLoad {
public:
    // How many positions to read for a stored count: none for a count below 1, and never more
    // than the section has values, so that a corrupt count cannot ask about millions of
    // entries that are not there, one message each.
    static int PositionsToRead(int nStoredCount, int nValuesInSection);

    // Takes the outcome of adding one stored entry, in stored order; true when the entry was
    // refused and is kept.
    bool Keeps(const StoredShortcut& entry, AddRefusal refusal, unsigned nError);

private:
    // The combinations registered so far, as the system tells them apart: a clash with one of
    // them is a duplicate entry of the list, not another program's doing. One bit for each
    // key code and set of modifier keys.
    std::bitset<0x10000> m_registered;
};
