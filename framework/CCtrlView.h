// A view whose window is a control of a given class (a list control, for instance): the
// control paints itself and keeps its own behaviour.
#pragma once

#include "CView.h"

class CCtrlView : public CView {
public:
    // dwStyle is added to the style the view is created with.
    CCtrlView(LPCWSTR lpszClass, DWORD dwStyle)
        : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle) {}

    // Never called: the control paints itself.
    void OnDraw(CDC* pDC) override;
    void OnPaint();

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    CString m_strClass;
    DWORD m_dwDefaultStyle;

    DECLARE_MESSAGE_MAP()
};
