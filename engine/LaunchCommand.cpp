#include "LaunchCommand.h"

#include "res/resource.h"

LaunchCommand MakeLaunchCommand(const ShortcutRecord& record) {
    LaunchCommand command = {record.m_nOperation != OP_NONE, L"open", CString()};
    if (record.m_nOperation == OP_EXPLORE)
        command.pszVerb = L"explore";
    if (record.m_nOperation == OP_OPEN_FILE)
        command.strParameters = record.m_strParameter;
    return command;
}

unsigned ShellErrorReasonId(long long nResult) {
    switch (nResult) {
    case 0:  // out of memory or resources
    case 2:  // file not found
    case 3:  // path not found
    case 5:  // access denied
    case 8:  // out of memory
    case 11: // bad exe format
    case 26: // sharing violation
    case 27: // incomplete association
    case 28: // DDE time-out
    case 29: // DDE failed
    case 30: // DDE busy
    case 31: // no association
    case 32: // DLL not found
        return IDS_SHELL_ERROR_BASE + static_cast<unsigned>(nResult);
    default:
        return 0;
    }
}
