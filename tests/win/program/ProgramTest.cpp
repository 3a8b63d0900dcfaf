#include "ProgramTest.h"

#include "framework/CListCtrl.h"
#include "res/resource.h"
#include "support/StoredShortcuts.h"

void ProgramTest::SetUp() {
    StoredShortcuts::RemoveAll();
}

void ProgramTest::TearDown() {
    Exit();
    StoredShortcuts::RemoveAll();
    EXPECT_EQ(m_answers.Unexpected(), 0) << "boxes nobody expected: " << m_answers.Texts().size();
}

void ProgramTest::Exit() {
    if (Frame())
        Close(IDYES);
    if (m_pApp)
        m_pApp->ExitInstance();
    m_pApp.reset();
}

bool ProgramTest::Start() {
    Exit();
    m_pApp = std::make_unique<CWendrakeApp>();
    return m_pApp->InitInstance() != FALSE;
}

bool ProgramTest::Close(int nAnswer) {
    m_answers.Answer(nAnswer);
    SendMessageW(Frame(), WM_CLOSE, 0, 0);
    // The frame's end asks the loop to end; the test's loop goes on.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return Frame() == nullptr;
}

HWND ProgramTest::Frame() const {
    return m_pApp && m_pApp->m_pMainWnd ? m_pApp->m_pMainWnd->m_hWnd : nullptr;
}

HWND ProgramTest::View() const {
    return GetDlgItem(Frame(), AFX_IDW_PANE_FIRST);
}

std::vector<std::wstring> ProgramTest::Column(int nSubItem) const {
    const CListCtrl list(View());
    std::vector<std::wstring> texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts.emplace_back(list.GetItemText(i, nSubItem));
    return texts;
}

void ProgramTest::Select(std::initializer_list<int> rows) const {
    CListCtrl list(View());
    list.SetItemState(-1, 0, LVIS_SELECTED);
    for (int i : rows)
        list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
}

UINT ProgramTest::ItemState(HMENU hPopup, UINT nID) const {
    SendMessageW(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    return GetMenuState(hPopup, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
}

std::wstring ProgramTest::ItemText(HWND hDlg, int nId) {
    wchar_t szText[1024] = {};
    GetDlgItemTextW(hDlg, nId, szText, 1024);
    return szText;
}

WORD ProgramTest::HotKey(HWND hDlg) {
    return static_cast<WORD>(SendDlgItemMessageW(hDlg, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
}
