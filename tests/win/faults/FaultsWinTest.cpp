// The program on its worst day: a broken profile, targets with long paths or in any script, its
// hot-key ids used up, keys taken by another program in the middle of a change, the session
// ending with a box or the editor open, a profile that cannot be written, a restarted
// notification area, ten thousand presses and a thousand changes. Each case ends with nothing
// lost and the user told what they need to know.
#include "program/ProgramTest.h"

#include "app/MainFrame.h"
#include "support/NotificationArea.h"
#include "view/WendrakeView.h"

#include <psapi.h>

namespace {

using Faults = ProgramTest;

const WORD kCtrlAltN = MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_ALT);
const WORD kCtrlAltMenu = MAKEWORD(VK_APPS, HOTKEYF_CONTROL | HOTKEYF_ALT); // has no name
const std::wstring kUnbindable = L"登録できないキーです。";
const std::wstring kTakenElsewhere = L"\nこのキーは他のプログラムが使っています。";

// Ctrl+Alt+N launches the recorder, Ctrl+Alt+O is reserved, Ctrl+Alt+P opens a missing file.
void StoreThree() {
    Stored::PutCount(3);
    Stored::Put(0, RecorderPath().c_str(), L"n", OP_OPEN_FILE, 'N' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, L"", L"", OP_NONE, 'O' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(2, L"C:\\missing.exe", L"", OP_OPEN_FILE, 'P' << 8 | MOD_CONTROL | MOD_ALT);
}
// The stored count and the third entry, as the profile holds them.
std::wstring CountAndThird() {
    return Stored::Value(kShortcutCount) + L"|" + Stored::Entry(2);
}
std::wstring ThreeEndingWith(const std::wstring& fileName, const wchar_t* pszParameter,
                             unsigned nVirtKey) {
    return L"dword:3|sz:" + fileName + L"|sz:" + pszParameter + L"|dword:0|dword:" +
           std::to_wstring(nVirtKey << 8 | MOD_CONTROL | MOD_ALT);
}
std::wstring ThreeEndingWithN() {
    return ThreeEndingWith(RecorderPath(), L"n", 'N');
}

// The editor's part that sends the session's end to the frame (the system ends the process
// after it) and reads what the profile then holds, before it cancels.
ModalAnswers::Step EndSessionThenCancel(HWND hFrame, std::wstring* pStored) {
    return [=](HWND hDlg) {
        Stored::RemoveAll();
        SendMessageW(hFrame, WM_ENDSESSION, TRUE, 0);
        *pStored = CountAndThird();
        PressButton(hDlg, IDCANCEL);
    };
}

TEST_F(Faults, ACorruptProfileLoadsWhatItCanWithAMessagePerBrokenEntry) {
    // A count far beyond the entries there are, and values of the wrong kind.
    Stored::PutCount(0x7FFFFFFF);
    Stored::Put(0, L"C:\\good", L"", OP_OPEN_FILE, 'G' << 8 | MOD_ALT);
    Stored::Put(1, L"C:\\text key", L"", OP_OPEN_FILE, 0);
    Stored::PutText(L"01 Key", L"19971");
    Stored::PutNumber(L"02 FileName", 5); // read as no name
    Stored::PutNumber(L"02 Key", 'H' << 8 | MOD_ALT);
    // Positions beyond the number of values the section holds cannot have entries: the broken
    // ones and the absent ones up to there get a message each, nothing beyond.
    for (int i = 0; i < 9; ++i)
        m_answers.Answer(IDOK);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Column(1), L"C:\\good|");
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>(9, kUnbindable));
    Stored::RemoveAll();
    Exit();
    EXPECT_EQ(Joined(Stored::Value(kShortcutCount), Stored::Value(0, kFileNameWord)),
              L"dword:2|sz:C:\\good");

    // A count of the wrong kind is no count.
    Stored::RemoveAll();
    Stored::PutText(kShortcutCount, L"3");
    Stored::Put(0, L"C:\\good", L"", OP_OPEN_FILE, 'G' << 8 | MOD_ALT);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Rows(), 0);
    m_answers.TakeTexts();
}

