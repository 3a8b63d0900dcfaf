// A document: the data that its views show. It is created by its template, takes part in
// command routing after its views, and is closed together with the frames that show it.
#pragma once

#include "CCmdTarget.h"
#include "CString.h"

#include <vector>

class CSingleDocTemplate;
class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    // Views still attached lose their document; the template forgets it.
    ~CDocument() override;

    // Starts an empty document.
    virtual BOOL OnNewDocument();
    // Opens the file; the documents here keep no data in it. When the file cannot be opened,
    // shows the path and the system's reason and returns FALSE.
    virtual BOOL OnOpenDocument(LPCWSTR lpszPathName);
    // Destroys every frame that shows the document, then deletes the document.
    virtual void OnCloseDocument();

    const CString& GetTitle() const { return m_strTitle; }
    // Shown in the title of the frames of its views.
    virtual void SetTitle(LPCWSTR lpszTitle);
    // Takes the full path, the file's name as title, and puts it on the recently-used list.
    virtual void SetPathName(LPCWSTR lpszPathName);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }

private:
    friend class CSingleDocTemplate;
    void UpdateFrameTitles();

    CString m_strTitle;
    CString m_strPathName;
    std::vector<CView*> m_views;
    CSingleDocTemplate* m_pDocTemplate = nullptr;
};
