// The shortcut editor and its folder chooser from the program's resources, over the running
// program's window as the editing flows show them, driven as a user does: keys typed with
// SendInput, buttons clicked, the dialogs they open answered.
#include "ProgramTest.h"

#include "editor/FolderChooser.h"
#include "editor/ShortcutDlg.h"
#include "engine/ShortcutRecord.h"
#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/SyntheticInput.h"

#include <shlobj.h>

#include <tuple>

namespace {

const int kTreeId = 0x3741, kInstructionId = 0x3742; // the folder dialog's tree and its text
const WORD kCtrlAltN = MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_ALT);

// The editor's inputs as the user sees them: key, path, arguments, Windows check, checked radio.
using Inputs = std::tuple<WORD, std::wstring, std::wstring, UINT, int>;
// What it gives back: key, modifiers, Windows key, path, operation, arguments.
using Fields = std::tuple<WORD, WORD, BOOL, std::wstring, int, std::wstring>;

class Editor : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
        // Wine's ID lists carry a folder's last access time, which the first listing after a
        // change moves: each folder on the way is listed once, so that the folder dialog's
        // tree and the path it is given agree.
        CreateDirectoryW(Folder().c_str(), nullptr);
        for (std::wstring dir = Folder(); dir.size() > 3; dir.erase(dir.rfind(L'\\'))) {
            WIN32_FIND_DATAW found;
            FindClose(FindFirstFileW((dir + L"\\*").c_str(), &found));
        }
    }
    void TearDown() override {
        RemoveDirectoryW(Folder().c_str());
        ProgramTest::TearDown();
    }
    // A folder with a Japanese name in the temporary folder.
    static std::wstring Folder() {
        wchar_t szTemp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, szTemp);
        return std::wstring(szTemp) + L"編集 テスト";
    }
    static void Click(HWND hDlg, int nId) { SendDlgItemMessageW(hDlg, nId, BM_CLICK, 0, 0); }
    static void TypeHotKey(HWND hDlg, UINT nModifiers, UINT nVirtKey, WORD wExpected) {
        SetForegroundWindow(hDlg);
        SetFocus(GetDlgItem(hDlg, IDC_HOTKEY));
        EXPECT_TRUE(SendKeyCombination(nModifiers, nVirtKey));
        EXPECT_TRUE(PumpUntil([&] { return HotKey(hDlg) == wExpected; })) << HotKey(hDlg);
    }
    // Presses the editor's button once the answer to what it opens is queued, and waits until
    // that was answered and the editor, which waited for it, is back.
    void PressAndAwait(HWND hDlg, int nButton) {
        PressButton(hDlg, nButton);
        EXPECT_TRUE(PumpUntil([&] { return m_answers.AllAnswered() && IsWindowEnabled(hDlg); }));
    }
    static void ChooseFolder(HWND hDlg) {
        EXPECT_NE(nullptr, GetDlgItem(hDlg, kTreeId)) << "the folder dialog";
        SendMessageW(hDlg, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(Folder().c_str()));
        PressButton(hDlg, IDOK);
    }
    static Inputs Shown(HWND hDlg) {
        int nChecked = 0;
        for (int nId = IDC_OP_OPENFILE; nId <= IDC_OP_NONE; ++nId)
            nChecked = IsDlgButtonChecked(hDlg, nId) ? nId : nChecked;
        return {HotKey(hDlg), ItemText(hDlg, IDC_FILENAME), ItemText(hDlg, IDC_PARAMETER),
                IsDlgButtonChecked(hDlg, IDC_WINKEY), nChecked};
    }
    static Fields Accepted(const CShortcutDlg& dlg) {
        return {dlg.GetVirtualKeyCode(), dlg.GetModifiers(),
                dlg.GetWinKey(),         static_cast<const wchar_t*>(dlg.GetFileName()),
                dlg.GetOperation(),      static_cast<const wchar_t*>(dlg.GetParameter())};
    }
};

