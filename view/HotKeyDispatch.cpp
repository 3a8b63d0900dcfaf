// A hot-key press: the shortcut owning the id hands its target to the shell.
#include "engine/LaunchCommand.h"
#include "framework/AfxMessageBox.h"
#include "framework/ShellCom.h"
#include "view/LaunchFailure.h"
#include "view/WendrakeView.h"

#include <shellapi.h>

namespace {

// The shell refuses a path of MAX_PATH characters or more; its short form, where the file
// system keeps one, gets through.
CString ShellPath(const CString& strPath) {
    if (strPath.GetLength() < MAX_PATH)
        return strPath;
    CString strShort;
    const DWORD nLength = GetShortPathNameW(strPath, nullptr, 0);
    if (nLength == 0 ||
        GetShortPathNameW(strPath, strShort.GetBuffer(static_cast<int>(nLength)), nLength) == 0)
        return strPath;
    strShort.ReleaseBuffer();
    return strShort.GetLength() < MAX_PATH ? strShort : strPath;
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

    AfxStartShellCom();
    const INT_PTR nResult =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, command.pszVerb, ShellPath(strFileName),
                                                command.strParameters, nullptr, SW_SHOWNORMAL));
    if (nResult <= 32)
        AfxMessageBox(LaunchFailureText(strFileName, nResult), MB_OK, 0);
    return 0;
}
