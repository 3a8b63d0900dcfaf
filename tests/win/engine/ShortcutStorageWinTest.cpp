// The shortcut list in the registry, read back and written independently of the profile
// functions.
#include "ViewFixture.h"

#include "engine/ProfileNames.h"
#include "support/StoredShortcuts.h"
#include "support/TestWindow.h"

#include <string>

namespace {

class ShortcutStorage : public ViewFixture {
protected:
    const StoredShortcuts m_stored{SectionPath()};
};

TEST_F(ShortcutStorage, SaveWritesTheCountThenEachRowInListOrder) {
    CreateView();
    EXPECT_TRUE(m_boxes.empty()) << "no section at all is a first run";
    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, L"C:\\b\\ツール.exe", L"-q",
                                     MOD_CONTROL | MOD_ALT, 'N'));
    ASSERT_TRUE(m_pView->AddShortcut(OP_EXPLORE, L"C:\\a", L"", MOD_WIN, VK_F1 + 4));
    ASSERT_TRUE(m_pView->AddShortcut(OP_NONE, L"", L"", MOD_SHIFT, VK_OEM_5));
    m_pView->SortShortcuts(1); // saved in the order shown
    DestroyView();

    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(), 0, KEY_READ, &hKey), ERROR_SUCCESS);
    DWORD count = 0;
    RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(hKey);
    EXPECT_EQ(count, 13u);

    EXPECT_EQ(m_stored.Value(L"size"), L"dword:3");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:");
    EXPECT_EQ(m_stored.Value(0, kParameterWord), L"sz:");
    EXPECT_EQ(m_stored.Value(0, kOperationWord), L"dword:3");
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:" + std::to_wstring(0xDC04));
    EXPECT_EQ(m_stored.Value(1, kFileNameWord), L"sz:C:\\a");
    EXPECT_EQ(m_stored.Value(1, kKeyWord), L"dword:" + std::to_wstring(0x7408));
    EXPECT_EQ(m_stored.Value(2, kFileNameWord), L"sz:C:\\b\\ツール.exe");
    EXPECT_EQ(m_stored.Value(2, kParameterWord), L"sz:-q");
    EXPECT_EQ(m_stored.Value(2, kOperationWord), L"dword:0");
    EXPECT_EQ(m_stored.Value(2, kKeyWord), L"dword:19971");
    EXPECT_EQ(m_stored.Value(3, kFileNameWord), L"absent");
}

