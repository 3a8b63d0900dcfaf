#include "app/WendrakeApp.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/WendrakeDoc.h"
#include "framework/AfxMessageBox.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CSingleDocTemplate.h"
#include "res/resource.h"
#include "view/WendrakeView.h"

const wchar_t kInstanceMutexName[] = L"Wendrake - Orlam Software";

BEGIN_MESSAGE_MAP(CWendrakeApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

CWendrakeApp::CWendrakeApp() : m_pMutex(nullptr) {}

BOOL CWendrakeApp::InitInstance() {
    m_pMutex = new CMutex(FALSE, kInstanceMutexName);
    if (!m_pMutex->Lock(0)) {
        delete m_pMutex;
        m_pMutex = nullptr;
        return FALSE;
    }

    // The profile must be set before the view loads the shortcuts from it.
    SetRegistryKey(L"Orlam Software");
    LoadStdProfileSettings(5);

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CWendrakeDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CWendrakeView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    // The program lives in the notification area: the frame is never shown at start.
    m_nCmdShow = SW_HIDE;
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_HIDE);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CWendrakeApp::ExitInstance() {
    if (m_pMutex) {
        m_pMutex->Unlock();
        delete m_pMutex;
        m_pMutex = nullptr;
    } else {
        AfxMessageBox(IDS_ALREADY_RUNNING, MB_OK, 0);
    }
    return CWinApp::ExitInstance();
}

void CWendrakeApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
