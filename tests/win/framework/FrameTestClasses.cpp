#include "FrameTestClasses.h"

#include "FrameTestResources.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CSingleDocTemplate.h"

#include <gtest/gtest.h>

std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_TEST_VIEW, OnCommand)
ON_COMMAND(ID_TEST_DOCUMENT, OnCommand)
ON_COMMAND(ID_TEST_FRAME, OnCommand)
ON_COMMAND(ID_TEST_APP, OnCommand)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(TestDoc)
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
ON_COMMAND(ID_TEST_VIEW, OnCommand)
ON_COMMAND(ID_TEST_DOCUMENT, OnCommand)
ON_COMMAND(ID_TEST_CHECKED, OnChecked)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

BOOL TestView::s_bGuardedEnabled = TRUE;
IMPLEMENT_DYNCREATE(TestView)
BEGIN_MESSAGE_MAP(TestView, CListView)
ON_COMMAND(ID_TEST_VIEW, OnCommand)
ON_COMMAND(ID_TEST_GUARDED, OnGuarded)
ON_UPDATE_COMMAND_UI(ID_TEST_GUARDED, OnUpdateGuarded)
ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(TestFrame)
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_TEST_VIEW, OnCommand)
ON_COMMAND(ID_TEST_DOCUMENT, OnCommand)
ON_COMMAND(ID_TEST_FRAME, OnCommand)
END_MESSAGE_MAP()

int TestFrame::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const UINT indicators[] = {ID_SEPARATOR};
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, 0x50402834) ||
        !m_wndToolBar.LoadToolBar(IDR_TESTFRAME) || !m_wndStatusBar.Create(this, 0x50008200) ||
        !m_wndStatusBar.SetIndicators(indicators, 1))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

IMPLEMENT_DYNCREATE(PlainTitleFrame)

BOOL PlainTitleFrame::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!TestFrame::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~static_cast<LONG>(FWS_ADDTOTITLE);
    return TRUE;
}

void FrameTest::SetUp() {
    Calls().clear();
    TestView::s_bGuardedEnabled = TRUE;
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(TestDoc),
                                                RUNTIME_CLASS(TestFrame), RUNTIME_CLASS(TestView)));
}

void FrameTest::TearDown() {
    if (m_app.m_pMainWnd)
        m_app.m_pMainWnd->DestroyWindow();
    TakeQuitRequest();
    CWnd::DeleteTempMap();
}

TestFrame* FrameTest::StartNewDocument(int nCmdShow) {
    m_app.m_nCmdShow = nCmdShow;
    CCommandLineInfo info;
    if (!m_app.ProcessShellCommand(info))
        return nullptr;
    return dynamic_cast<TestFrame*>(m_app.m_pMainWnd);
}

bool FrameTest::TakeQuitRequest(WPARAM* pExitCode) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    if (pExitCode)
        *pExitCode = msg.wParam;
    return true;
}
