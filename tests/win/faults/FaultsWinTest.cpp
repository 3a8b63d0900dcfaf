// The program on its worst day: a broken profile, a target path too long for the shell, keys
// taken by another program or by the list in the middle of a change, the session
// ending with a box or the editor open, a profile that cannot be written, a restarted
// notification area. Each case ends with nothing lost and the user told what they need to know.
#include "program/ProgramTest.h"

#include "app/MainFrame.h"
#include "support/NotificationArea.h"

namespace {

// The fixture, with a command on one row as the row's menu sends it, and Ctrl+Alt and a key as
// the editor's hot-key control takes them.
struct Faults : ProgramTest {
    static WORD CtrlAlt(BYTE nKey) { return MAKEWORD(nKey, HOTKEYF_CONTROL | HOTKEYF_ALT); }
    void OnRow(int nRow, UINT nID) const {
        Select({nRow});
        Command(nID);
    }
};

constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

const std::wstring kUnbindable = L"登録できないキーです。";
const auto kTaken = ProgramTest::SystemText(ERROR_HOTKEY_ALREADY_REGISTERED) + L"\nこのキーは";
const std::wstring kTakenElsewhere = kTaken + L"他のプログラムが使っています。";
// The refusal of a key that a row of the list holds, named by its key and target.
std::wstring HeldBy(const std::wstring& key, const std::wstring& target) {
    return kTaken + L"一覧のショートカット「" + key + L"」(" + target + L") が使っています。";
}

// Ctrl+Alt+N launches the recorder, Ctrl+Alt+O is reserved, Ctrl+Alt+P opens a missing file.
void StoreThree() {
    Stored::PutCount(3);
    Stored::Put(0, RecorderPath().c_str(), L"n", OP_OPEN_FILE, 'N' << 8 | kCtrlAlt);
    Stored::Put(1, L"", L"", OP_NONE, 'O' << 8 | kCtrlAlt);
    Stored::Put(2, L"C:\\missing.exe", L"", OP_OPEN_FILE, 'P' << 8 | kCtrlAlt);
}
// The stored count and the last entry, as the profile holds them.
std::wstring CountAndLast() {
    const std::wstring count = Stored::Value(kShortcutCount);
    return count + L"|" + Stored::Entry(_wtoi(count.c_str() + 6) - 1);
}
// Such a count and last entry, of a file opened on Ctrl+Alt and the key.
std::wstring EndingWith(int nCount, const std::wstring& fileName, const wchar_t* pszParameter,
                        unsigned nVirtKey) {
    return L"dword:" + std::to_wstring(nCount) + L"|sz:" + fileName + L"|sz:" + pszParameter +
           L"|dword:0|dword:" + std::to_wstring(nVirtKey << 8 | MOD_CONTROL | MOD_ALT);
}
// The three stored, Ctrl+Alt+N moved to the end.
const std::wstring kEndingWithN = EndingWith(3, RecorderPath(), L"n", 'N');

// The editor's part that sends the session's end to the frame (the system ends the process
// after it) and reads what the profile then holds, before it cancels.
ModalAnswers::Step EndSessionThenCancel(HWND hFrame, std::wstring* pStored,
                                        std::wstring* pShownPath = nullptr) {
    return [=](HWND hDlg) {
        Stored::RemoveAll();
        SendMessageW(hFrame, WM_ENDSESSION, TRUE, 0);
        *pStored = CountAndLast();
        ProgramTest::Cancel(pShownPath)(hDlg);
    };
}

TEST_F(Faults, ACorruptProfileLoadsWhatItCanWithAMessagePerBrokenEntryThoughTheSessionEnds) {
    // A count far beyond the entries there are, and values of the wrong kind.
    Stored::PutCount(0x7FFFFFFF);
    Stored::Put(0, L"C:\\good", L"", OP_OPEN_FILE, 'G' << 8 | MOD_ALT);
    Stored::Put(1, L"C:\\text key", L"", OP_OPEN_FILE, 0);
    Stored::PutText(L"01 Key", L"\x5401"); // Alt+T's number, in a text
    Stored::PutNumber(L"02 FileName", 5);  // read as no name
    Stored::PutNumber(L"02 Key", 'H' << 8 | MOD_ALT);
    // The session ends at the first message: nothing is written over the entries not loaded
    // yet, and the close asked for then is carried out after the load.
    std::wstring atFirst;
    m_answers.Then([&](HWND hBox) {
        SendMessageW(Frame(), WM_ENDSESSION, TRUE, 0);
        SendMessageW(Frame(), WM_CLOSE, 0, 0);
        atFirst =
            Joined(BoxText(hBox), Stored::Value(kShortcutCount), Stored::Value(2, kFileNameWord));
        PressButton(hBox, IDOK);
    });
    // Positions beyond the number of values the section holds cannot have entries: the broken
    // ones and the absent ones up to there get a message each, nothing beyond.
    for (int i = 1; i < 9; ++i)
        m_answers.Answer(IDOK);
    m_answers.Answer(IDYES);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Column(1), L"C:\\good|");
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>(8, kUnbindable));
    EXPECT_EQ(atFirst, kUnbindable + L"|dword:2147483647|dword:5");
    Stored::RemoveAll();
    ASSERT_TRUE(PumpUntil([&] { return !Frame(); }));
    EXPECT_EQ(Joined(Stored::Value(kShortcutCount), Stored::Value(0, kFileNameWord)),
              L"dword:2|sz:C:\\good");
}