TEST_F(Faults, ASessionEndWhileTheLoadTellsARefusalWritesNothing) {
    Stored::PutCount(2);
    Stored::Put(0, L"C:\\no key", L"", OP_NONE, 0);
    Stored::Put(1, RecorderPath().c_str(), L"n", OP_OPEN_FILE, 'N' << 8 | MOD_CONTROL | MOD_ALT);
    m_answers.Then([&](HWND hBox) {
        SendMessageW(Frame(), WM_ENDSESSION, TRUE, 0);
        PressButton(hBox, IDOK);
    });
    ASSERT_TRUE(Start());
    EXPECT_EQ(Joined(Stored::Value(kShortcutCount), Stored::Value(1, kFileNameWord)),
              L"dword:2|sz:" + RecorderPath())
        << "the entry not loaded yet stays";
    EXPECT_EQ(Rows(), 1) << "and the load goes on";
}

TEST_F(Faults, TargetsWithLongPathsOrInAnyScriptLaunch) {
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    std::wstring folder = szTemp;
    for (const wchar_t* pszName : {L"ქართული", L"日本語のフォルダ", L"Ελληνικά"}) {
        folder += pszName + std::wstring(L"\\");
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    std::wstring longFolder = folder;
    while (longFolder.size() < MAX_PATH) {
        longFolder += std::wstring(40, L'x') + L"\\";
        CreateDirectoryW(longFolder.c_str(), nullptr);
    }
    const std::wstring scripts = folder + L"rec.exe", longPath = longFolder + L"rec.exe";
    ASSERT_TRUE(CopyFileW(RecorderPath().c_str(), scripts.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(RecorderPath().c_str(), longPath.c_str(), FALSE));
    Stored::PutCount(2);
    Stored::Put(0, scripts.c_str(), L"ü ქ", OP_OPEN_FILE, 'U' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, longPath.c_str(), L"long", OP_OPEN_FILE, 'V' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'U'));
    EXPECT_EQ(TakeLaunch(), L"1 \"" + scripts + L"\" ü ქ");
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'V'));
    // Under its short name: Windows' shell refuses a path this long (Wine's does not).
    const std::wstring launched = TakeLaunch();
    EXPECT_EQ(launched.substr(launched.size() - 13), L"rec.exe\" long") << launched;
    EXPECT_EQ(launched.find(std::wstring(40, L'x')), std::wstring::npos) << launched;
}

TEST_F(Faults, UsedUpIdsRefuseAnEditAndItsOriginalIsKeptForTheNextStart) {
    StoreThree();
    ASSERT_TRUE(Start());
    auto* pView = dynamic_cast<CWendrakeView*>(CWnd::FromHandlePermanent(View()));
    ASSERT_NE(pView, nullptr);
    // A run that has added and removed shortcuts for a very long time.
    for (int i = 3; i <= kLastHotKeyId; ++i) {
        ASSERT_TRUE(pView->AddShortcut(OP_NONE, L"", L"", MOD_SHIFT, 'X'));
        pView->RemoveShortcut(3);
    }
    m_answers.Then(Enter(MAKEWORD('Y', HOTKEYF_CONTROL | HOTKEYF_ALT), L"C:\\y"))
        .Answer(IDOK)
        .Then(Cancel())
        .Answer(IDOK);
    Select({0});
    Command(ID_SHORTCUT_EDIT);
    EXPECT_EQ(m_answers.TakeTexts(),
              std::vector<std::wstring>(2, L"0xBFFF 個より多くWindowsに登録できません。"));
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + P");
    EXPECT_EQ(CountAndThird(), ThreeEndingWithN());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'P')) << "the rest keeps working";
    m_answers.Answer(IDOK);
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }, 10000));
    EXPECT_EQ(m_answers.TakeTexts().size(), 1u) << "the missing file's launch failure";
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'N'));
    EXPECT_EQ(TakeLaunch(), Launched(L"n"));
}

