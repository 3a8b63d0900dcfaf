// The stored list: what the start loads and shows, what it refuses and keeps, and what the end
// writes back.
#include "ProgramTest.h"

#include "engine/ProfileNames.h"
#include "engine/ShortcutRecord.h"
#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/StoredShortcuts.h"

#include <commctrl.h>

namespace {

namespace Stored = StoredShortcuts;
using Storage = ProgramTest;

const std::wstring kNotBindable = L"登録できないキーです。";

std::wstring SystemText(DWORD dwError) {
    wchar_t szText[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError, 0,
                   szText, 512, nullptr);
    std::wstring text = szText;
    return text.substr(0, text.find_last_not_of(L"\r\n") + 1);
}

std::wstring Dword(DWORD n) {
    return L"dword:" + std::to_wstring(n);
}

TEST_F(Storage, StartShowsWhatRegistersAndKeepsOnlyWhatAnotherProgramHeld) {
    // Another program's hot key: this thread's own registration holds the combination.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, 'H'));
    Stored::PutCount(7);
    Stored::Put(0, L"C:\\a.exe", L"-x", OP_OPEN_FILE,
                0xABCD0000 | 'A' << 8 | MOD_CONTROL | MOD_ALT);
    Stored::Put(1, L"C:\\予約", L"", 7, VK_F9 << 8 | MOD_SHIFT | MOD_WIN);
    Stored::Put(2, L"C:\\held", L"", OP_OPEN_FOLDER, 'H' << 8 | MOD_ALT);
    Stored::Put(3, L"C:\\space", L"", OP_NONE, VK_SPACE << 8 | MOD_CONTROL);
    Stored::Put(4, L"C:\\twice", L"", OP_EXPLORE, 'A' << 8 | MOD_CONTROL | MOD_ALT | 0x10);
    Stored::Put(5, L"", L"", OP_NONE, 'Z' << 8 | 0xF);
    // Position 6 has no values: a key of 0, which has no name.
    m_answers.Answer(IDOK).Answer(IDOK).Answer(IDOK).Answer(IDOK);
    ASSERT_TRUE(Start());
    EXPECT_EQ(
        m_answers.TakeTexts(),
        (std::vector<std::wstring>{SystemText(ERROR_HOTKEY_ALREADY_REGISTERED), kNotBindable,
                                   SystemText(ERROR_HOTKEY_ALREADY_REGISTERED), kNotBindable}));
    EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Ctrl + Alt + A", L"Win + Shift + F9",
                                                    L"Win + Shift + Ctrl + Alt + Z"}));
    EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"C:\\a.exe", L"C:\\予約", L""}));
    EXPECT_EQ(Column(2), (std::vector<std::wstring>{L"-x", L"", L""}));
    std::vector<int> images;
    for (int i = 0; i < 3; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        ListView_GetItem(View(), &item);
        images.push_back(item.iImage);
    }
    EXPECT_EQ(images, (std::vector<int>{OP_OPEN_FILE, 7, OP_NONE}));
    EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(View(), LVSIL_SMALL)), 3)
        << "so that the rows of other operations show no icon";

    // The rows in their order, then the entry that another program held; ids are not stored
    // and keys lose the bits they never had.
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored::Value(kShortcutCount), Dword(4));
    const std::vector<std::vector<std::wstring>> expected = {
        {L"sz:C:\\a.exe", L"sz:-x", Dword(OP_OPEN_FILE), Dword('A' << 8 | 3)},
        {L"sz:C:\\予約", L"sz:", Dword(7), Dword(VK_F9 << 8 | 0xC)},
        {L"sz:", L"sz:", Dword(OP_NONE), Dword('Z' << 8 | 0xF)},
        {L"sz:C:\\held", L"sz:", Dword(OP_OPEN_FOLDER), Dword('H' << 8 | MOD_ALT)}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((std::vector<std::wstring>{
                      Stored::Value(i, kFileNameWord), Stored::Value(i, kParameterWord),
                      Stored::Value(i, kOperationWord), Stored::Value(i, kKeyWord)}),
                  expected[static_cast<size_t>(i)])
            << "position " << i;

    // Once the other program has let go, the kept entry comes back as a row of its own.
    UnregisterHotKey(nullptr, 1);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"C:\\a.exe", L"C:\\予約", L"", L"C:\\held"}));
}

TEST_F(Storage, TheEndWritesTheListInTheOrderShownAndLeavesLongerListsBehind) {
    Stored::PutCount(101);
    for (int i = 0; i < 101; ++i) {
        wchar_t szFile[16];
        wsprintfW(szFile, L"C:\\%03d", i);
        Stored::Put(i, szFile, L"", OP_OPEN_FILE, ('A' + i % 26) << 8 | (1 + i / 26));
    }
    ASSERT_TRUE(Start());
    // Two clicks on the target column: ascending, then descending.
    for (int nClick = 0; nClick < 2; ++nClick) {
        NMLISTVIEW notify = {};
        notify.hdr = {View(), AFX_IDW_PANE_FIRST, LVN_COLUMNCLICK};
        notify.iSubItem = 1;
        SendMessageW(Frame(), WM_NOTIFY, AFX_IDW_PANE_FIRST, reinterpret_cast<LPARAM>(&notify));
    }
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored::Value(0, kFileNameWord), L"sz:C:\\100");
    EXPECT_EQ(Stored::Value(100, kFileNameWord), L"sz:C:\\000");
    EXPECT_EQ(Stored::Value(100, kKeyWord), Dword('A' << 8 | 1));

    // An emptied list stores a count of 0; the entries of the longer list stay, unread.
    ASSERT_TRUE(Start());
    Command(ID_SHORTCUT_SELECTALL);
    Command(ID_SHORTCUT_DELETE);
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored::Value(kShortcutCount), Dword(0));
    EXPECT_EQ(Stored::Value(0, kFileNameWord), L"sz:C:\\100");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Column(0).empty());
}

TEST_F(Storage, ANegativeCountLoadsNothingAndTheSessionsEndSavesWithoutEnding) {
    Stored::PutCount(0x80000001);
    Stored::Put(0, L"C:\\a.exe", L"", OP_OPEN_FILE, 'A' << 8 | MOD_ALT);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Column(0).empty());

    // At log-off the windows are never destroyed: the session's end writes the list itself,
    // and a log-off that was cancelled writes nothing.
    Stored::RemoveAll();
    SendMessageW(Frame(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(Stored::Value(kShortcutCount), L"absent");
    SendMessageW(Frame(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(Stored::Value(kShortcutCount), Dword(0));
    EXPECT_NE(Frame(), nullptr);
}

} // namespace
