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

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class ProgramTest : public ::testing::Test {
public:
    // What a dialog's control shows; the key in the editor's hot-key control.
    static std::wstring ItemText(HWND hDlg, int nId);
    static WORD HotKey(HWND hDlg);
    // An editor's part: the key and the path entered, then OK; the path it showed first is kept.
    static ModalAnswers::Step Enter(WORD wHotKey, std::wstring path,
                                    std::wstring* pShownPath = nullptr);
    // An editor's part: Cancel, keeping the path and the key it showed.
    static ModalAnswers::Step Cancel(std::wstring* pShownPath = nullptr, WORD* pShownKey = nullptr);
    // The system's text for an error, as the program shows it.
    static std::wstring SystemText(DWORD dwError);
    // Stored rows doing nothing for C:\1000, C:\1001, ..., on letters with every set of
    // modifiers but Ctrl and Ctrl+Alt, which the program's own keys and the tests' use.
    static void StoreRows(int nCount);

protected:
    void SetUp() override;
    // Quits the program if it still runs, answering yes, and ends the application; fails the
    // case for every prepared answer that no window took.
    void TearDown() override;

    // Starts the application, after ending one that runs; false when its start failed.
    bool Start();
    // Closes the frame, answering the question with nAnswer; true when the question came and the
    // frame is gone. Answers still queued are dropped.
    bool Close(int nAnswer = IDYES);
    // Closes the frame if it is open (destroys it if the close fails, which fails the case) and
    // ends the application, which lets go of its lock and its hot keys.
    void Exit();
    // A command as a menu sends it.
    void Command(UINT nID) const { SendMessageW(Frame(), WM_COMMAND, nID, 0); }
    HWND Frame() const;
    HWND View() const;
    int Rows() const { return ListView_GetItemCount(View()); }
    // The column's texts from the top, joined by '|'; one row's text (-1: the last row's).
    std::wstring Column(int nSubItem) const;
    std::wstring Cell(int nRow, int nSubItem) const;
    void Select(std::initializer_list<int> rows) const;
    // A click on the column's header, as the list reports it.
    void SortByColumn(int nColumn) const;
    // MF_GRAYED and MF_CHECKED of a menu's item, once the frame has updated the pop-up.
    UINT ItemState(HMENU hPopup, UINT nID) const;
    // Files dropped on the list as the shell drops them; the drop handle is returned, for the
    // test to see it released.
    HGLOBAL Drop(const std::vector<std::wstring>& names) const;

    ModalAnswers m_answers;

private:
    std::unique_ptr<CWendrakeApp> m_pApp;
};