TEST_F(ShortcutStorage, RestartRestoresOrderAndHandsOutIdsAfresh) {
    m_stored.PutCount(3);
    m_stored.Put(0, L"C:\\z", L"1", OP_OPEN_FILE, 0xABCD4E03); // bits 16 and up ignored
    m_stored.Put(1, L"C:\\y", L"", 7, 0x4101);                 // an unknown operation
    m_stored.Put(2, L"C:\\x", L"", OP_OPEN_FOLDER, 0x7000);    // F1 alone
    CreateView();
    EXPECT_TRUE(m_boxes.empty());
    ASSERT_EQ(List().GetItemCount(), 3);
    EXPECT_EQ(Column(0), (std::vector<CString>{L"Ctrl + Alt + N", L"Alt + A", L"F1"}));
    EXPECT_EQ(Column(1), (std::vector<CString>{L"C:\\z", L"C:\\y", L"C:\\x"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m_pView->GetShortcutRecord(i)->m_nId, i);
    EXPECT_EQ(m_pView->GetShortcutRecord(1)->m_nOperation, 7);
    DestroyView();
    EXPECT_EQ(m_stored.Value(0, kKeyWord), L"dword:19971");
    EXPECT_EQ(m_stored.Value(1, kOperationWord), L"dword:7");
}

TEST_F(ShortcutStorage, MissingValuesAndBadCountsLoadNothingBroken) {
    m_stored.PutCount(2); // no entries at all
    CreateView();
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_EQ(m_boxes,
              (std::vector<CString>{L"登録できないキーです。", L"登録できないキーです。"}));
    DestroyView();

    m_boxes.clear();
    m_stored.PutCount(0x80000001); // negative
    m_stored.Put(0, L"C:\\a", L"", OP_OPEN_FILE, 0x4103);
    CreateView();
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ShortcutStorage, AShorterListLeavesStaleEntriesUnread) {
    m_stored.PutCount(4);
    for (int i = 0; i < 4; ++i)
        m_stored.Put(i, (L"C:\\" + std::to_wstring(i)).c_str(), L"", OP_OPEN_FILE,
                     static_cast<DWORD>(('A' + i) << 8 | MOD_ALT));
    CreateView();
    List().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    List().SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    List().SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    m_pView->DeleteSelectedShortcuts();
    DestroyView();
    EXPECT_EQ(m_stored.Value(L"size"), L"dword:1");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:C:\\1");
    EXPECT_EQ(m_stored.Value(1, kFileNameWord), L"sz:C:\\1") << "stale, from the earlier save";
    EXPECT_EQ(m_stored.Value(3, kFileNameWord), L"sz:C:\\3");

    CreateView();
    EXPECT_EQ(List().GetItemCount(), 1);
    m_pView->SelectAllShortcuts();
    m_pView->DeleteSelectedShortcuts();
    DestroyView();
    EXPECT_EQ(m_stored.Value(L"size"), L"dword:0");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:C:\\1");
}

TEST_F(ShortcutStorage, PositionsFrom100HaveThreeDigits) {
    CreateView();
    const UINT mods[] = {MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_ALT | MOD_SHIFT};
    int added = 0;
    for (UINT mod : mods)
        for (UINT vk = 'A'; vk <= 'Z' && added < 101; ++vk, ++added)
            ASSERT_TRUE(
                m_pView->AddShortcut(OP_OPEN_FILE, std::to_wstring(added).c_str(), L"", mod, vk));
    DestroyView();
    EXPECT_EQ(m_stored.Value(L"size"), L"dword:101");
    EXPECT_EQ(m_stored.Value(99, kFileNameWord), L"sz:99");
    EXPECT_EQ(m_stored.Value(L"100 FileName"), L"sz:100");
    EXPECT_EQ(m_stored.Value(L"100 Parameter"), L"sz:");
    EXPECT_EQ(m_stored.Value(L"100 Operation"), L"dword:0");
    EXPECT_EQ(m_stored.Value(L"100 Key"),
              L"dword:" + std::to_wstring(('A' + 22) << 8 | MOD_ALT | MOD_SHIFT));
}

TEST_F(ShortcutStorage, EntryHeldElsewhereAtLoadIsKeptForTheNextRun) {
    m_stored.PutCount(4);
    m_stored.Put(0, L"C:\\first", L"", OP_OPEN_FILE, 'A' << 8 | MOD_ALT);
    m_stored.Put(1, L"C:\\taken", L"-t", OP_EXPLORE, 'T' << 8 | MOD_ALT);
    m_stored.Put(2, L"C:\\nokey", L"", OP_OPEN_FILE, VK_SPACE << 8 | MOD_ALT);
    m_stored.Put(3, L"C:\\twice", L"", OP_OPEN_FILE, 'A' << 8 | MOD_ALT | 0x10);
    TestWindow other;
    ASSERT_TRUE(RegisterHotKey(other.Handle(), 1, MOD_ALT, 'T'));
    CreateView();
    UnregisterHotKey(other.Handle(), 1);
    EXPECT_EQ(Column(1), (std::vector<CString>{L"C:\\first"}));
    ASSERT_EQ(m_boxes.size(), 3u);
    EXPECT_STREQ(m_boxes[1], L"登録できないキーです。");
    EXPECT_STREQ(m_boxes[2], m_boxes[0]) << "the same refusal by the system";

    ASSERT_TRUE(m_pView->AddShortcut(OP_OPEN_FILE, L"C:\\new", L"", MOD_ALT, 'N'));
    DestroyView();
    EXPECT_EQ(m_stored.Value(L"size"), L"dword:3");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:C:\\first");
    EXPECT_EQ(m_stored.Value(1, kFileNameWord), L"sz:C:\\new");
    EXPECT_EQ(m_stored.Value(2, kFileNameWord), L"sz:C:\\taken");
    EXPECT_EQ(m_stored.Value(2, kParameterWord), L"sz:-t");
    EXPECT_EQ(m_stored.Value(2, kOperationWord), L"dword:2");
    EXPECT_EQ(m_stored.Value(2, kKeyWord), L"dword:" + std::to_wstring('T' << 8 | MOD_ALT));

    m_boxes.clear();
    CreateView(); // the combination is free again
    EXPECT_EQ(Column(1), (std::vector<CString>{L"C:\\first", L"C:\\new", L"C:\\taken"}));
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ShortcutStorage, ViewDestroyedBeforeItsLoadLeavesTheProfileAlone) {
    m_stored.PutCount(1);
    m_stored.Put(0, L"C:\\keep", L"", OP_OPEN_FILE, 'K' << 8 | MOD_ALT);
    CreateView(false);
    DestroyView();
    EXPECT_EQ(m_stored.Value(L"size"), L"dword:1");
    EXPECT_EQ(m_stored.Value(0, kFileNameWord), L"sz:C:\\keep");
}

} // namespace
