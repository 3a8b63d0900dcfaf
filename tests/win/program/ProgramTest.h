// The program as it runs, inside the test's own process: the application object started as the
// program starts (the single-instance lock, the profile under HKCU\Software\Orlam Software, the
// document with its hidden frame and list view, the stored shortcuts loaded), its boxes and
// dialogs answered through m_answers. It brings the vocabulary the program's tests share.
#pragma once

#include "app/WendrakeApp.h"
#include "engine/ProfileNames.h"
#include "engine/ShortcutRecord.h"
#include "res/resource.h"
#include "support/Joined.h"
#include "support/MessagePump.h"
#include "support/RecorderOutput.h"
#include "support/StoredShortcuts.h"
#include "support/SyntheticInput.h"
#include "support/ModalAnswers.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// The question every quit asks first.
inline const std::wstring kQuitQuestion =
    L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？";

class ProgramTest : public ::testing::Test {
public:
    // What a dialog's control shows; the key in the editor's hot-key control.
    static std::wstring ItemText(HWND hDlg, int nId) {
        wchar_t szText[1024] = {};
        GetDlgItemTextW(hDlg, nId, szText, 1024);
        return szText;
    }
    static WORD HotKey(HWND hDlg) {
        return static_cast<WORD>(SendDlgItemMessageW(hDlg, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
    }
    // An editor's part: the key and the path entered, then OK; the path it showed first is kept.
    static ModalAnswers::Step Enter(WORD wHotKey, std::wstring path,
                                    std::wstring* pShownPath = nullptr) {
        return [=](HWND hDlg) {
            if (pShownPath)
                *pShownPath = ItemText(hDlg, IDC_FILENAME);
            SendDlgItemMessageW(hDlg, IDC_HOTKEY, HKM_SETHOTKEY, wHotKey, 0);
            SetDlgItemTextW(hDlg, IDC_FILENAME, path.c_str());
            PressButton(hDlg, IDOK);
        };
    }
    // An editor's part: Cancel, keeping the path and the key it showed.
    static ModalAnswers::Step Cancel(std::wstring* pShownPath = nullptr,
                                     WORD* pShownKey = nullptr) {
        return [=](HWND hDlg) {
            if (pShownPath)
                *pShownPath = ItemText(hDlg, IDC_FILENAME);
            if (pShownKey)
                *pShownKey = HotKey(hDlg);
            PressButton(hDlg, IDCANCEL);
        };
    }
    // The system's text for an error, as the program shows it.
    static std::wstring SystemText(DWORD dwError) {
        wchar_t szText[512] = {};
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, dwError, 0, szText, 512, nullptr);
        const std::wstring text = szText;
        return text.substr(0, text.find_last_not_of(L"\r\n") + 1);
    }

protected:
    void SetUp() override {
        Stored::RemoveAll();
        ClearLaunches();
    }
    // Quits the program if it still runs, answering yes, and ends the application; fails the
    // case for every prepared answer that no window took.
    void TearDown() override {
        // Steps left over were prepared for windows that never came; the close must not take
        // them.
        const size_t nUnused = m_answers.DropUnused();
        Exit();
        // A combination the case held as another program would, even when an assertion stopped
        // the case before it let go.
        UnregisterHotKey(nullptr, 1);
        Stored::RemoveAll();
        EXPECT_EQ(nUnused, 0u) << "answers prepared for windows that never came";
        EXPECT_EQ(TakeLaunch(0), L"") << "a launch that no check took";
        EXPECT_EQ(m_answers.Unexpected(), 0)
            << "boxes nobody expected: " << m_answers.Texts().size();
    }

    // Starts the application, after ending one that runs; false when its start failed.
    bool Start() {
        Exit();
        m_pApp = std::make_unique<CWendrakeApp>();
        return m_pApp->InitInstance() != FALSE;
    }
    // Closes the frame, answering the question and any box after it with the answers; true when
    // each answer was taken and the frame is gone. Answers still queued are dropped.
    bool Close(std::initializer_list<int> answers = {IDYES}) {
        for (int nAnswer : answers)
            m_answers.Answer(nAnswer);
        SendMessageW(Frame(), WM_CLOSE, 0, 0);
        // The frame's end asks the loop to end; the test's loop goes on.
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        // The answer is still there when the question never came.
        return m_answers.DropUnused() == 0 && Frame() == nullptr;
    }
    // Closes the frame if it is open and ends the application, which lets go of its lock and its
    // hot keys. A frame that outlives its close fails the case and is destroyed all the same:
    // with its view go the hot keys it registered, which the next start or case needs free.
    void Exit() {
        if (Frame() && !Close()) {
            ADD_FAILURE() << "the frame did not close after a yes to its question";
            DestroyWindow(Frame());
        }
        if (m_pApp)
            m_pApp->ExitInstance();
        m_pApp.reset();
    }
    // The window shown from the notification area, active, with the keyboard in the list.
    void ShowAndFocus() const {
        Command(ID_TRAY_SHOWWINDOW);
        SetForegroundWindow(Frame());
        SetFocus(View());
    }
    // A command as a menu sends it.
    void Command(UINT nID) const { SendMessageW(Frame(), WM_COMMAND, nID, 0); }
    HWND Frame() const {
        return m_pApp && m_pApp->m_pMainWnd ? m_pApp->m_pMainWnd->m_hWnd : nullptr;
    }
    HWND View() const { return GetDlgItem(Frame(), AFX_IDW_PANE_FIRST); }
    int Rows() const { return ListView_GetItemCount(View()); }
    // One row's text (-1: the last row's); the column's texts from the top, joined by '|'.
    std::wstring Cell(int nRow, int nSubItem) const {
        wchar_t szText[1024] = {};
        ListView_GetItemText(View(), nRow < 0 ? Rows() + nRow : nRow, nSubItem, szText, 1024);
        return szText;
    }
    std::wstring Column(int nSubItem) const {
        std::wstring texts;
        for (int i = 0; i < Rows(); ++i)
            texts += (i ? L"|" : L"") + Cell(i, nSubItem);
        return texts;
    }
    void Select(std::initializer_list<int> rows) const {
        ListView_SetItemState(View(), -1, 0, LVIS_SELECTED);
        for (int i : rows)
            ListView_SetItemState(View(), i, LVIS_SELECTED, LVIS_SELECTED);
    }
    // A click on the column's header, as the list reports it.
    void SortByColumn(int nColumn) const {
        NMLISTVIEW notify = {};
        notify.hdr = {View(), AFX_IDW_PANE_FIRST, LVN_COLUMNCLICK};
        notify.iSubItem = nColumn;
        SendMessageW(Frame(), WM_NOTIFY, AFX_IDW_PANE_FIRST, reinterpret_cast<LPARAM>(&notify));
    }
    // MF_GRAYED and MF_CHECKED of a menu's item, once the frame has updated the pop-up.
    UINT ItemState(HMENU hPopup, UINT nID) const {
        SendMessageW(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
        return GetMenuState(hPopup, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
    }
    // Files dropped on the list as the shell drops them; the drop handle is returned, for the
    // test to see it released.
    HGLOBAL Drop(const std::vector<std::wstring>& names) const {
        std::wstring list;
        for (const std::wstring& name : names)
            list += name + L'\0';
        const size_t cbList = (list.size() + 1) * sizeof(wchar_t);
        HGLOBAL hDrop = GlobalAlloc(GHND, sizeof(DROPFILES) + cbList);
        auto* pFiles = static_cast<DROPFILES*>(GlobalLock(hDrop));
        *pFiles = {sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
        memcpy(pFiles + 1, list.c_str(), cbList);
        GlobalUnlock(hDrop);
        SendMessageW(View(), WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
        return hDrop;
    }

    ModalAnswers m_answers;

private:
    std::unique_ptr<CWendrakeApp> m_pApp;
};