TEST_F(Faults, AnEditsOriginalTakenMeanwhileIsKeptForTheNextStart) {
    StoreThree();
    ASSERT_TRUE(Start());
    // Refused for its key; while the editor is open again, another program takes the
    // original's combination.
    m_answers.Then(Enter(kCtrlAltMenu, RecorderPath())).Answer(IDOK).Then([](HWND hDlg) {
        RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'N');
        PressButton(hDlg, IDCANCEL);
    });
    m_answers.Answer(IDOK);
    Select({0});
    Command(ID_SHORTCUT_EDIT);
    UnregisterHotKey(nullptr, 1);
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{kUnbindable, SystemText(ERROR_HOTKEY_ALREADY_REGISTERED) +
                                                          kTakenElsewhere}));
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + P");
    EXPECT_EQ(CountAndThird(), ThreeEndingWithN()) << "at once";
    ASSERT_TRUE(Close());
    EXPECT_EQ(CountAndThird(), ThreeEndingWithN());
    ASSERT_TRUE(Start());
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + P|Ctrl + Alt + N");
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'N'));
    EXPECT_EQ(TakeLaunch(), Launched(L"n"));
}

TEST_F(Faults, ASessionEndWhileARefusedEditIsOpenStoresTheOriginal) {
    StoreThree();
    ASSERT_TRUE(Start());
    std::wstring stored;
    m_answers.Then(Enter(kCtrlAltMenu, RecorderPath())).Answer(IDOK);
    m_answers.Then(EndSessionThenCancel(Frame(), &stored));
    Select({0});
    Command(ID_SHORTCUT_EDIT);
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>{kUnbindable});
    EXPECT_EQ(stored, ThreeEndingWithN()) << "the original with its old values, at the end";
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'N'));
    EXPECT_EQ(TakeLaunch(), Launched(L"n"));
}

TEST_F(Faults, ASessionEndDuringAnAddStoresTheListAsItWasAndACancelledOneNothing) {
    StoreThree();
    ASSERT_TRUE(Start());
    Stored::RemoveAll();
    SendMessageW(Frame(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(Stored::Value(kShortcutCount), L"absent");
    std::wstring stored;
    m_answers.Then(EndSessionThenCancel(Frame(), &stored));
    Command(ID_SHORTCUT_ADD);
    EXPECT_EQ(stored, ThreeEndingWith(L"C:\\missing.exe", L"", 'P'));
}

TEST_F(Faults, ASessionEndDuringADropStoresTheFilesTakenBeforeIt) {
    Stored::PutCount(2);
    Stored::Put(0, L"", L"", OP_NONE, 'O' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, L"", L"", OP_NONE, 'P' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    std::wstring stored;
    m_answers.Then(Enter(kCtrlAltN, RecorderPath())).Then(EndSessionThenCancel(Frame(), &stored));
    Drop({L"C:\\first.exe", L"C:\\second.exe"});
    EXPECT_EQ(stored, ThreeEndingWith(RecorderPath(), L"", 'N'));
}

TEST_F(Faults, ATakenKeyIsRefusedNamingItsHolderAndACancelAfterwardsChangesNothing) {
    Stored::PutCount(2);
    Stored::Put(0, L"C:\\win.exe", L"", OP_OPEN_FILE, 'A' << 8 | MOD_WIN | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, L"", L"", OP_NONE, 'A' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    // Ctrl+Alt+A, the same with the Windows key, then Win+Ctrl+Alt+B, which another program takes
    // while the editor is open; each refusal opens the editor again with what was entered.
    const WORD kCtrlAltA = MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT);
    std::wstring shownPath;
    m_answers.Then(Enter(kCtrlAltA, L"C:\\new.exe")).Answer(IDOK).Then([&](HWND hDlg) {
        SendDlgItemMessageW(hDlg, IDC_WINKEY, BM_CLICK, 0, 0);
        Enter(kCtrlAltA, L"C:\\new.exe")(hDlg);
    });
    m_answers.Answer(IDOK).Then([](HWND hDlg) {
        RegisterHotKey(nullptr, 1, MOD_WIN | MOD_CONTROL | MOD_ALT, 'B');
        Enter(MAKEWORD('B', HOTKEYF_CONTROL | HOTKEYF_ALT), L"C:\\new.exe")(hDlg);
    });
    m_answers.Answer(IDOK).Then(Cancel(&shownPath));
    Command(ID_SHORTCUT_ADD);
    UnregisterHotKey(nullptr, 1);
    const std::wstring taken = SystemText(ERROR_HOTKEY_ALREADY_REGISTERED);
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  taken + L"\nこのキーは一覧のショートカット「Ctrl + Alt + A」(何もしない) "
                          L"が使っています。",
                  taken + L"\nこのキーは一覧のショートカット「Win + Ctrl + Alt + A」(C:\\win.exe) "
                          L"が使っています。",
                  taken + kTakenElsewhere}));
    EXPECT_EQ(shownPath, L"C:\\new.exe");
    EXPECT_EQ(Joined(Rows(), Stored::Value(kShortcutCount)), L"2|dword:2");
}

