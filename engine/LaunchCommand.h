// What a hot-key press asks of the shell, decided from the shortcut alone.
#pragma once

#include "ShortcutRecord.h"

struct LaunchCommand {
    bool bLaunch;           // false for OP_NONE: the combination is only reserved
    const wchar_t* pszVerb; // "open", or "explore" for OP_EXPLORE
    CString strParameters;  // the record's arguments for OP_OPEN_FILE only, else empty
};

// An operation outside the known codes (only a hand-edited profile holds one) opens the target
// like a folder: no arguments.
LaunchCommand MakeLaunchCommand(const ShortcutRecord& record);

// The string id of the reason a shell execute result of 32 or less gives, or 0 for a result
// with no known reason.
unsigned ShellErrorReasonId(long long nResult);
