#include "CDocument.h"

#include "AfxMessageBox.h"
#include "CFrameWnd.h"
#include "CSingleDocTemplate.h"
#include "CView.h"
#include "CWinApp.h"
#include "SystemErrorText.h"

#include <algorithm>

CDocument::~CDocument() {
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument() {
    m_strPathName.Empty();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCWSTR lpszPathName) {
    HANDLE hFile = CreateFileW(lpszPathName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        const DWORD dwError = GetLastError();
        CString reason = AfxGetSystemErrorText(dwError);
        if (reason.IsEmpty())
            reason.Format(L"%lu", dwError);
        AfxMessageBox(CString(lpszPathName) + L"\n" + reason, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // Documents here keep nothing in their files: opening it is all the reading there is.
    CloseHandle(hFile);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // Destroying a frame destroys its views, which leave m_views as they go: collect first.
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_views) {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    for (CFrameWnd* pFrame : frames)
        pFrame->DestroyWindow();
    delete this;
}

void CDocument::SetTitle(LPCWSTR lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameTitles();
}

void CDocument::SetPathName(LPCWSTR lpszPathName) {
    const DWORD nLength = GetFullPathNameW(lpszPathName, 0, nullptr, nullptr);
    if (nLength > 0 &&
        GetFullPathNameW(lpszPathName, nLength, m_strPathName.GetBuffer(static_cast<int>(nLength)),
                         nullptr) > 0)
        m_strPathName.ReleaseBuffer();
    else
        m_strPathName = lpszPathName;
    const wchar_t* pszName = wcsrchr(m_strPathName, L'\\');
    SetTitle(pszName ? pszName + 1 : static_cast<LPCWSTR>(m_strPathName));
    if (AfxGetApp())
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView) {
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    pView->m_pDocument = nullptr;
}

void CDocument::UpdateFrameTitles() {
    for (CView* pView : m_views) {
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->OnUpdateFrameTitle();
    }
}