TEST_F(Faults, TargetsWithLongPathsOrInAnyScriptLaunchOrTheUserIsToldWhyNot) {
    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    // Folders made one in another, so named, until the path is that long.
    const auto deepen = [](std::wstring deep, const std::wstring& name, size_t nLength = 0) {
        do {
            deep += name + L"\\";
            CreateDirectoryW(deep.c_str(), nullptr);
        } while (deep.size() < nLength);
        return deep;
    };
    const std::wstring folder =
        deepen(deepen(deepen(szTemp, L"ქართული"), L"日本語のフォルダ"), L"Ελληνικά");
    // Long names have short ones; 8.3 names all the way have none shorter.
    const std::wstring longFolder = deepen(folder, std::wstring(40, L'x'), MAX_PATH);
    const std::wstring scripts = folder + L"rec.exe", longPath = longFolder + L"rec.exe",
                       deepPath = deepen(szTemp, L"abcdefgh", MAX_PATH) + L"rec.exe",
                       missing = longFolder + L"none.exe";
    for (const std::wstring& path : {scripts, longPath, deepPath})
        ASSERT_TRUE(CopyFileW(RecorderPath().c_str(), path.c_str(), FALSE));
    Stored::PutCount(4);
    Stored::Put(0, scripts.c_str(), L"ü ქ", OP_OPEN_FILE, 'U' << 8 | kCtrlAlt);
    Stored::Put(1, longPath.c_str(), L"long", OP_OPEN_FILE, 'V' << 8 | kCtrlAlt);
    Stored::Put(2, deepPath.c_str(), L"", OP_OPEN_FILE, 'W' << 8 | kCtrlAlt);
    Stored::Put(3, missing.c_str(), L"", OP_OPEN_FILE, 'X' << 8 | kCtrlAlt);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SendKeyCombination(kCtrlAlt, 'U'));
    EXPECT_EQ(TakeLaunch(), L"1 \"" + scripts + L"\" ü ქ");
    ASSERT_TRUE(SendKeyCombination(kCtrlAlt, 'V'));
    // Under its short name: Windows' shell refuses a path this long (Wine's does not).
    const std::wstring launched = TakeLaunch();
    EXPECT_EQ(launched.substr(launched.size() - 13), L"rec.exe\" long") << launched;
    EXPECT_EQ(launched.find(std::wstring(40, L'x')), std::wstring::npos) << launched;
    // Without a short form the shell could take, the shell is not asked; a missing file is
    // not found, as a shorter one would be.
    m_answers.Answer(IDOK).Answer(IDOK);
    ASSERT_TRUE(SendKeyCombination(kCtrlAlt, 'W'));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.Texts().size() == 1; }));
    ASSERT_TRUE(SendKeyCombination(kCtrlAlt, 'X'));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  deepPath + L"\nはパスが長すぎて (260 文字以上) 開けず、短い名前 (8.3 形式) "
                             L"もありません。\n浅いフォルダに移すか、浅いフォルダに作った"
                             L"ショートカット (.lnk) を登録してください。",
                  missing + L"\nは実行できませんでした。\n指定されたファイルは見つかりません"
                            L"でした。"}));
}

