#include "CSingleDocTemplate.h"

#include "CCreateContext.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"
#include "ResourceString.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass,
                                       const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass), m_strDocStrings(AfxLoadString(nIDResource)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    delete m_pOnlyDoc;
}

BOOL CSingleDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    return AfxExtractSubString(rString, m_strDocStrings, index) && !rString.IsEmpty();
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDocument) {
    if (m_pOnlyDoc == pDocument)
        m_pOnlyDoc = nullptr;
}

CFrameWnd* CSingleDocTemplate::CreateNewFrame(CDocument* pDocument) {
    CCmdTarget* pObject = m_pFrameClass->CreateObject();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDocument;
    // A frame that fails to load has deleted itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* pDocument = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    const bool bCreated = pDocument == nullptr;
    if (bCreated) {
        CCmdTarget* pObject = m_pDocClass->CreateObject();
        pDocument = dynamic_cast<CDocument*>(pObject);
        if (!pDocument) {
            delete pObject;
            return nullptr;
        }
        m_pOnlyDoc = pDocument;
        pDocument->m_pDocTemplate = this;
        pFrame = CreateNewFrame(pDocument);
        if (!pFrame) {
            delete pDocument;
            return nullptr;
        }
    } else if (!pDocument->GetViews().empty()) {
        pFrame = pDocument->GetViews().front()->GetParentFrame();
    }

    BOOL bReady;
    if (lpszPathName) {
        bReady = pDocument->OnOpenDocument(lpszPathName);
        if (bReady)
            pDocument->SetPathName(lpszPathName);
    } else {
        CString title;
        GetDocString(title, fileNewName);
        pDocument->SetTitle(title);
        bReady = pDocument->OnNewDocument();
    }
    if (!bReady) {
        if (bCreated) {
            pFrame->DestroyWindow();
            delete pDocument;
        }
        return nullptr;
    }

    CWinApp* pApp = AfxGetApp();
    if (bCreated && pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = pFrame;
    if (pFrame)
        pFrame->InitialUpdateFrame(bMakeVisible);
    return pDocument;
}
