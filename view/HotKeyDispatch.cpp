// A hot-key press: the shortcut owning the id hands its target to the shell.
#include "engine/LaunchCommand.h"
#include "framework/AfxMessageBox.h"
#include "framework/ResourceString.h"
#include "listview/WendrakeView.h"
#include "res/resource.h"

#include <shellapi.h>

LRESULT CWendrakeView::OnHotKey(WPARAM wParam, LPARAM) {
    if (!m_bEnabled)
        return 0;
    // Ids are 0 to 0xBFFF; anything else cannot be ours.
    if (wParam > 0xBFFF)
        return 0;
    const int nIndex = FindShortcutById(static_cast<int>(wParam));
    if (nIndex == -1)
        return 0;
    const ShortcutRecord* pRecord = GetShortcutRecord(nIndex);
    const LaunchCommand command = MakeLaunchCommand(*pRecord);
    if (!command.bLaunch)
        return 0;

    const INT_PTR nResult =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, command.pszVerb, pRecord->m_strFileName,
                                                command.strParameters, nullptr, SW_SHOWNORMAL));
    if (nResult > 32)
        return 0;

    // Built before the box: its modal loop may let the table change underneath.
    CString text = pRecord->m_strFileName + AfxLoadString(IDS_LAUNCH_FAILED);
    if (const unsigned nReasonId = ShellErrorReasonId(nResult))
        text += AfxLoadString(nReasonId);
    AfxMessageBox(text, MB_OK, 0);
    return 0;
}
