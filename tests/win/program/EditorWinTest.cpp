// The shortcut editor and its folder chooser from the program's resources, over the running
// program's window as the editing flows show them, driven as a user does: keys typed with
// SendInput, buttons clicked, the dialogs they open answered.
#include "ProgramTest.h"

#include "editor/ShortcutDlg.h"

#include <shlobj.h>

namespace {

const int kTreeId = 0x3741; // the folder dialog's tree
const WORD kCtrlAltN = MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_ALT);
// A folder with a Japanese name, at the top of the drive.
const std::wstring kFolder = L"C:\\編集 テスト";

class Editor : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
        // Wine's ID lists carry a folder's last access time, which the first listing after a
        // change moves: both folders are listed once, so that the folder dialog's tree and the
        // path it is given agree.
        CreateDirectoryW(kFolder.c_str(), nullptr);
        for (const wchar_t* pszPattern : {L"C:\\*", L"C:\\編集 テスト\\*"}) {
            WIN32_FIND_DATAW found;
            FindClose(FindFirstFileW(pszPattern, &found));
        }
    }
    static void Click(HWND hDlg, int nId) { SendDlgItemMessageW(hDlg, nId, BM_CLICK, 0, 0); }
    static void TypeHotKey(HWND hDlg, UINT nModifiers, UINT nVirtKey, WORD wExpected) {
        SetForegroundWindow(hDlg);
        SetFocus(GetDlgItem(hDlg, IDC_HOTKEY));
        EXPECT_TRUE(SendKeyCombination(nModifiers, nVirtKey));
        EXPECT_TRUE(PumpUntil([&] { return HotKey(hDlg) == wExpected; })) << HotKey(hDlg);
    }
    // Presses the editor's button with the step for what it opens queued (by default, an OK to
    // a box), and waits until that was answered and the editor, which waited for it, is back.
    void PressAndAwait(HWND hDlg, int nButton, ModalAnswers::Step step = nullptr) {
        step ? m_answers.Then(step) : m_answers.Answer(IDOK);
        PressButton(hDlg, nButton);
        EXPECT_TRUE(PumpUntil([&] { return m_answers.AllAnswered() && IsWindowEnabled(hDlg); }));
    }
    static void ChooseFolder(HWND hDlg) {
        EXPECT_NE(nullptr, GetDlgItem(hDlg, kTreeId)) << "the folder dialog";
        SendMessageW(hDlg, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(kFolder.c_str()));
        PressButton(hDlg, IDOK);
    }
    // The inputs as the user sees them: key, path, arguments, Windows check, checked radio.
    static std::wstring Shown(HWND hDlg) {
        int nChecked = 0;
        for (int nId = IDC_OP_OPENFILE; nId <= IDC_OP_NONE; ++nId)
            nChecked = IsDlgButtonChecked(hDlg, nId) ? nId : nChecked;
        return Joined(HotKey(hDlg), ItemText(hDlg, IDC_FILENAME), ItemText(hDlg, IDC_PARAMETER),
                      IsDlgButtonChecked(hDlg, IDC_WINKEY), nChecked);
    }
    // What it gives back: key, modifiers, Windows key, path, operation, arguments.
    static std::wstring Accepted(const CShortcutDlg& dlg) {
        return Joined(dlg.GetVirtualKeyCode(), dlg.GetModifiers(), dlg.GetWinKey(),
                      dlg.GetFileName(), dlg.GetOperation(), dlg.GetParameter());
    }
};

TEST_F(Editor, ShowsAnEditsValuesAndOffersTheFileDialogOrTheFolderChooserByTheOperation) {
    // The argument edit is enabled whatever the operation, until a radio button says
    // otherwise; a disabled edit's text comes back as it was.
    CShortcutDlg dlg;
    dlg.SetVirtualKeyCode(VK_INSERT);
    dlg.SetModifiers(HOTKEYF_SHIFT | HOTKEYF_EXT);
    dlg.SetWinKey(TRUE);
    dlg.SetFileName(L"C:\\前");
    dlg.SetOperation(OP_NONE);
    dlg.SetParameter(L"-x");
    const std::wstring shown =
        Joined(MAKEWORD(VK_INSERT, HOTKEYF_SHIFT | HOTKEYF_EXT), L"C:\\前|-x|1");
    // Per operation, whether the arguments are enabled, and whether Browse opened the folder
    // chooser (a tree) rather than the file dialog.
    std::wstring argumentsEnabled, folderChooser;
    m_answers.Then([&](HWND hDlg) {
        EXPECT_EQ(Shown(hDlg), Joined(shown, IDC_OP_NONE));
        argumentsEnabled = IsWindowEnabled(GetDlgItem(hDlg, IDC_PARAMETER)) ? L"1" : L"0";
        for (int nId : {IDC_OP_OPENFOLDER, IDC_OP_OPENFILE, IDC_OP_EXPLORE, IDC_OP_NONE}) {
            Click(hDlg, nId);
            argumentsEnabled += IsWindowEnabled(GetDlgItem(hDlg, IDC_PARAMETER)) ? L'1' : L'0';
            PressAndAwait(hDlg, IDC_BROWSE, [&, hDlg](HWND hOpened) {
                EXPECT_EQ(GetWindow(hOpened, GW_OWNER), hDlg) << "the editor waits";
                folderChooser += GetDlgItem(hOpened, kTreeId) ? L'1' : L'0';
                PressButton(hOpened, IDCANCEL);
            });
            EXPECT_EQ(Shown(hDlg), Joined(shown, nId));
        }
        PressAndAwait(hDlg, IDC_BROWSE, ChooseFolder);
        EXPECT_EQ(ItemText(hDlg, IDC_FILENAME), kFolder) << "the folder's full path";
        SetDlgItemTextW(hDlg, IDC_FILENAME, L""); // no path needed for doing nothing
        PressButton(hDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(Joined(argumentsEnabled, folderChooser, Accepted(dlg)), L"10100|1011|45|9|1||3|-x");
}

TEST_F(Editor, RefusesAMissingKeyOrPathKeepingEveryInputThenTakesWhatIsEntered) {
    CShortcutDlg dlg;
    m_answers.Then([&](HWND hDlg) {
        EXPECT_EQ(GetDlgItem(hDlg, IDOK), GetFocus()) << "the first tab stop";
        PressAndAwait(hDlg, IDOK); // neither key nor path
        Click(hDlg, IDC_WINKEY);
        Click(hDlg, IDC_OP_EXPLORE);
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"/s 名前");
        TypeHotKey(hDlg, MOD_CONTROL | MOD_ALT, 'N', kCtrlAltN);
        PressAndAwait(hDlg, IDOK); // a key without a path
        EXPECT_EQ(Shown(hDlg), L"1614||/s 名前|1|1006");
        SetDlgItemTextW(hDlg, IDC_FILENAME, L"  "); // blanks are a path too
        TypeHotKey(hDlg, 0, VK_SHIFT, 0);           // a modifier alone is no key
        PressAndAwait(hDlg, IDOK);
        EXPECT_EQ(Shown(hDlg), L"0|  |/s 名前|1|1006");
        TypeHotKey(hDlg, MOD_CONTROL | MOD_ALT, 'N', kCtrlAltN);
        PressButton(hDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(Accepted(dlg), L"78|6|1|  |2|/s 名前");
    const std::wstring noKey = L"キーが設定されていません。";
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  noKey, L"実行するファイル・ディレクトリが設定されていません。", noKey}));
}

} // namespace
