// A view: a child window of a frame that shows a document. Views are made by their
// template's run-time class, take part in command routing before their document, and delete
// themselves when their window is gone.
#pragma once

#include "CWnd.h"

class CDC;
class CDocument;
class CFrameWnd;

// The style a frame gives the views it creates.
const DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;

class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    // The frame window the view lies in, or nullptr.
    CFrameWnd* GetParentFrame() const;

    // Once the frame and document are complete, before the frame is first shown.
    virtual void OnInitialUpdate();
    // Paints the view.
    virtual void OnDraw(CDC* pDC) = 0;

    // The view first, then its document.
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra) override;

    void OnPaint();

protected:
    ~CView() override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PostNcDestroy() override;

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
};
