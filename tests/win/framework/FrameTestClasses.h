// An application, document, frame and list view as a program defines them, for the tests
// of the document template, command routing and the frame. Every handler writes what ran
// into Calls().
#pragma once

#include "framework/CCmdUI.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CListView.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

std::vector<std::string>& Calls();

class TestApp : public CWinApp {
public:
    void OnCommand() { Calls().push_back("app"); }
    DECLARE_MESSAGE_MAP()
};

class TestDoc : public CDocument {
    DECLARE_DYNCREATE(TestDoc)
public:
    ~TestDoc() override { Calls().push_back("document deleted"); }
    void OnCommand() { Calls().push_back("document"); }
    void OnChecked() { Calls().push_back("checked"); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

class TestView : public CListView {
    DECLARE_DYNCREATE(TestView)
public:
    static BOOL s_bGuardedEnabled;
    int m_nInitialUpdates = 0;

    void OnInitialUpdate() override {
        CListView::OnInitialUpdate();
        ++m_nInitialUpdates;
    }
    void OnCommand() { Calls().push_back("view"); }
    void OnGuarded() { Calls().push_back("guarded"); }
    void OnUpdateGuarded(CCmdUI* pCmdUI) { pCmdUI->Enable(s_bGuardedEnabled); }
    void OnDestroy() {
        Calls().push_back("view destroyed");
        CListView::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

// Builds its bars as the program's main frame does.
class TestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    ~TestFrame() override { Calls().push_back("frame deleted"); }
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnCommand() { Calls().push_back("frame"); }

    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    DECLARE_MESSAGE_MAP()
};

// A frame whose title never shows the document's.
class PlainTitleFrame : public TestFrame {
    DECLARE_DYNCREATE(PlainTitleFrame)
protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
};

// A test's application with the test frame's template registered, and the window and
// quit request that a test's frame leaves behind cleared again.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A new document, frame and view through the start-up command; the frame, or nullptr.
    TestFrame* StartNewDocument(int nCmdShow = SW_HIDE);
    // Whether the application was asked to end, with which code; the request is taken.
    static bool TakeQuitRequest(WPARAM* pExitCode = nullptr);

    TestApp m_app;
};