// What a row's icon shows on the screen.
std::vector<COLORREF> IconPixels(HWND hList, int nRow) {
    RECT rc;
    ListView_GetItemRect(hList, nRow, &rc, LVIR_ICON);
    MapWindowPoints(hList, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return ScreenPixels(rc);
}

TEST_F(Faults, AShortcutThatCannotBeRegisteredIsAMarkedRowThatAnEditRegistersOrADeleteRemoves) {
    // Another program holds Ctrl+Alt+P from the start (under 1, which the fixture lets go of).
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, kCtrlAlt, 'P'));
    StoreThree();
    m_answers.Answer(IDOK);
    ASSERT_TRUE(Start());
    ShowAndFocus();
    ASSERT_TRUE(PumpUntil([&] { return !GetUpdateRect(View(), nullptr, FALSE); }));
    // Ctrl+Alt+P's row: the picture of Ctrl+Alt+N's operation, dimmed, not the none of
    // Ctrl+Alt+O's.
    EXPECT_NE(IconPixels(View(), 2), IconPixels(View(), 0));
    EXPECT_NE(IconPixels(View(), 2), IconPixels(View(), 1));
    // An edit refused for its key, which has no name; while the editor is open again, another
    // program takes the original's combination too.
    m_answers.Then(Enter(CtrlAlt(VK_APPS), RecorderPath())).Answer(IDOK).Then([](HWND hDlg) {
        RegisterHotKey(nullptr, 2, kCtrlAlt, 'N');
        PressButton(hDlg, IDCANCEL);
    });
    m_answers.Answer(IDOK);
    OnRow(0, ID_SHORTCUT_EDIT);
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{kTakenElsewhere, kUnbindable, kTakenElsewhere}));
    const std::wstring kept = L"Ctrl + Alt + O|Ctrl + Alt + P (未登録)|Ctrl + Alt + N (未登録)";
    EXPECT_EQ(Joined(Column(0), CountAndLast()), Joined(kept, kEndingWithN)) << "stored at once";

    // Still taken: refused, and the editor opens again; a cancel leaves the row as it was.
    m_answers.Then(Enter(CtrlAlt('N'), RecorderPath())).Answer(IDOK).Then(Cancel());
    OnRow(2, ID_SHORTCUT_EDIT);
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>{kTakenElsewhere});
    EXPECT_EQ(Column(0), kept);
    // Given a free key, a kept row registers and moves to the end.
    m_answers.Then(Enter(CtrlAlt('E'), RecorderPath()));
    OnRow(1, ID_SHORTCUT_EDIT);
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + N (未登録)|Ctrl + Alt + E");
    // Free, a kept row still launches nothing: the later press's launch comes first.
    UnregisterHotKey(nullptr, 2);
    ASSERT_TRUE(SendKeyCombination(kCtrlAlt, 'N') && SendKeyCombination(kCtrlAlt, 'E'));
    EXPECT_EQ(TakeLaunch(), Launched());
    OnRow(1, ID_SHORTCUT_DELETE);
    EXPECT_EQ(CountAndLast(), EndingWith(2, RecorderPath(), L"", 'E')) << "deleted at once";
}

TEST_F(Faults, ASessionEndInTheEditorStoresWhatWasTakenAndARefusedEditKeepsItsOriginalAtTheEnd) {
    StoreThree();
    ASSERT_TRUE(Start());
    Stored::RemoveAll();
    SendMessageW(Frame(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(Stored::Value(kShortcutCount), L"absent") << "a session that goes on";
    // An edit refused for a key the list holds opens again with what was entered; the session
    // ending then stores the original with its old values, at the end, as a cancel leaves it.
    std::wstring duringEdit, shownPath, duringAdd, duringDrop;
    m_answers.Then(Enter(CtrlAlt('O'), L"C:\\refused")).Answer(IDOK);
    m_answers.Then(EndSessionThenCancel(Frame(), &duringEdit, &shownPath));
    OnRow(0, ID_SHORTCUT_EDIT);
    EXPECT_EQ(m_answers.TakeTexts(),
              std::vector<std::wstring>{HeldBy(L"Ctrl + Alt + O", L"何もしない")});
    EXPECT_EQ(Joined(shownPath, duringEdit, CountAndLast()),
              Joined(L"C:\\refused", kEndingWithN, kEndingWithN));
    EXPECT_EQ(Column(0), L"Ctrl + Alt + O|Ctrl + Alt + P|Ctrl + Alt + N");
    ASSERT_TRUE(SendKeyCombination(kCtrlAlt, 'N'));
    EXPECT_EQ(TakeLaunch(), Launched(L"n"));
    // In an add, what was there is stored; in a drop, the files taken before the one shown.
    m_answers.Then(EndSessionThenCancel(Frame(), &duringAdd));
    Command(ID_SHORTCUT_ADD);
    m_answers.Then(Enter(CtrlAlt('D'), RecorderPath()));
    m_answers.Then(EndSessionThenCancel(Frame(), &duringDrop));
    Drop({L"C:\\first.exe", L"C:\\second.exe"});
    EXPECT_EQ(duringAdd, kEndingWithN);
    EXPECT_EQ(duringDrop, EndingWith(4, RecorderPath(), L"", 'D'));
}

TEST_F(Faults, ATakenKeyIsRefusedNamingItsHolderAndACancelAfterwardsChangesNothing) {
    Stored::PutCount(2);
    Stored::Put(0, L"C:\\win.exe", L"", OP_OPEN_FILE, 'A' << 8 | MOD_WIN | kCtrlAlt);
    Stored::Put(1, L"", L"", OP_NONE, 'A' << 8 | kCtrlAlt);
    ASSERT_TRUE(Start());
    // Ctrl+Alt+A, the same with the Windows key, then Win+Ctrl+Alt+B, which another program takes
    // while the editor is open; each refusal opens the editor again with what was entered.
    std::wstring shownPath;
    m_answers.Then(Enter(CtrlAlt('A'), L"C:\\new.exe")).Answer(IDOK).Then([&](HWND hDlg) {
        SendDlgItemMessageW(hDlg, IDC_WINKEY, BM_CLICK, 0, 0);
        Enter(CtrlAlt('A'), L"C:\\new.exe")(hDlg);
    });
    m_answers.Answer(IDOK).Then([](HWND hDlg) {
        RegisterHotKey(nullptr, 1, MOD_WIN | kCtrlAlt, 'B');
        Enter(CtrlAlt('B'), L"C:\\new.exe")(hDlg);
    });
    m_answers.Answer(IDOK).Then(Cancel(&shownPath));
    Command(ID_SHORTCUT_ADD);
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{HeldBy(L"Ctrl + Alt + A", L"何もしない"),
                                         HeldBy(L"Win + Ctrl + Alt + A", L"C:\\win.exe"),
                                         kTakenElsewhere}));
    EXPECT_EQ(Joined(shownPath, Rows(), Stored::Value(kShortcutCount)), L"C:\\new.exe|2|dword:2");
}

