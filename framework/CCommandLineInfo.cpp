#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCWSTR pszParam, BOOL bFlag, BOOL) {
    if (bFlag || m_nShellCommand == FileOpen)
        return;
    m_nShellCommand = FileOpen;
    m_strFileName = pszParam;
}
