// Makes the record of a new shortcut: the checks an add passes, in the order in which the first
// one that fails decides what the user is told, and the hot-key ids they use up.
#pragma once

#include "StoredShortcut.h"

#include <functional>
#include <memory>

// Why an add was refused, or None. The list that shows the shortcuts can refuse a row too.
enum class AddRefusal { None, KeyNotBindable, IdsUsedUp, RegistrationRefused, RowNotAdded };

struct AddOutcome {
    AddRefusal refusal;
    unsigned nError; // the system's error code when it refused the registration
    std::unique_ptr<ShortcutRecord> pRecord; // the registered shortcut, when nothing refused it
};

// Registration ids for RegisterHotKey: applications may use 0 to 0xBFFF.
const int kLastHotKeyId = 0xBFFF;

class ShortcutMaker {
public:
    // Names the key, hands out the next id and registers the hot key through registerHotKey,
    // which returns 0 or the system's error code. Once handed out, an id stays used, even when
    // the registration fails.
    AddOutcome Make(int nOperation, const CString& strFileName, const CString& strParameter,
                    unsigned nModifiers, unsigned nVirtKey,
                    const std::function<unsigned(const ShortcutRecord&)>& registerHotKey);
    // The record of a stored shortcut that is kept without being registered: its key named, an
    // id below 0 of its own, by which an edit finds it again, and its key as stored.
    std::unique_ptr<ShortcutRecord> MakeKept(const StoredShortcut& entry);

private:
    int m_nNextId = 0;      // only grows: ids are never reused while the process runs
    int m_nNextKeptId = -1; // only falls, for the same reason
};
