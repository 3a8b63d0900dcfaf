// The application's documents: its template, the command line at start, a new document.
#include "CWinApp.h"

#include "CCommandLineInfo.h"
#include "CSingleDocTemplate.h"

#include <shellapi.h>

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate) {
    m_templates.emplace_back(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    int nArgs = 0;
    LPWSTR* ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    if (!ppArgs)
        return;
    for (int i = 1; i < nArgs; ++i) { // the program's own name comes first
        LPCWSTR pszParam = ppArgs[i];
        const BOOL bFlag = pszParam[0] == L'/' || pszParam[0] == L'-';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i + 1 == nArgs);
    }
    LocalFree(ppArgs);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    if (rCmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen)
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    // Through the command, so that the program's own handler of ID_FILE_NEW takes part.
    if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr))
        OnFileNew();
    return m_pMainWnd != nullptr;
}

CDocument* CWinApp::OpenDocumentFile(LPCWSTR lpszFileName) {
    return m_templates.empty() ? nullptr : m_templates.front()->OpenDocumentFile(lpszFileName);
}

void CWinApp::OnFileNew() {
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}
