#include "ProgramTest.h"

#include <shlobj.h>

void ProgramTest::SetUp() {
    Stored::RemoveAll();
    ClearLaunches();
}

void ProgramTest::TearDown() {
    // Steps left over were prepared for windows that never came; the close must not take them.
    const size_t nUnused = m_answers.DropUnused();
    Exit();
    // A combination the case held as another program would, even when an assertion stopped the
    // case before it let go.
    UnregisterHotKey(nullptr, 1);
    Stored::RemoveAll();
    EXPECT_EQ(nUnused, 0u) << "answers prepared for windows that never came";
    EXPECT_EQ(m_answers.Unexpected(), 0) << "boxes nobody expected: " << m_answers.Texts().size();
}

void ProgramTest::Exit() {
    // A frame that outlives its close is destroyed all the same: with its view go the hot keys
    // it registered, which the next start or case needs free.
    if (Frame() && !Close(IDYES)) {
        ADD_FAILURE() << "the frame did not close after a yes to its question";
        DestroyWindow(Frame());
    }
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
    // The answer is still there when the question never came.
    return m_answers.DropUnused() == 0 && Frame() == nullptr;
}

HWND ProgramTest::Frame() const {
    return m_pApp && m_pApp->m_pMainWnd ? m_pApp->m_pMainWnd->m_hWnd : nullptr;
}

HWND ProgramTest::View() const {
    return GetDlgItem(Frame(), AFX_IDW_PANE_FIRST);
}

std::wstring ProgramTest::Cell(int nRow, int nSubItem) const {
    wchar_t szText[1024] = {};
    ListView_GetItemText(View(), nRow < 0 ? Rows() + nRow : nRow, nSubItem, szText, 1024);
    return szText;
}

std::wstring ProgramTest::Column(int nSubItem) const {
    std::wstring texts;
    for (int i = 0; i < Rows(); ++i)
        texts += (i ? L"|" : L"") + Cell(i, nSubItem);
    return texts;
}

void ProgramTest::Select(std::initializer_list<int> rows) const {
    ListView_SetItemState(View(), -1, 0, LVIS_SELECTED);
    for (int i : rows)
        ListView_SetItemState(View(), i, LVIS_SELECTED, LVIS_SELECTED);
}

void ProgramTest::SortByColumn(int nColumn) const {
    NMLISTVIEW notify = {};
    notify.hdr = {View(), AFX_IDW_PANE_FIRST, LVN_COLUMNCLICK};
    notify.iSubItem = nColumn;
    SendMessageW(Frame(), WM_NOTIFY, AFX_IDW_PANE_FIRST, reinterpret_cast<LPARAM>(&notify));
}

UINT ProgramTest::ItemState(HMENU hPopup, UINT nID) const {
    SendMessageW(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
    return GetMenuState(hPopup, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
}

HGLOBAL ProgramTest::Drop(const std::vector<std::wstring>& names) const {
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

std::wstring ProgramTest::ItemText(HWND hDlg, int nId) {
    wchar_t szText[1024] = {};
    GetDlgItemTextW(hDlg, nId, szText, 1024);
    return szText;
}

WORD ProgramTest::HotKey(HWND hDlg) {
    return static_cast<WORD>(SendDlgItemMessageW(hDlg, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
}

ModalAnswers::Step ProgramTest::Enter(WORD wHotKey, std::wstring path, std::wstring* pShownPath) {
    return [=](HWND hDlg) {
        if (pShownPath)
            *pShownPath = ItemText(hDlg, IDC_FILENAME);
        SendDlgItemMessageW(hDlg, IDC_HOTKEY, HKM_SETHOTKEY, wHotKey, 0);
        SetDlgItemTextW(hDlg, IDC_FILENAME, path.c_str());
        PressButton(hDlg, IDOK);
    };
}

ModalAnswers::Step ProgramTest::Cancel(std::wstring* pShownPath, WORD* pShownKey) {
    return [=](HWND hDlg) {
        if (pShownPath)
            *pShownPath = ItemText(hDlg, IDC_FILENAME);
        if (pShownKey)
            *pShownKey = HotKey(hDlg);
        PressButton(hDlg, IDCANCEL);
    };
}

void ProgramTest::StoreRows(int nCount) {
    const DWORD modifierSets[] = {1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    Stored::PutCount(static_cast<DWORD>(nCount));
    for (int i = 0; i < nCount; ++i)
        Stored::Put(i, (L"C:\\" + std::to_wstring(1000 + i)).c_str(), L"", OP_NONE,
                    ('A' + i % 26) << 8 | modifierSets[i / 26]);
}

std::wstring ProgramTest::SystemText(DWORD dwError) {
    wchar_t szText[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, dwError, 0, szText, 512, nullptr);
    std::wstring text = szText;
    return text.substr(0, text.find_last_not_of(L"\r\n") + 1);
}
