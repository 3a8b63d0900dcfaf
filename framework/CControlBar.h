// A bar along an edge of a frame (tool bar, status bar). The CBRS_ styles say where it lies,
// which edges get a separating line, whether it has a gripper, and how it helps with
// prompts; they are kept with the bar, not in the window style, whose bits they would clash
// with.
#pragma once

#include "CWnd.h"

class CFrameWnd;

const DWORD CBRS_ALIGN_TOP = 0x2000;
const DWORD CBRS_ALIGN_BOTTOM = 0x8000;
const DWORD CBRS_ALIGN_ANY = 0xF000; // left and right too, though bars lie along top and bottom
const DWORD CBRS_BORDER_LEFT = 0x0100;
const DWORD CBRS_BORDER_TOP = 0x0200;
const DWORD CBRS_BORDER_RIGHT = 0x0400;
const DWORD CBRS_BORDER_BOTTOM = 0x0800;
const DWORD CBRS_BORDER_ANY = 0x0F00;
const DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
const DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
const DWORD CBRS_TOOLTIPS = 0x0010;     // buttons show tips, the second line of their string
const DWORD CBRS_FLYBY = 0x0020;        // the status bar prompts for the button under the mouse
const DWORD CBRS_SIZE_DYNAMIC = 0x0004; // accepted; bars here are never resized by the user
const DWORD CBRS_GRIPPER = 0x00400000;
const DWORD CBRS_ALL = 0x0040FFFF; // every CBRS_ bit, to take out of a window style

class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    // The frame sides the bar may be docked on (CBRS_ALIGN_ bits).
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD GetDockStyle() const { return m_dwDockStyle; }

    // The height of the bar's window across a frame's width.
    virtual int CalcHeight() = 0;
    // At idle: each button asks the target's update handlers for its state.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) = 0;

    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);

protected:
    // The room around the client area for the gripper and the separating lines.
    virtual RECT NonClientInsets() const;

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;

    DECLARE_MESSAGE_MAP()
};
