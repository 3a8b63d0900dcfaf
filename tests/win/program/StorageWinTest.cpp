// The stored list: what the start loads and shows, what it refuses and keeps, and what the end
// writes back, in the order shown.
#include "ProgramTest.h"

namespace {

using Storage = ProgramTest;

TEST_F(Storage, StartShowsWhatRegistersAndWhatAnotherProgramHeldMarkedInItsPlace) {
    // Another program's hot key: this thread's own registration holds the combination.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, 'H'));
    Stored::PutCount(7);
    Stored::Put(0, L"C:\\a.exe", L"-x", OP_OPEN_FILE, 0xABCD0000 | 'A' << 8 | MOD_CONTROL | 1);
    Stored::Put(1, L"C:\\予約", L"", 7,
                VK_OEM_3 << 8 | MOD_SHIFT | MOD_WIN); // a key code above 0x7F
    Stored::Put(2, L"C:\\held", L"", OP_OPEN_FOLDER, 0x20000 | 'H' << 8 | MOD_ALT);
    Stored::Put(3, L"C:\\space", L"", OP_NONE, VK_SPACE << 8 | MOD_CONTROL);
    Stored::Put(4, L"C:\\twice", L"", OP_EXPLORE, 'A' << 8 | MOD_CONTROL | MOD_ALT | 0x10);
    Stored::Put(5, L"", L"", OP_NONE, 'Z' << 8 | 0xF);
    // Position 6 has no values: a key of 0, which has no name.
    m_answers.Answer(IDOK).Answer(IDOK).Answer(IDOK).Answer(IDOK);
    ASSERT_TRUE(Start());
    const std::wstring taken = SystemText(ERROR_HOTKEY_ALREADY_REGISTERED) + L"\n",
                       unnamed = L"登録できないキーです。";
    EXPECT_EQ(m_answers.TakeTexts(),
              (std::vector<std::wstring>{
                  taken + L"このキーは他のプログラムが使っています。", unnamed,
                  taken + L"このキーは一覧のショートカット「Ctrl + Alt + A」(C:\\a.exe) "
                          L"が使っています。",
                  unnamed}));
    EXPECT_EQ(Column(0),
              L"Ctrl + Alt + A|Win + Shift + @|Alt + H (未登録)|Win + Shift + Ctrl + Alt + Z");
    EXPECT_EQ(Column(1), L"C:\\a.exe|C:\\予約|C:\\held|");

    // The rows in the order shown (sorted by target, descending); a registered row's key loses
    // the bits it never had, the one another program held is written as it was stored.
    SortByColumn(1);
    SortByColumn(1);
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored::Value(kShortcutCount), L"dword:4");
    EXPECT_EQ(Stored::Entry(0),
              L"sz:C:\\予約|sz:|dword:7|dword:" + std::to_wstring(VK_OEM_3 << 8 | 12));
    EXPECT_EQ(Stored::Entry(1),
              L"sz:C:\\held|sz:|dword:1|dword:" + std::to_wstring(0x20000 | 'H' << 8 | 1));
    EXPECT_EQ(Stored::Entry(2),
              L"sz:C:\\a.exe|sz:-x|dword:0|dword:" + std::to_wstring('A' << 8 | 3));
    EXPECT_EQ(Stored::Entry(3), L"sz:|sz:|dword:3|dword:" + std::to_wstring('Z' << 8 | 15));
    // Once the other program has let go, the kept row registers in its place.
    UnregisterHotKey(nullptr, 1);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Column(0), L"Win + Shift + @|Alt + H|Ctrl + Alt + A|Win + Shift + Ctrl + Alt + Z");
}

} // namespace
