// What the command line asks the application to do at start: a new document, or to open
// the file it names.
#pragma once

#include "CString.h"

#include <windows.h>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen };

    virtual ~CCommandLineInfo() = default;

    // One argument, without its leading '/' or '-' when bFlag is set. The first plain
    // argument is the file to open; flags and further arguments are ignored.
    virtual void ParseParam(LPCWSTR pszParam, BOOL bFlag, BOOL bLast);

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
};
