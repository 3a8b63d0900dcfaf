// A hot-key press as the system delivers it: the target launched through the shell, or the
// reason it could not be. A press that must do nothing is followed by one that launches: once
// that launch has come, the first press has been handled.
#include "ProgramTest.h"

#include <objbase.h>

namespace {

class Dispatch : public ProgramTest {
protected:
    // Ctrl+Alt+R and Ctrl+Alt+Q open the recorder with arguments, Ctrl+Alt+T only reserves
    // the combination.
    void StoreAndStart(int nCount = 3) {
        Stored::PutCount(static_cast<DWORD>(nCount));
        Stored::Put(0, RecorderPath().c_str(), L"-a \"b c\" ｄ", OP_OPEN_FILE,
                    'R' << 8 | MOD_CONTROL | MOD_ALT);
        Stored::Put(1, RecorderPath().c_str(), L"", OP_NONE, 'T' << 8 | MOD_CONTROL | MOD_ALT);
        Stored::Put(2, RecorderPath().c_str(), L"q", OP_OPEN_FILE,
                    'Q' << 8 | MOD_CONTROL | MOD_ALT);
        ASSERT_TRUE(Start());
    }
    static std::wstring Press(UINT nVirtKey) {
        SendKeyCombination(MOD_CONTROL | MOD_ALT, nVirtKey);
        return TakeLaunch();
    }
};

TEST_F(Dispatch, APressOpensItsOwnRowsFileWithItsArgumentsInANormalWindowWhateverTheOrder) {
    // Operations only a hand-edited profile holds: none stored opens a file, with its arguments;
    // an unknown one opens its target like a folder, without them.
    Stored::Put(3, RecorderPath().c_str(), L"none", 0, 'U' << 8 | MOD_CONTROL | MOD_ALT);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, Stored::kSection, L"03 Operation");
    Stored::Put(4, RecorderPath().c_str(), L"never", 9, 'S' << 8 | MOD_CONTROL | MOD_ALT);
    StoreAndStart(5);
    SortByColumn(2); // by the arguments: "", "-a ...", "never", "none", "q"
    EXPECT_EQ(Joined(Press('R'), Press('U'), Press('S')),
              Joined(Launched(L"-a \"b c\" ｄ"), Launched(L"none"), Launched()));
    // The launch gave the shell the single-threaded COM its extensions need, which the start
    // leaves to the first use.
    APTTYPE type = APTTYPE_MTA;
    APTTYPEQUALIFIER qualifier;
    EXPECT_TRUE(CoGetApartmentType(&type, &qualifier) == S_OK && type == APTTYPE_MAINSTA);
    Select({0});
    Command(ID_SHORTCUT_DELETE);
    ASSERT_EQ(Column(2), L"-a \"b c\" ｄ|never|none|q");
    EXPECT_EQ(Press('Q'), Launched(L"q"));
}

TEST_F(Dispatch, AReservedOrSwitchedOffPressOrAStrayIdDoesNothingAndTheCombinationsStayTaken) {
    StoreAndStart();
    ASSERT_TRUE(PressAndHandle(MOD_CONTROL | MOD_ALT, 'T', WM_HOTKEY));
    SendMessageW(View(), WM_HOTKEY, 77, 0);
    SendMessageW(View(), WM_HOTKEY, 0x10000, 0);
    // The icon's menu tells the state by its check marks.
    const HMENU hTray =
        GetSubMenu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAYMENU)), 0);
    const auto marks = [&] {
        return Joined(ItemState(hTray, ID_HOTKEYS_ENABLE), ItemState(hTray, ID_HOTKEYS_DISABLE));
    };
    EXPECT_EQ(marks(), Joined(MF_CHECKED, 0));
    Command(ID_HOTKEYS_DISABLE);
    EXPECT_EQ(marks(), Joined(0, MF_CHECKED));
    ASSERT_TRUE(PressAndHandle(MOD_CONTROL | MOD_ALT, 'R', WM_HOTKEY));
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'R'));
    UnregisterHotKey(nullptr, 1);
    Command(ID_HOTKEYS_ENABLE);
    EXPECT_EQ(Press('Q'), Launched(L"q")) << "the first launch is the press after switching on";
}

TEST_F(Dispatch, AFailedLaunchNamesTheTargetAndTheReasonAndChangesNothing) {
    const wchar_t kUnknown[] = L"C:\\メモ.wendrake";
    CloseHandle(CreateFileW(kUnknown, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    Stored::PutCount(2);
    Stored::Put(0, L"C:\\無い\\a.exe", L"", OP_OPEN_FILE, VK_F2 << 8 | MOD_SHIFT);
    Stored::Put(1, kUnknown, L"", OP_OPEN_FILE, VK_F3 << 8 | MOD_SHIFT);
    ASSERT_TRUE(Start());
    m_answers.Answer(IDOK).Answer(IDOK);
    // Each box is answered before the next press.
    for (UINT nVirtKey : {VK_F2, VK_F3})
        ASSERT_TRUE(SendKeyCombination(MOD_SHIFT, nVirtKey) &&
                    PumpUntil([&] { return m_answers.Texts().size() == nVirtKey - VK_F1; }));
    DeleteFileW(kUnknown);
    const std::wstring failed = L"\nは実行できませんでした。\n";
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  L"C:\\無い\\a.exe" + failed + L"指定されたファイルは見つかりませんでした。",
                  kUnknown + failed +
                      L"ファイルの拡張子に関連付けられたアプリケーションは存在しません。"}));
    EXPECT_EQ(Rows(), 2);
}

} // namespace
