// A hot-key press as the system delivers it: the target launched through the shell, or the
// reason it could not be.
#include "ProgramTest.h"

#include <objbase.h>

namespace {

using Dispatch = ProgramTest;

TEST_F(Dispatch, APressLaunchesItsTargetOnlyWhileHotKeysAreOnOrSaysWhyItCannot) {
    const std::wstring recorderPath = RecorderPath();
    Stored::PutCount(5);
    Stored::Put(0, recorderPath.c_str(), L"-a \"b c\" ｄ", OP_OPEN_FILE,
                'R' << 8 | MOD_CONTROL | MOD_ALT);
    // An operation only a hand-edited profile holds opens its target like a folder: no arguments.
    Stored::Put(1, recorderPath.c_str(), L"never", 9, 'S' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(2, recorderPath.c_str(), L"", OP_NONE, 'T' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(3, L"C:\\無い\\a.exe", L"", OP_OPEN_FILE, VK_F2 << 8 | MOD_SHIFT);
    Stored::Put(4, L"C:\\メモ.wendrake", L"", OP_OPEN_FILE, VK_F3 << 8 | MOD_SHIFT);
    ASSERT_TRUE(Start());

    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    EXPECT_EQ(TakeLaunch(), Launched(L"-a \"b c\" ｄ"));
    // The launch gave the shell the single-threaded COM its extensions need, which the start
    // leaves to the first use.
    APTTYPE type = APTTYPE_MTA;
    APTTYPEQUALIFIER qualifier;
    EXPECT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
    EXPECT_EQ(type, APTTYPE_MAINSTA);
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'S'));
    EXPECT_EQ(TakeLaunch(), Launched());
    // A reserved combination and ids that no row carries do nothing, and say nothing.
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'T'));
    SendMessageW(View(), WM_HOTKEY, 77, 0);
    SendMessageW(View(), WM_HOTKEY, 0x10000, 0);
    EXPECT_EQ(TakeLaunch(500), L"");

    // Switched off, presses are swallowed, but the combinations stay reserved.
    HMENU hTray =
        GetSubMenu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAYMENU)), 0);
    EXPECT_EQ(ItemState(hTray, ID_HOTKEYS_ENABLE), UINT(MF_CHECKED));
    Command(ID_HOTKEYS_DISABLE);
    EXPECT_EQ(ItemState(hTray, ID_HOTKEYS_ENABLE), 0u);
    EXPECT_EQ(ItemState(hTray, ID_HOTKEYS_DISABLE), UINT(MF_CHECKED));
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    EXPECT_EQ(TakeLaunch(500), L"");
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'R'));
    Command(ID_HOTKEYS_ENABLE);
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    EXPECT_EQ(TakeLaunch(), Launched(L"-a \"b c\" ｄ"));
    DestroyMenu(hTray);

    // A failed launch names the target and the reason, and changes nothing.
    const wchar_t kUnknown[] = L"C:\\メモ.wendrake";
    CloseHandle(CreateFileW(kUnknown, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    m_answers.Answer(IDOK).Answer(IDOK);
    ASSERT_TRUE(SendKeyCombination(MOD_SHIFT, VK_F2));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.Texts().size() == 1; }));
    ASSERT_TRUE(SendKeyCombination(MOD_SHIFT, VK_F3));
    ASSERT_TRUE(PumpUntil([&] { return m_answers.AllAnswered(); }));
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  L"C:\\無い\\a."
                  L"exe\nは実行できませんでした。\n指定されたファイルは見つかりませんでした。",
                  std::wstring(kUnknown) +
                      L"\nは実行できませんでした。\n"
                      L"ファイルの拡張子に関連付けられたアプリケーションは存在しません。"}));
    EXPECT_EQ(Rows(), 5);
    DeleteFileW(kUnknown);
}

} // namespace
