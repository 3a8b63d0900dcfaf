// The shortcut editor and its folder chooser from the program's resources, driven as a user
// does: keys typed with SendInput, buttons clicked, the dialogs they open answered.
#include "editor/FolderChooser.h"
#include "editor/ShortcutDlg.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/ModalAnswers.h"
#include "support/SyntheticInput.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const int kTreeId = 0x3741;        // the folder dialog's tree of folders
const int kInstructionId = 0x3742; // the text above it
const WORD kCtrlAltN = MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_ALT);

// A folder with a Japanese name in the temporary folder, there while the tests run.
const std::wstring& ScratchFolder() {
    static const std::wstring folder = [] {
        wchar_t szTemp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, szTemp);
        return std::wstring(szTemp) + L"編集 テスト";
    }();
    return folder;
}

// As in the program: COM ready for the shell's folder dialog, and a main window that owns the
// editor, which in turn owns the windows it opens.
class EditorEnvironment : public ::testing::Environment {
    void SetUp() override {
        CreateDirectoryW(ScratchFolder().c_str(), nullptr);
        // Wine's ID lists carry a folder's last access time, which the first listing after a
        // change moves: list each folder on the way once, so that the folder dialog's tree and
        // the path it is given agree.
        for (std::wstring dir = ScratchFolder(); dir.size() > 3; dir.erase(dir.rfind(L'\\'))) {
            WIN32_FIND_DATAW found;
            FindClose(FindFirstFileW((dir + L"\\*").c_str(), &found));
        }
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        m_mainWnd.CreateEx(0, AfxRegisterWndClass(0), L"main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                           nullptr, nullptr);
        m_app.m_pMainWnd = &m_mainWnd;
    }
    void TearDown() override { RemoveDirectoryW(ScratchFolder().c_str()); }
    CWinApp m_app{L"Wendrake"};
    CWnd m_mainWnd;
};
const auto* const g_pEnvironment = ::testing::AddGlobalTestEnvironment(new EditorEnvironment);

std::wstring Text(HWND hWnd, int nId) {
    wchar_t szText[MAX_PATH] = {};
    GetDlgItemTextW(hWnd, nId, szText, MAX_PATH);
    return szText;
}
WORD HotKey(HWND hDlg) {
    return static_cast<WORD>(SendDlgItemMessageW(hDlg, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
}
// A click on a check box or radio button: it changes its state and tells the dialog.
void Click(HWND hDlg, int nId) {
    SendDlgItemMessageW(hDlg, nId, BM_CLICK, 0, 0);
}

// Typed into the hot-key control; waits until the control holds the expected value.
void TypeHotKey(HWND hDlg, UINT nModifiers, UINT nVirtKey, WORD wExpected) {
    SetForegroundWindow(hDlg);
    SetFocus(GetDlgItem(hDlg, IDC_HOTKEY));
    EXPECT_TRUE(SendKeyCombination(nModifiers, nVirtKey));
    EXPECT_TRUE(PumpUntil([&] { return HotKey(hDlg) == wExpected; })) << HotKey(hDlg);
}

// Presses the editor's button once the answer to what it opens is queued, and waits until
// that was answered and the editor, which it kept disabled, is back.
void PressAndAwait(const ModalAnswers& answers, HWND hDlg, int nButton) {
    PressButton(hDlg, nButton);
    EXPECT_TRUE(PumpUntil([&] { return answers.AllAnswered() && IsWindowEnabled(hDlg); }));
}

// OK as a step's last action. A refusal would leave the editor open for good: it fails the
// test and cancels instead.
void PressOK(HWND hDlg) {
    PressButton(hDlg, IDOK);
    if (!PumpUntil([&] { return !IsWindowVisible(hDlg); }))
        PressButton(hDlg, IDCANCEL);
}

// Chooses the scratch folder in the folder dialog, as a click in its tree and on OK would.
void ChooseFolder(HWND hDlg) {
    EXPECT_NE(nullptr, GetDlgItem(hDlg, kTreeId)) << "the folder dialog";
    SendMessageW(hDlg, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(ScratchFolder().c_str()));
    PressButton(hDlg, IDOK);
}

// The editor's inputs as the user sees them: key, path, arguments, Windows check, checked radio.
using Inputs = std::tuple<WORD, std::wstring, std::wstring, UINT, int>;
Inputs Shown(HWND hDlg) {
    int nChecked = 0;
    for (int nId = IDC_OP_OPENFILE; nId <= IDC_OP_NONE; ++nId)
        nChecked = IsDlgButtonChecked(hDlg, nId) ? nId : nChecked;
    return {HotKey(hDlg), Text(hDlg, IDC_FILENAME), Text(hDlg, IDC_PARAMETER),
            IsDlgButtonChecked(hDlg, IDC_WINKEY), nChecked};
}

// What the editor gives back: key, modifiers, Windows key, path, operation, arguments.
using Fields = std::tuple<WORD, WORD, BOOL, std::wstring, int, std::wstring>;
Fields Accepted(const CShortcutDlg& dlg) {
    return {dlg.GetVirtualKeyCode(), dlg.GetModifiers(),
            dlg.GetWinKey(),         static_cast<const wchar_t*>(dlg.GetFileName()),
            dlg.GetOperation(),      static_cast<const wchar_t*>(dlg.GetParameter())};
}

TEST(ShortcutEditor, OpensWithItsControlsInTabOrderAndAcceptsWhatIsEntered) {
    CShortcutDlg dlg;
    std::vector<int> ids;
    std::vector<std::wstring> classes;
    ModalAnswers answers;
    answers.Then([&](HWND hDlg) {
        wchar_t szClass[32] = {};
        for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            GetClassNameW(h, szClass, 32);
            ids.push_back(static_cast<WORD>(GetDlgCtrlID(h)));
            classes.push_back(szClass);
        }
        EXPECT_EQ(GetDlgItem(hDlg, IDOK), GetFocus()) << "the first tab stop";
        TypeHotKey(hDlg, MOD_CONTROL | MOD_ALT, 'N', kCtrlAltN);
        Click(hDlg, IDC_WINKEY);
        Click(hDlg, IDC_OP_EXPLORE);
        SetDlgItemTextW(hDlg, IDC_FILENAME, L"  "); // blanks are a path too
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"/s 名前");
        PressOK(hDlg);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    const int kStatic = 0xFFFF;
    EXPECT_EQ((std::vector<int>{IDOK, IDCANCEL, kStatic, IDC_HOTKEY, IDC_WINKEY, kStatic,
                                IDC_OP_OPENFILE, IDC_OP_OPENFOLDER, IDC_OP_EXPLORE, IDC_OP_NONE,
                                IDC_FILENAME, IDC_BROWSE, IDC_PARAMETER, kStatic}),
              ids);
    const std::wstring kButton = L"Button";
    EXPECT_EQ((std::vector<std::wstring>{kButton, kButton, kButton, L"msctls_hotkey32", kButton,
                                         kButton, kButton, kButton, kButton, kButton, L"Edit",
                                         kButton, L"Edit", L"Static"}),
              classes);
    EXPECT_EQ(Fields('N', HOTKEYF_CONTROL | HOTKEYF_ALT, TRUE, L"  ", OP_EXPLORE, L"/s 名前"),
              Accepted(dlg));
    EXPECT_EQ(0, answers.Unexpected());
}

TEST(ShortcutEditor, PresetKeyAndDisabledArgumentsComeBackUnchangedWhenShownAgain) {
    CShortcutDlg dlg;
    dlg.SetVirtualKeyCode(VK_INSERT);
    dlg.SetModifiers(HOTKEYF_SHIFT | HOTKEYF_EXT);
    dlg.SetOperation(OP_NONE);
    dlg.SetParameter(L"-x");
    std::vector<bool> argumentsEnabled;
    ModalAnswers answers;
    answers.Then([](HWND hDlg) { PressButton(hDlg, IDCANCEL); });
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    // Shown again, as after a refused registration, it opens with the same values.
    answers.Then([&](HWND hDlg) {
        HWND hArguments = GetDlgItem(hDlg, IDC_PARAMETER);
        argumentsEnabled.push_back(IsWindowEnabled(hArguments));
        for (int nId :
             {IDC_OP_OPENFOLDER, IDC_OP_OPENFILE, IDC_OP_EXPLORE, IDC_OP_OPENFILE, IDC_OP_NONE}) {
            Click(hDlg, nId);
            argumentsEnabled.push_back(IsWindowEnabled(hArguments));
        }
        PressOK(hDlg); // no path needed for doing nothing
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<bool>{true, false, true, false, true, false}), argumentsEnabled);
    EXPECT_EQ(Fields(VK_INSERT, HOTKEYF_SHIFT | HOTKEYF_EXT, FALSE, L"", OP_NONE, L"-x"),
              Accepted(dlg));
    EXPECT_EQ(0, answers.Unexpected());
}

TEST(ShortcutEditor, MissingKeyOrPathIsRefusedKeepingEveryInput) {
    CShortcutDlg dlg;
    ModalAnswers answers;
    answers.Then([&](HWND hDlg) {
        answers.Answer(IDOK);
        PressAndAwait(answers, hDlg, IDOK); // neither key nor path

        Click(hDlg, IDC_WINKEY);
        Click(hDlg, IDC_OP_EXPLORE);
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"-x");
        TypeHotKey(hDlg, MOD_CONTROL | MOD_ALT, 'N', kCtrlAltN);
        answers.Answer(IDOK);
        PressAndAwait(answers, hDlg, IDOK); // a key without a path
        EXPECT_EQ(Inputs(kCtrlAltN, L"", L"-x", BST_CHECKED, IDC_OP_EXPLORE), Shown(hDlg));

        SetDlgItemTextW(hDlg, IDC_FILENAME, L"C:\\");
        TypeHotKey(hDlg, 0, VK_SHIFT, 0); // a modifier alone replaces the key
        answers.Answer(IDOK);
        PressAndAwait(answers, hDlg, IDOK);
        EXPECT_EQ(Inputs(0, L"C:\\", L"-x", BST_CHECKED, IDC_OP_EXPLORE), Shown(hDlg));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    const std::wstring noKey = L"キーが設定されていません。";
    const std::wstring noPath = L"実行するファイル・ディレクトリが設定されていません。";
    EXPECT_EQ((std::vector<std::wstring>{noKey, noPath, noKey}), answers.Texts());
}

TEST(ShortcutEditor, BrowseFillsThePathFromTheFileDialogOrTheFolderChooser) {
    CShortcutDlg dlg;
    dlg.SetFileName(L"C:\\前.exe");
    ModalAnswers answers;
    HWND hEditor = nullptr;
    std::vector<std::pair<HWND, bool>> cancelled; // each one's owner, and whether it had a tree
    const auto Cancel = [&](HWND hDlg) {
        cancelled.emplace_back(GetWindow(hDlg, GW_OWNER), GetDlgItem(hDlg, kTreeId) != nullptr);
        PressButton(hDlg, IDCANCEL);
    };
    answers.Then([&](HWND hDlg) {
        hEditor = hDlg;
        Click(hDlg, IDC_WINKEY);
        SetDlgItemTextW(hDlg, IDC_PARAMETER, L"-typed");
        answers.Then(Cancel);
        PressAndAwait(answers, hDlg, IDC_BROWSE);
        EXPECT_EQ(Inputs(0, L"C:\\前.exe", L"-typed", BST_CHECKED, IDC_OP_OPENFILE), Shown(hDlg));

        for (int nId : {IDC_OP_OPENFOLDER, IDC_OP_EXPLORE, IDC_OP_NONE}) {
            Click(hDlg, nId);
            answers.Then(Cancel);
            PressAndAwait(answers, hDlg, IDC_BROWSE);
            EXPECT_EQ(Inputs(0, L"C:\\前.exe", L"-typed", BST_CHECKED, nId), Shown(hDlg));
        }
        answers.Then(ChooseFolder);
        PressAndAwait(answers, hDlg, IDC_BROWSE);
        EXPECT_EQ(Inputs(0, ScratchFolder(), L"-typed", BST_CHECKED, IDC_OP_NONE), Shown(hDlg));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    // The file dialog, then the folder chooser for each other operation; the editor waits.
    EXPECT_EQ((std::vector<std::pair<HWND, bool>>{
                  {hEditor, false}, {hEditor, true}, {hEditor, true}, {hEditor, true}}),
              cancelled);
    EXPECT_EQ(0, answers.Unexpected());
}

TEST(FolderChooser, FolderChooserGivesAPathOnlyWhenAFolderIsChosen) {
    CFolderChooser chooser;
    std::vector<std::wstring> instructions;
    ModalAnswers answers;
    answers.Then([&](HWND hDlg) {
        instructions.push_back(Text(hDlg, kInstructionId));
        PressButton(hDlg, IDCANCEL);
    });
    EXPECT_EQ(0, chooser.Browse());

    chooser.SetRootPath(L"C:\\無い\\フォルダ");
    EXPECT_EQ(0, chooser.Browse()) << "a root that cannot be parsed shows nothing";

    chooser.SetRootPath(ScratchFolder().substr(0, ScratchFolder().rfind(L'\\')).c_str());
    chooser.SetTitle(L"起動するフォルダ");
    answers.Then([&](HWND hDlg) {
        instructions.push_back(Text(hDlg, kInstructionId));
        ChooseFolder(hDlg);
    });
    EXPECT_EQ(1, chooser.Browse());
    EXPECT_STREQ(ScratchFolder().c_str(), chooser.GetPath());
    EXPECT_EQ((std::vector<std::wstring>{L"フォルダを選択してください", L"起動するフォルダ"}),
              instructions);
    EXPECT_EQ(0, answers.Unexpected());
}

} // namespace
