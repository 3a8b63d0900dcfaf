// A main frame window: loaded from one resource id (menu, accelerators, icon, title), it
// holds a view as its client with control bars around it, routes commands to the view, the
// document, itself and the application, keeps menus and tool-bar buttons in step with the
// update handlers, and shows command prompts in its status bar.
#pragma once

#include "CWnd.h"
#include "StandardIds.h"

class CControlBar;
class CDocument;
class CView;
struct CCreateContext;

// Frame style: the title shows the document's title before the frame's own.
const DWORD FWS_ADDTOTITLE = 0x8000;

class CFrameWnd : public CWnd {
public:
    // Creates the frame window and, given a context with a view class, its view. The title is
    // the first field of string nIDResource; the menu, accelerators and icon of the same id
    // are used when they exist.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // The view in the frame's client area, and its document.
    CView* GetActiveView() const;
    CDocument* GetActiveDocument() const;

    // Once the document is ready: the views' initial update, the title and the idle text;
    // then, when bMakeVisible, the first show (the application's m_nCmdShow for the main
    // window).
    void InitialUpdateFrame(BOOL bMakeVisible);
    // -1 shows a hidden frame normally and restores a minimised one; any other value is a
    // ShowWindow command. A shown frame is brought to the top.
    virtual void ActivateFrame(int nCmdShow = -1);
    // "document - frame title" with FWS_ADDTOTITLE and a titled document, else the frame's
    // title alone.
    virtual void OnUpdateFrameTitle();
    // Bars along the top and bottom edges in creation order, the view in the rest.
    virtual void RecalcLayout();

    // The sides (CBRS_ALIGN_ bits) where the frame takes bars. DockControlBar puts the bar
    // on the top side when both the frame and the bar accept it, else on the bottom side.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar);

    // The status bar's message pane: the first line of string nID (a command's prompt, or
    // AFX_IDS_IDLEMESSAGE), or the given text.
    void SetMessageText(UINT nID);
    void SetMessageText(LPCWSTR lpszText);
    // At idle: the control bars ask the update handlers for their buttons' states.
    void OnIdleUpdateCmdUI();

    // The active view (which passes on to its document), then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra) override;
    // The frame's accelerators.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A tool-bar button's command must pass its update handler like a menu's.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Tool tips and the prompt of the highlighted tool-bar button.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    // Closes the document, which destroys the frame; without one, destroys the frame.
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    // The main window's end ends the application; the frame deletes itself.
    void PostNcDestroy() override;
    virtual BOOL OnCreateClient(LPCREATESTRUCTW lpcs, CCreateContext* pContext);
    // The view, as the frame's pane AFX_IDW_PANE_FIRST.
    CView* CreateView(CCreateContext* pContext);

    CString m_strTitle;
    UINT m_nIDHelp = 0; // the resource id the frame was loaded from
    HACCEL m_hAccelTable = nullptr;
    DWORD m_dwDockStyle = 0;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strTipText; // the tool tip being shown; the tip control reads it after we return
};