TEST_F(Faults, AQuitFromTheNotificationAreaWhileTheEditorIsOpenWaitsForIt) {
    StoreThree();
    ASSERT_TRUE(Start());
    m_answers.Then([&](HWND hDlg) {
        Command(ID_TRAY_EXIT);
        MSG close; // the close it posts, handled now
        if (PeekMessageW(&close, Frame(), WM_CLOSE, WM_CLOSE, PM_REMOVE))
            DispatchMessageW(&close);
        EXPECT_TRUE(IsWindow(hDlg)) << "the quit waits for the editor";
        Enter(CtrlAlt('N'), L"C:\\edited.exe")(hDlg);
    });
    m_answers.Answer(IDYES);
    OnRow(0, ID_SHORTCUT_EDIT);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(Frame()); }));
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>{kQuitQuestion});
    EXPECT_EQ(CountAndLast(), EndingWith(3, L"C:\\edited.exe", L"n", 'N'));
}

TEST_F(Faults, AProfileThatCannotBeWrittenIsToldAndAQuitLetsTheUserStayUntilItCanBe) {
    StoreThree();
    ASSERT_TRUE(Start());
    const std::wstring notWritten =
        L"ショートカットをレジストリに保存できませんでした。(エラー コード 1021)\n" +
        SystemText(ERROR_CHILD_MUST_BE_VOLATILE);
    Stored::Break();
    m_answers.Answer(IDOK);
    OnRow(1, ID_SHORTCUT_DELETE);
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>{notWritten});
    // A quit tells it too, and lets the user stay: Enter answers No, and the program runs on with
    // its list. The session's end cannot wait for an answer. Once the cause is gone, the next
    // quit writes every shortcut.
    std::wstring asked;
    m_answers.Answer(IDYES).Then([&](HWND hBox) {
        asked = BoxText(hBox);
        SendKeyCombination(0, VK_RETURN);
    });
    SendMessageW(Frame(), WM_CLOSE, 0, 0);
    SendMessageW(Frame(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(asked, notWritten + L"\nこのまま終了すると、保存できなかった変更は失われます。"
                                  L"終了しますか？");
    Stored::RemoveAll();
    ASSERT_TRUE(Close());
    EXPECT_EQ(CountAndLast(), EndingWith(2, L"C:\\missing.exe", L"", 'P'));
}

// The shell's add refused twice, as at a logon while the shell is busy.
int s_nAdds = 0;
BOOL WINAPI RefusingTwoAdds(DWORD dwMessage, PNOTIFYICONDATAW pData) {
    if (dwMessage == NIM_ADD && ++s_nAdds <= 2)
        return FALSE;
    return Shell_NotifyIconW(dwMessage, pData);
}

TEST_F(Faults, ARefusedOrRestartedNotificationAreaGetsTheIconBackWithThePictureOfTheHotKeys) {
    s_nAdds = 0;
    CMainFrame::SetNotifyIconCall(RefusingTwoAdds);
    ASSERT_TRUE(Start());
    EXPECT_FALSE(TrayIconPresent(Frame(), kTrayIconId));
    // Tried again after 1 s, then 2 s.
    const bool bAdded = PumpUntil([&] { return TrayIconPresent(Frame(), kTrayIconId); }, 10000);
    CMainFrame::SetNotifyIconCall(nullptr);
    ASSERT_TRUE(bAdded) << "tried again until the shell takes it";
    EXPECT_EQ(Joined(s_nAdds, KillTimer(Frame(), kTrayRetryTimer)), L"3|0")
        << "three adds, and no timer left to run once it is there";

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
}

} // namespace
