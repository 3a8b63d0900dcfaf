// The single-document template: the document, frame and view it makes from the test
// resources, the first show, titles, reuse, opening files and closing.
#include "FrameTestClasses.h"
#include "FrameTestResources.h"

#include "framework/CSingleDocTemplate.h"
#include "framework/MessageBoxHook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring WindowText(HWND hWnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hWnd, text, 256);
    return text;
}

std::wstring ClassName(HWND hWnd) {
    wchar_t name[64] = {};
    GetClassNameW(hWnd, name, 64);
    return name;
}

// A file of its own in the temporary folder, removed at the end of the test.
class ScratchFile {
public:
    explicit ScratchFile(const wchar_t* pszName) {
        wchar_t szDir[MAX_PATH];
        GetTempPathW(MAX_PATH, szDir);
        m_path = std::wstring(szDir) + pszName;
        HANDLE hFile = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(hFile);
    }
    ~ScratchFile() { DeleteFileW(m_path.c_str()); }
    const wchar_t* Path() const { return m_path.c_str(); }

private:
    std::wstring m_path;
};

using DocTemplate = FrameTest;

// A view whose control class does not exist, so that its window never comes about.
class BrokenView : public CCtrlView {
    DECLARE_DYNCREATE(BrokenView)
public:
    BrokenView() : CCtrlView(L"Wendrake.NoSuchClass", AFX_WS_DEFAULT_VIEW) {}
    ~BrokenView() override { Calls().push_back("view deleted"); }
};
IMPLEMENT_DYNCREATE(BrokenView)

TEST_F(DocTemplate, NewDocumentMakesFrameAndViewFromTheResources) {
    TestFrame* pFrame = StartNewDocument(SW_HIDE);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_STREQ(m_app.m_pszAppName, L"Wendrake Tests") << "the name comes from the resources";

    HMENU hMenu = GetMenu(*pFrame);
    ASSERT_NE(hMenu, nullptr);
    wchar_t szPopup[32] = {};
    GetMenuStringW(hMenu, 0, szPopup, 32, MF_BYPOSITION);
    EXPECT_STREQ(szPopup, L"テスト(&T)");
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(*pFrame, GCLP_HICON)),
              m_app.LoadIcon(IDR_TESTFRAME));
    EXPECT_EQ(WindowText(*pFrame), L"Scratch - Test Frame");

    auto* pView = dynamic_cast<TestView*>(pFrame->GetActiveView());
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(ClassName(*pView), L"SysListView32");
    EXPECT_EQ(GetParent(*pView), pFrame->m_hWnd);
    const DWORD dwStyle = pView->GetStyle();
    EXPECT_EQ(dwStyle & (WS_CHILD | WS_VISIBLE | WS_BORDER), WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(pView->m_nInitialUpdates, 1);
    ASSERT_NE(dynamic_cast<TestDoc*>(pView->GetDocument()), nullptr);
    EXPECT_EQ(pView->GetDocument()->GetTitle(), L"Scratch");

    // The first show follows the start-up request, and only the first.
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_EQ(m_app.m_nCmdShow, -1);
}

TEST_F(DocTemplate, TemplateStringFields) {
    CSingleDocTemplate docTemplate(IDR_TESTFRAME, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestFrame),
                                   RUNTIME_CLASS(TestView));
    CString field;
    EXPECT_TRUE(docTemplate.GetDocString(field, CSingleDocTemplate::windowTitle));
    EXPECT_EQ(field, L"Test Frame");
    EXPECT_FALSE(docTemplate.GetDocString(field, CSingleDocTemplate::docName)) << "empty field";
    EXPECT_TRUE(docTemplate.GetDocString(field, CSingleDocTemplate::regFileTypeName));
    EXPECT_EQ(field, L"Test Document");
}

