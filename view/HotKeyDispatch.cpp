// A hot-key press: the shortcut owning the id hands its target to the shell.
#include "engine/LaunchCommand.h"
#include "engine/ShellPath.h"
#include "framework/AfxMessageBox.h"
#include "framework/ShellCom.h"
#include "view/LaunchFailure.h"
#include "view/WendrakeView.h"

#include <shellapi.h>

namespace {

// The short form the file system keeps of a path, as GetShortPathNameW answers; false when the
// path names nothing. Where no 8.3 names are kept, the answer holds the long names.
bool GetShortForm(const CString& strPath, CString& strShort) {
    const DWORD nLength = GetShortPathNameW(strPath, nullptr, 0);
    if (nLength == 0)
        return false;
    const DWORD nWritten =
        GetShortPathNameW(strPath, strShort.GetBuffer(static_cast<int>(nLength)), nLength);
    // A path renamed between the calls may need more room than the first answer gave.
    const bool bWritten = nWritten != 0 && nWritten < nLength;
    strShort.ReleaseBuffer(bWritten ? static_cast<int>(nWritten) : 0);
    return bWritten;
}

// What a press says of a target the shell cannot take. A file that is not there has no short
// form either: for it the truth is what the shell says of a missing file at a shorter path, and
// the shell, which cannot take this path, is not asked. A file that is there, or whose presence
// cannot be told, is too long to open, and the user is told what to do about it.
CString NoShellPathText(const CString& strTarget) {
    const DWORD dwError =
        GetFileAttributesW(WithLongPathPrefix(strTarget)) == INVALID_FILE_ATTRIBUTES
            ? GetLastError()
            : ERROR_SUCCESS;
    // The shell's results for these are the same numbers.
    if (dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND)
        return LaunchFailureText(strTarget, static_cast<INT_PTR>(dwError));
    return TargetTooLongText(strTarget);
}

} // namespace

LRESULT CWendrakeView::OnHotKey(WPARAM wParam, LPARAM) {
    // Ids are 0 to 0xBFFF; anything else cannot be ours.
    if (!m_bEnabled || wParam > static_cast<WPARAM>(kLastHotKeyId))
        return 0;
    const int nIndex = FindShortcutById(static_cast<int>(wParam));
    if (nIndex == -1)
        return 0;
    // Copies: the shell may run messages while it works (its own boxes, DDE), and a Delete or a
    // quit among them would free the record.
    const ShortcutRecord& record = *GetShortcutRecord(nIndex);
    const CString strFileName = record.m_strFileName;
    const LaunchCommand command = MakeLaunchCommand(record);
    if (!command.bLaunch)
        return 0;

    CString strShellPath;
    if (!MakeShellPath(strFileName, GetShortForm, strShellPath)) {
        AfxMessageBox(NoShellPathText(strFileName), MB_OK, 0);
        return 0;
    }
    AfxStartShellCom();
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, command.pszVerb, strShellPath, command.strParameters, nullptr, SW_SHOWNORMAL));
    if (nResult <= 32)
        AfxMessageBox(LaunchFailureText(strFileName, nResult), MB_OK, 0);
    return 0;
}
