#include "CCtrlView.h"

BEGIN_MESSAGE_MAP(CCtrlView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CCtrlView::OnDraw(CDC*) {}

void CCtrlView::OnPaint() {
    Default();
}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.lpszClass = m_strClass;
    cs.style |= static_cast<LONG>(m_dwDefaultStyle);
    return CView::PreCreateWindow(cs);
}
