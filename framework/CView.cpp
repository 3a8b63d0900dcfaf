#include "CView.h"

#include "CDC.h"
#include "CDocument.h"
#include "CFrameWnd.h"

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView() {
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const {
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(hWnd)))
            return pFrame;
    }
    return nullptr;
}

void CView::OnInitialUpdate() {
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CView::OnCmdMsg(UINT nID, UINT nCode, void* pExtra) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra);
}

void CView::OnPaint() {
    PAINTSTRUCT ps;
    CDC dc(BeginPaint(m_hWnd, &ps));
    OnDraw(&dc);
    EndPaint(m_hWnd, &ps);
}

BOOL CView::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!cs.lpszClass) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    return cs.lpszClass != nullptr;
}

void CView::PostNcDestroy() {
    delete this;
}
