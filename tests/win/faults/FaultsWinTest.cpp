// The program on its worst day: a broken profile, targets with long paths or in any script, its
// hot-key ids used up, ten thousand presses and a thousand changes. Each case ends with nothing
// lost and the user told what they need to know.
#include "program/ProgramTest.h"

#include "view/WendrakeView.h"

#include <psapi.h>

namespace {

using Faults = ProgramTest;

TEST_F(Faults, ACorruptProfileLoadsWhatItCanWithAMessagePerBrokenEntry) {
    // A count far beyond the entries there are, and values of the wrong kind.
    Stored::PutCount(0x7FFFFFFF);
    Stored::Put(0, L"C:\\good", L"", OP_OPEN_FILE, 'G' << 8 | MOD_ALT);
    Stored::Put(1, L"C:\\text key", L"", OP_OPEN_FILE, 0);
    Stored::PutText(L"01 Key", L"19971");
    Stored::PutNumber(L"02 FileName", 5);
    // Positions beyond the number of values the section holds cannot have entries: the broken
    // ones and the absent ones up to there get a message each, nothing beyond.
    for (int i = 0; i < 9; ++i)
        m_answers.Answer(IDOK);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Column(1), L"C:\\good");
    EXPECT_EQ(m_answers.TakeTexts(), std::vector<std::wstring>(9, L"登録できないキーです。"));
    Exit();
    EXPECT_EQ(Stored::Value(0, kFileNameWord), L"sz:C:\\good");

    // A count of the wrong kind is no count.
    Stored::RemoveAll();
    Stored::PutText(kShortcutCount, L"3");
    Stored::Put(0, L"C:\\good", L"", OP_OPEN_FILE, 'G' << 8 | MOD_ALT);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Rows(), 0);
    m_answers.TakeTexts();
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
    EXPECT_EQ(TakeLaunch(), L"\"" + scripts + L"\" ü ქ");
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'V'));
    // Under its short name: Windows' shell refuses a path this long (Wine's does not).
    const std::wstring launched = TakeLaunch();
    EXPECT_EQ(launched.substr(launched.size() - 13), L"rec.exe\" long") << launched;
    EXPECT_EQ(launched.find(std::wstring(40, L'x')), std::wstring::npos) << launched;
}

TEST_F(Faults, UsedUpHotKeyIdsAreToldAndTheProgramKeepsWorking) {
    Stored::PutCount(1);
    Stored::Put(0, RecorderPath().c_str(), L"", OP_OPEN_FILE, 'W' << 8 | MOD_CONTROL | MOD_ALT);
    ASSERT_TRUE(Start());
    auto* pView = dynamic_cast<CWendrakeView*>(CWnd::FromHandlePermanent(View()));
    ASSERT_NE(pView, nullptr);
    // A run that has added and removed shortcuts for a very long time.
    for (int i = 1; i <= kLastHotKeyId; ++i) {
        ASSERT_TRUE(pView->AddShortcut(OP_NONE, L"", L"", MOD_SHIFT, 'X'));
        pView->RemoveShortcut(1);
    }
    m_answers.Answer(IDOK);
    EXPECT_FALSE(pView->AddShortcut(OP_NONE, L"", L"", MOD_SHIFT, 'X'));
    EXPECT_EQ(m_answers.TakeTexts(),
              std::vector<std::wstring>{L"0xBFFF 個より多くWindowsに登録できません。"});
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'W'));
    EXPECT_NE(TakeLaunch(), L"");
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
