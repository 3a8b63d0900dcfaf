// The one application object: start-up, the message loop with idle processing, the profile
// in the registry, document templates and the command line.
#pragma once

#include "CWnd.h"

class CDocTemplate;
class CDocument;
class CCommandLineInfo;

class CWinApp : public CCmdTarget {
public:
    // Without a name, the application's name is string AFX_IDS_APP_TITLE.
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Profile: HKCU\Software\<registry key>\<application name>\<section>.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    UINT GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry,
                             LPCWSTR lpszDefault = nullptr);
    BOOL WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void AddToRecentFileList(LPCWSTR lpszPathName);
    void Enable3dControls() {}

    void AddDocTemplate(CDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    virtual CDocument* OpenDocumentFile(LPCWSTR lpszFileName);

    HICON LoadIcon(UINT nIDResource) const;

    void OnFileNew();
    void OnFileOpen();

    CString m_strAppName;
    LPCWSTR m_pszAppName = nullptr;     // points into m_strAppName
    CString m_strRegistryKey;
    LPCWSTR m_pszRegistryKey = nullptr; // empty until SetRegistryKey
    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    HINSTANCE m_hInstance = nullptr;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