TEST_F(Editor, OpensWithItsControlsInTabOrderAndAcceptsWhatIsEntered) {
    CShortcutDlg dlg;
    std::wstring layout;
    m_answers.Then([&](HWND hDlg) {
        wchar_t szClass[32] = {};
        for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            GetClassNameW(h, szClass, 32);
            layout += std::to_wstring(static_cast<WORD>(GetDlgCtrlID(h))) + szClass + L" ";
        }
        EXPECT_EQ(GetDlgItem(hDlg, IDOK), GetFocus()) << "the first tab stop";
        TypeHotKey(hDlg, MOD_CONTROL | MOD_ALT, 'N', kCtrlAltN);
        Click(hDlg, IDC_WINKEY);
        Click(hDlg, IDC_OP_EXPLORE);
        SetDlgItemTextW(hDlg, IDC_FILENAME, L"  "); // blanks are a path too
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"/s 名前");
        PressButton(hDlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(layout, L"1Button 2Button 65535Button 1000msctls_hotkey32 1001Button 65535Button "
                      L"1004Button 1005Button 1006Button 1007Button 1002Edit 1003Button 1008Edit "
                      L"65535Static ");
    EXPECT_EQ(Fields('N', HOTKEYF_CONTROL | HOTKEYF_ALT, TRUE, L"  ", OP_EXPLORE, L"/s 名前"),
              Accepted(dlg));
}

TEST_F(Editor, PresetValuesAndDisabledArgumentsComeBackUnchangedWhenShownAgain) {
    CShortcutDlg dlg;
    dlg.SetVirtualKeyCode(VK_INSERT);
    dlg.SetModifiers(HOTKEYF_SHIFT | HOTKEYF_EXT);
    dlg.SetOperation(OP_NONE);
    dlg.SetParameter(L"-x");
    std::vector<bool> argumentsEnabled;
    m_answers.Then([](HWND hDlg) { PressButton(hDlg, IDCANCEL); });
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    // Shown again, as after a refused registration, it opens with the same values.
    m_answers.Then([&](HWND hDlg) {
        HWND hArguments = GetDlgItem(hDlg, IDC_PARAMETER);
        argumentsEnabled.push_back(IsWindowEnabled(hArguments));
        for (int nId : {IDC_OP_OPENFOLDER, IDC_OP_OPENFILE, IDC_OP_EXPLORE, IDC_OP_NONE}) {
            Click(hDlg, nId);
            argumentsEnabled.push_back(IsWindowEnabled(hArguments));
        }
        PressButton(hDlg, IDOK); // no path needed for doing nothing
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<bool>{true, false, true, false, false}), argumentsEnabled);
    EXPECT_EQ(Fields(VK_INSERT, HOTKEYF_SHIFT | HOTKEYF_EXT, FALSE, L"", OP_NONE, L"-x"),
              Accepted(dlg));
}

TEST_F(Editor, AMissingKeyOrPathIsRefusedKeepingEveryInput) {
    CShortcutDlg dlg;
    m_answers.Then([&](HWND hDlg) {
        m_answers.Answer(IDOK);
        PressAndAwait(hDlg, IDOK); // neither key nor path
        Click(hDlg, IDC_WINKEY);
        Click(hDlg, IDC_OP_EXPLORE);
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"-x");
        TypeHotKey(hDlg, MOD_CONTROL | MOD_ALT, 'N', kCtrlAltN);
        m_answers.Answer(IDOK);
        PressAndAwait(hDlg, IDOK); // a key without a path
        EXPECT_EQ(Inputs(kCtrlAltN, L"", L"-x", BST_CHECKED, IDC_OP_EXPLORE), Shown(hDlg));
        SetDlgItemTextW(hDlg, IDC_FILENAME, L"C:\\");
        TypeHotKey(hDlg, 0, VK_SHIFT, 0); // a modifier alone is no key
        m_answers.Answer(IDOK);
        PressAndAwait(hDlg, IDOK);
        EXPECT_EQ(Inputs(0, L"C:\\", L"-x", BST_CHECKED, IDC_OP_EXPLORE), Shown(hDlg));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    const std::wstring noKey = L"キーが設定されていません。";
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  noKey, L"実行するファイル・ディレクトリが設定されていません。", noKey}));
}

TEST_F(Editor, BrowseFillsThePathFromTheFileDialogOrTheFolderChooser) {
    CShortcutDlg dlg;
    dlg.SetFileName(L"C:\\前.exe");
    HWND hEditor = nullptr;
    std::vector<std::pair<HWND, bool>> cancelled; // each one's owner, and whether it had a tree
    const auto cancel = [&](HWND hDlg) {
        cancelled.emplace_back(GetWindow(hDlg, GW_OWNER), GetDlgItem(hDlg, kTreeId) != nullptr);
        PressButton(hDlg, IDCANCEL);
    };
    m_answers.Then([&](HWND hDlg) {
        hEditor = hDlg;
        Click(hDlg, IDC_WINKEY);
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"-typed");
        for (int nId : {IDC_OP_OPENFILE, IDC_OP_OPENFOLDER, IDC_OP_EXPLORE, IDC_OP_NONE}) {
            Click(hDlg, nId);
            m_answers.Then(cancel);
            PressAndAwait(hDlg, IDC_BROWSE);
            EXPECT_EQ(Inputs(0, L"C:\\前.exe", L"-typed", BST_CHECKED, nId), Shown(hDlg));
        }
        m_answers.Then(ChooseFolder);
        PressAndAwait(hDlg, IDC_BROWSE);
        EXPECT_EQ(Inputs(0, Folder(), L"-typed", BST_CHECKED, IDC_OP_NONE), Shown(hDlg));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    // The file dialog, then the folder chooser for each other operation; the editor waits.
    EXPECT_EQ((std::vector<std::pair<HWND, bool>>{
                  {hEditor, false}, {hEditor, true}, {hEditor, true}, {hEditor, true}}),
              cancelled);
}

TEST_F(Editor, TheFolderChooserGivesAPathOnlyWhenAFolderIsChosen) {
    CFolderChooser chooser;
    std::vector<std::wstring> instructions;
    m_answers.Then([&](HWND hDlg) {
        instructions.push_back(ItemText(hDlg, kInstructionId));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(0, chooser.Browse());
    chooser.SetRootPath(L"C:\\無い\\フォルダ");
    EXPECT_EQ(0, chooser.Browse()) << "a root that cannot be parsed shows nothing";

    chooser.SetRootPath(Folder().substr(0, Folder().rfind(L'\\')).c_str());
    chooser.SetTitle(L"起動するフォルダ");
    m_answers.Then([&](HWND hDlg) {
        instructions.push_back(ItemText(hDlg, kInstructionId));
        ChooseFolder(hDlg);
    });
    EXPECT_EQ(1, chooser.Browse());
    EXPECT_EQ(Folder(), static_cast<const wchar_t*>(chooser.GetPath()));
    EXPECT_EQ((std::vector<std::wstring>{L"フォルダを選択してください", L"起動するフォルダ"}),
              instructions);
}

} // namespace
