#include "ShellFixture.h"

#include "app/WendrakeDoc.h"
#include "engine/ProfileNames.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/MessageBoxHook.h"
#include "res/resource.h"

ShellFixture::ShellFixture() : m_stored(m_scratch.Path() + L"\\Wendrake\\" + kShortcutSection) {}

void ShellFixture::SetUp() {
    // The scratch key's path below HKCU\Software becomes the profile's registry key.
    m_app.SetRegistryKey(static_cast<const wchar_t*>(m_scratch.Path()) + wcslen(L"Software\\"));
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CWendrakeDoc),
                                                RUNTIME_CLASS(CMainFrame),
                                                RUNTIME_CLASS(CWendrakeView)));
    AfxSetMessageBoxHook([this](const CString& text, UINT nType, const CString&) {
        m_boxes.push_back(static_cast<const wchar_t*>(text));
        m_boxTypes.push_back(nType);
        return m_nAnswer;
    });
}

void ShellFixture::TearDown() {
    if (m_app.m_pMainWnd)
        m_app.m_pMainWnd->DestroyWindow();
    TakeQuitRequest();
    AfxSetMessageBoxHook(nullptr);
    CWnd::DeleteTempMap();
}

CMainFrame* ShellFixture::Start() {
    m_app.m_nCmdShow = SW_HIDE;
    CCommandLineInfo info;
    if (!m_app.ProcessShellCommand(info))
        return nullptr;
    m_pFrame = dynamic_cast<CMainFrame*>(m_app.m_pMainWnd);
    if (m_pFrame)
        m_pFrame->ShowWindow(SW_HIDE);
    return m_pFrame;
}

CWendrakeView* ShellFixture::View() const {
    return m_pFrame ? dynamic_cast<CWendrakeView*>(m_pFrame->GetActiveView()) : nullptr;
}

bool ShellFixture::TakeQuitRequest() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}
