// The template of a program with one document at a time: it makes the document, its frame
// (loaded from the template's resource id) and the frame's view from their run-time classes,
// and describes the document with the fields of the resource id's string.
#pragma once

#include "CString.h"

#include <windows.h>

struct CRuntimeClass;
class CDocument;
class CFrameWnd;

class CSingleDocTemplate {
public:
    // The fields of the template string, in order, separated by '\n'.
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    // Deletes the document, if one is still open.
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    // FALSE (and an empty string) when the field is absent or empty.
    BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // A new document when lpszPathName is null, else the file. The first time a document, a
    // frame and a view are made; afterwards the open document and its frame are used again.
    // Returns nullptr when the document cannot be made or opened (the file's failure is
    // shown by the document); a frame made for it is destroyed again then.
    CDocument* OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible = TRUE);

    CDocument* GetDocument() const { return m_pOnlyDoc; }
    // The document is going away (it is being deleted).
    void RemoveDocument(CDocument* pDocument);

private:
    CFrameWnd* CreateNewFrame(CDocument* pDocument);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
    CDocument* m_pOnlyDoc = nullptr;
};
