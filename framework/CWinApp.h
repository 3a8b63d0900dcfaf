// The one application object: start-up, the message loop with idle processing, the profile
// in the registry, the document template and the command line.
#pragma once

#include "CWnd.h"
#include "StandardIds.h"

#include <memory>
#include <vector>

class CSingleDocTemplate;
class CDocument;
class CCommandLineInfo;
class CRecentFileList;

class CWinApp : public CCmdTarget {
public:
    // Without a name, the application's name is string AFX_IDS_APP_TITLE. The newest
    // application object is the one AfxGetApp returns.
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // FALSE ends the program at once: the framework calls ExitInstance instead of Run.
    virtual BOOL InitInstance();
    // The message loop; at WM_QUIT returns what ExitInstance returns.
    virtual int Run();
    // Writes the recently-used-file list back and ends the shell's COM; returns the exit
    // code, the WM_QUIT code (0 when the loop never ran).
    virtual int ExitInstance();
    // Runs once each time the queue empties: tool-bar states of the main frame, then the
    // temporary window and menu objects are released. lCount counts the calls since the last
    // message; TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    // Accelerators and the like: offered to the message's window and its parents up to the
    // main window; TRUE when one of them translated it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Waits for one message and dispatches it; FALSE at WM_QUIT.
    BOOL PumpMessage();

    // Profile: HKCU\Software\<registry key>\<application name>\<section>. Without a registry
    // key set, reads give the default and writes fail.
    void SetRegistryKey(LPCWSTR lpszRegistryKey);
    // The stored REG_DWORD, or nDefault when the value is absent or of another type.
    UINT GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault);
    // The stored REG_SZ, or the default (NULL: empty) when the value is absent or of another
    // type.
    CString GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault = nullptr);
    // How many values the section holds; 0 when it does not exist.
    int GetProfileValueCount(LPCWSTR lpszSection);
    // Create the keys as needed; a NULL string deletes the value instead. On failure
    // GetLastError gives the registry's reason.
    BOOL WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue);

    // Reads the recently-used-file list of nMaxMRU entries (0: none is kept) from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void AddToRecentFileList(LPCWSTR lpszPathName);

    // The application owns its templates; new and open use the first one.
    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    // The process's command line: the first argument that is not a flag (/x or -x) names a
    // file to open. Flags are ignored.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // A new document (through the ID_FILE_NEW command) or the named file; FALSE when no main
    // window came of it.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    virtual CDocument* OpenDocumentFile(LPCWSTR lpszFileName);

    HICON LoadIcon(UINT nIDResource) const;

    void OnFileNew();
    // ID_APP_EXIT: closing the main window ends the application.
    void OnAppExit();

    LPCWSTR m_pszAppName = nullptr;     // points into m_strAppName
    LPCWSTR m_pszRegistryKey = nullptr; // null until SetRegistryKey
    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL; // the main frame's first show; -1 once it was shown
    HINSTANCE m_hInstance = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    // HKCU-relative path of a section's key.
    CString SectionKeyPath(LPCWSTR lpszSection) const;
    // The open key of a section in hKey, kept open for the next call (a list of entries is read
    // and written one value at a time); the registry's status when it cannot be opened.
    LSTATUS SectionKey(LPCWSTR lpszSection, bool bCreate, HKEY& hKey);
    // Runs access (LSTATUS(HKEY)) on the section's key, once more on a fresh key when it was
    // deleted meanwhile.
    template <typename Access>
    LSTATUS WithSectionKey(LPCWSTR lpszSection, bool bCreate, const Access& access);
    void CloseSectionKey();
    // Whether the message may have changed what idle work shows.
    bool IsIdleMessage(const MSG& msg);

    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strOpenSection;
    HKEY m_hOpenSection = nullptr;
    MSG m_msgCur = {};
    POINT m_ptLastMouse = {-1, -1};
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
