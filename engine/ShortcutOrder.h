// The order of the list's columns when sorted.
#pragma once

#include "ShortcutRecord.h"

// Compares the records' texts of column 0 (key), 1 (target) or 2 (arguments) code unit by
// code unit as unsigned numbers: no locale, no case folding, a prefix first, every non-ASCII
// character after ASCII. Any other column compares equal. Returns -1, 0 or 1.
int CompareShortcuts(const ShortcutRecord& record1, const ShortcutRecord& record2, int nColumn);
