// What is kept of the stored list besides the rows it registers. An entry that another
// program's hot key stopped at the load (a passing clash, typically at logon) is kept, to be
// written back after the rows and tried again at the next start. Every other refusal at the load
// drops the entry after its message: a key without a name, used-up ids, or a second entry for a
// combination the list itself holds would otherwise come back with its message at every start.
// A shortcut that was stored and registered but cannot be registered again during the run (the
// original of a cancelled edit) is kept whatever the reason: it was fine before.
#pragma once

#include "ShortcutMaker.h"
#include "StoredShortcut.h"

#include <bitset>
#include <vector>

class ShortcutLoad {
public:
    // How many positions to read for a stored count: none for a count below 1, and never more
    // than the section has values, so that a corrupt count cannot ask about millions of
    // entries that are not there, one message each.
    static int PositionsToRead(int nStoredCount, int nValuesInSection);

    // The outcome of adding one stored entry, in stored order.
    void Note(const StoredShortcut& entry, AddRefusal refusal, unsigned nError);
    void Keep(const StoredShortcut& entry) { m_kept.push_back(entry); }
    const std::vector<StoredShortcut>& Kept() const { return m_kept; }

private:
    // The combinations registered so far, as the system tells them apart: a clash with one of
    // them is a duplicate entry of the list, not another program's doing. One bit for each
    // key code and set of modifier keys.
    std::bitset<0x10000> m_registered;
    std::vector<StoredShortcut> m_kept;
};