TEST_F(Faults, AQuitFromTheNotificationAreaWhileTheEditorIsOpenWaitsForIt) {
    StoreThree();
    ASSERT_TRUE(Start());
    const HWND hFrame = Frame();
    m_answers.Then([&](HWND hDlg) {
        SendMessageW(hFrame, WM_COMMAND, ID_TRAY_EXIT, 0);
        PumpUntil([] { return false; }, 100);
        EXPECT_TRUE(IsWindow(hDlg)) << "the quit waits for the editor";
        Enter(kCtrlAltN, L"C:\\edited.exe")(hDlg);
    });
    m_answers.Answer(IDYES);
    Select({0});
    Command(ID_SHORTCUT_EDIT);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hFrame); }));
    EXPECT_EQ(m_answers.TakeTexts(),
              std::vector<std::wstring>{
                  L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？"});
    EXPECT_EQ(Stored::Value(kShortcutCount) + L"|" + Stored::Value(2, kFileNameWord),
              L"dword:3|sz:C:\\edited.exe");
}

// The program's key deleted under it, and its parent re-created as a key that can only take
// keys that vanish at log-off: the program cannot write its profile, for a real reason.
void BreakProfile() {
    Stored::RemoveAll();
    HKEY hVolatile = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Orlam Software\\Wendrake", 0, nullptr,
                    REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &hVolatile, nullptr);
    RegCloseKey(hVolatile);
}