TEST_F(DocTemplate, FrameWithoutAddToTitleShowsItsTitleAlone) {
    CSingleDocTemplate docTemplate(IDR_TESTFRAME, RUNTIME_CLASS(TestDoc),
                                   RUNTIME_CLASS(PlainTitleFrame), RUNTIME_CLASS(TestView));
    CDocument* pDocument = docTemplate.OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(pDocument, nullptr);
    CFrameWnd* pFrame = pDocument->GetViews().front()->GetParentFrame();
    EXPECT_EQ(WindowText(*pFrame), L"Test Frame");
    pDocument->SetTitle(L"renamed");
    EXPECT_EQ(WindowText(*pFrame), L"Test Frame");
    pDocument->OnCloseDocument();
}

TEST_F(DocTemplate, SecondNewDocumentReusesDocumentAndFrame) {
    TestFrame* pFrame = StartNewDocument(SW_SHOWNORMAL);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    CDocument* pDocument = pFrame->GetActiveDocument();
    pDocument->SetTitle(L"changed");
    EXPECT_EQ(WindowText(*pFrame), L"changed - Test Frame");

    m_app.OnFileNew();
    EXPECT_EQ(m_app.m_pMainWnd, pFrame);
    EXPECT_EQ(pFrame->GetActiveDocument(), pDocument);
    EXPECT_EQ(pDocument->GetTitle(), L"Scratch");
    EXPECT_EQ(dynamic_cast<TestView*>(pFrame->GetActiveView())->m_nInitialUpdates, 2);
}

TEST_F(DocTemplate, OpeningAFileTitlesTheDocumentWithItsName) {
    ScratchFile file(L"ウェンドレイク test.drk");
    CDocument* pDocument = m_app.OpenDocumentFile(file.Path());
    ASSERT_NE(pDocument, nullptr);
    EXPECT_EQ(pDocument->GetPathName(), file.Path());
    EXPECT_EQ(pDocument->GetTitle(), L"ウェンドレイク test.drk");
    EXPECT_EQ(WindowText(*m_app.m_pMainWnd), L"ウェンドレイク test.drk - Test Frame");
}

TEST_F(DocTemplate, FileThatCannotBeOpenedLeavesNothingBehind) {
    std::vector<std::wstring> texts;
    UINT nType = 0;
    CString caption;
    AfxSetMessageBoxHook([&](const CString& text, UINT type, const CString& boxCaption) {
        texts.push_back(static_cast<const wchar_t*>(text));
        nType = type;
        caption = boxCaption;
        return IDOK;
    });
    const wchar_t szMissing[] = L"C:\\no such folder\\missing.drk";
    EXPECT_EQ(m_app.OpenDocumentFile(szMissing), nullptr);
    AfxSetMessageBoxHook(nullptr);

    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind(std::wstring(szMissing) + L"\n", 0), 0u)
        << "the path comes first: " << std::string(texts[0].begin(), texts[0].end());
    EXPECT_GT(texts[0].size(), wcslen(szMissing) + 1) << "and then the reason";
    EXPECT_EQ(nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(caption, L"Wendrake Tests");

    // The frame was made before the open failed, and went again with its view and document,
    // without ending the application.
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"view destroyed", "frame deleted", "document deleted"}));
    EXPECT_FALSE(TakeQuitRequest());
}

TEST_F(DocTemplate, ViewThatCannotBeMadeUndoesTheWholeDocument) {
    CSingleDocTemplate docTemplate(IDR_TESTFRAME, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestFrame),
                                   RUNTIME_CLASS(BrokenView));
    EXPECT_EQ(docTemplate.OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(docTemplate.GetDocument(), nullptr);
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"view deleted", "frame deleted", "document deleted"}));
}

TEST_F(DocTemplate, ExitCommandClosesDocumentAndEndsTheApplication) {
    TestFrame* pFrame = StartNewDocument(SW_SHOWNORMAL);
    ASSERT_NE(pFrame, nullptr);
    HWND hFrame = *pFrame;
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);

    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"view destroyed", "frame deleted", "document deleted"}));
    WPARAM nExitCode = 99;
    EXPECT_TRUE(TakeQuitRequest(&nExitCode));
    EXPECT_EQ(nExitCode, 0u);
}

} // namespace