TEST_F(Faults, AProfileThatCannotBeWrittenIsToldAndWrittenAgainByTheNextChange) {
    StoreThree();
    ASSERT_TRUE(Start());
    const std::wstring notWritten =
        L"ショートカットをレジストリに保存できませんでした。(エラー コード 1021)\n" +
        SystemText(ERROR_CHILD_MUST_BE_VOLATILE);
    BreakProfile();
    m_answers.Answer(IDOK);
    Select({1});
    Command(ID_SHORTCUT_DELETE);
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>{notWritten});
    EXPECT_EQ(Column(0), L"Ctrl + Alt + N|Ctrl + Alt + P") << "the list stays as it is";
    Stored::RemoveAll();
    Select({1});
    Command(ID_SHORTCUT_DELETE);
    EXPECT_EQ(Joined(Stored::Value(kShortcutCount), Stored::Value(0, kFileNameWord)),
              L"dword:1|sz:" + RecorderPath());
    // The end tells it too, while its box can still be shown.
    BreakProfile();
    m_answers.Answer(IDYES).Answer(IDOK);
    SendMessageW(Frame(), WM_CLOSE, 0, 0);
    MSG msg; // the frame's end asks the loop to end; the test's loop goes on
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  L"終了すると、ショートカットキーが有効でなくなりますが、かまいませんか？",
                  notWritten}));
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(Faults, ARestartedNotificationAreaGetsTheIconBackWithThePictureOfTheHotKeys) {
    ASSERT_TRUE(Start());
    // The picture shows whether hot keys work, seen on the screen (the window hidden, as it
    // could cover the icon).
    HWND hIcon = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (hIcon = SoleTrayIconWindow(Frame(), kTrayIconId)); }));
    const std::vector<COLORREF> enabled = ScreenPixels(hIcon);
    Command(ID_HOTKEYS_DISABLE);
    ASSERT_TRUE(PumpUntil([&] { return ScreenPixels(hIcon) != enabled; }));
    const std::vector<COLORREF> disabled = ScreenPixels(hIcon);

    Command(ID_TRAY_SHOWWINDOW);
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = Frame();
    nid.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));
    SendMessageW(Frame(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return (hIcon = SoleTrayIconWindow(Frame(), kTrayIconId)); }))
        << "back, once";
    ShowWindow(Frame(), SW_HIDE);
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(hIcon) == disabled; }));
    // Wine paints a new picture over the old one, so the enabled one no longer shows alone.
    Command(ID_HOTKEYS_ENABLE);
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(hIcon) != disabled; }));
}

// What the process holds that could leak: its windows and the handle the next object gets (Wine
// counts neither handles nor GUI objects per process), and its memory.
struct Holdings {
    int nWindows;
    UINT_PTR nextHandle;
    SIZE_T nWorkingSet;
};
BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    return ++*reinterpret_cast<int*>(lParam) > 0;
}
Holdings Held() {
    int nWindows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&nWindows));
    HANDLE hNext = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(hNext);
    PROCESS_MEMORY_COUNTERS counters = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {nWindows, reinterpret_cast<UINT_PTR>(hNext), counters.WorkingSetSize};
}

TEST_F(Faults, TenThousandPressesAndAThousandChangesLeaveNothingBehind) {
    StoreRows(1);
    Stored::PutCount(2);
    Stored::Put(1, RecorderPath().c_str(), L"", OP_OPEN_FILE, 'L' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    // Presses arrive in order: once the last one has launched, all have been handled.
    for (int nPress = 0; nPress < 10000; ++nPress)
        SendKeyCombination(MOD_ALT, 'A');
    SendKeyCombination(MOD_CONTROL | MOD_ALT, 'L');
    ASSERT_EQ(TakeLaunch(60000), Launched());

    const WORD kCtrlAltQ = MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT);
    const std::wstring name = L"C:\\dropped.exe";
    Holdings before = {};
    for (int nCycle = 1; nCycle <= 1000; ++nCycle) {
        m_answers.Then(Enter(kCtrlAltQ, name)).Then(Enter(kCtrlAltQ, L"C:\\edited.exe"));
        Drop({name});
        Select({2});
        Command(ID_SHORTCUT_EDIT);
        ASSERT_EQ(Joined(Rows(), Cell(-1, 1)), L"3|C:\\edited.exe") << "cycle " << nCycle;
        Select({2});
        Command(ID_SHORTCUT_DELETE);
        if (nCycle == 100)
            before = Held();
    }
    const Holdings after = Held();
    EXPECT_EQ(after.nWindows, before.nWindows);
    // Handle values go in fours; a few handles may be the system's own, taken meanwhile. One
    // leaked per cycle would be 900.
    const UINT_PTR kHandleMargin = 8 * 4;
    EXPECT_LE(after.nextHandle, before.nextHandle + kHandleMargin)
        << "next handle " << before.nextHandle << " after 100 cycles";
    EXPECT_LT(after.nWorkingSet, before.nWorkingSet + 1024 * 1024)
        << before.nWorkingSet << " bytes after 100 cycles, " << after.nWorkingSet << " after 1,000";
    EXPECT_EQ(Stored::Value(kShortcutCount), L"dword:2");
}

} // namespace
