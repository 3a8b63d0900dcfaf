// The shortcut table on a real list control with real hot-key registrations.
#include "ViewFixture.h"

#include "engine/ShortcutRecord.h"
#include "support/TestWindow.h"

#include <string>

namespace {

const UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

class ShortcutTable : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        CreateView();
    }
    // A second registration of the same combination on another window must fail while the
    // view holds it.
    static bool IsHeldBySomeone(UINT nModifiers, UINT nVirtKey) {
        TestWindow probe;
        if (RegisterHotKey(probe.Handle(), 0xBFFE, nModifiers, nVirtKey)) {
            UnregisterHotKey(probe.Handle(), 0xBFFE);
            return false;
        }
        return true;
    }
    void Add(const wchar_t* file, unsigned vk, unsigned mods = kCtrlAlt, const wchar_t* param = L"",
             int op = OP_OPEN_FILE) {
        ASSERT_TRUE(m_pView->AddShortcut(op, file, param, mods, vk)) << "vk " << vk;
    }
    void Select(std::initializer_list<int> items) {
        for (int i : items)
            List().SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
};

TEST_F(ShortcutTable, AddAppendsARegisteredRowThatOwnsItsRecord) {
    Add(L"C:\\a.exe", 'A');
    ASSERT_TRUE(
        m_pView->AddShortcut(OP_EXPLORE, L"C:\\フォルダ", L"-x", MOD_SHIFT | MOD_CONTROL, VK_NEXT));
    ASSERT_EQ(List().GetItemCount(), 2);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_STREQ(ItemText(1, 0), L"Shift + Ctrl + Page Down");
    EXPECT_STREQ(ItemText(1, 1), L"C:\\フォルダ");
    EXPECT_STREQ(ItemText(1, 2), L"-x");

    LVITEMW item = {};
    item.mask = LVIF_IMAGE | LVIF_PARAM;
    item.iItem = 1;
    ASSERT_TRUE(List().GetItem(&item));
    EXPECT_EQ(item.iImage, OP_EXPLORE);
    const ShortcutRecord* pRecord = m_pView->GetShortcutRecord(1);
    ASSERT_EQ(reinterpret_cast<LPARAM>(pRecord), item.lParam);
    EXPECT_EQ(pRecord->m_nId, 1);
    EXPECT_STREQ(pRecord->m_strId, L"1");
    EXPECT_EQ(pRecord->m_nModifiers, unsigned(MOD_SHIFT | MOD_CONTROL));
    EXPECT_EQ(pRecord->m_nVirtKey, unsigned(VK_NEXT));
    EXPECT_EQ(m_pView->m_nNextId, 2);
    EXPECT_TRUE(IsHeldBySomeone(MOD_SHIFT | MOD_CONTROL, VK_NEXT));
    EXPECT_EQ(m_pView->FindShortcutById(1), 1);
    EXPECT_EQ(m_pView->FindShortcutById(2), -1);
}

TEST_F(ShortcutTable, RefusalsComeInOrderAndUseIdsOnlyOnceRegistrationIsTried) {
    // A key without a name: no id used, even when the ids are also used up.
    m_pView->m_nNextId = 0xC000;
    EXPECT_FALSE(m_pView->AddShortcut(OP_OPEN_FILE, L"x", L"", kCtrlAlt, VK_SPACE));
    EXPECT_EQ(m_pView->m_nNextId, 0xC000);
    // Ids used up: no id used either.
    EXPECT_FALSE(m_pView->AddShortcut(OP_OPEN_FILE, L"x", L"", kCtrlAlt, 'Q'));
    EXPECT_EQ(m_pView->m_nNextId, 0xC000);
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_STREQ(m_boxes[0], L"登録できないキーです。");
    EXPECT_STREQ(m_boxes[1], L"0xBFFF 個より多くWindowsに登録できません。");

    // The last id there is goes to one more record.
    m_pView->m_nNextId = 0xBFFF;
    Add(L"last", 'L');
    EXPECT_EQ(m_pView->GetShortcutRecord(0)->m_nId, 0xBFFF);
    EXPECT_FALSE(m_pView->AddShortcut(OP_OPEN_FILE, L"x", L"", kCtrlAlt, 'M'));
    EXPECT_STREQ(m_boxes.back(), L"0xBFFF 個より多くWindowsに登録できません。");
    EXPECT_EQ(List().GetItemCount(), 1);
}

TEST_F(ShortcutTable, SystemRefusalShowsItsTextAndStillUsesTheId) {
    Add(L"first", 'D');
    const int nId = m_pView->GetShortcutRecord(0)->m_nId;
    m_boxes.clear();
    EXPECT_FALSE(m_pView->AddShortcut(OP_OPEN_FILE, L"again", L"", kCtrlAlt, 'D'));
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_FALSE(m_boxes[0].IsEmpty());
    EXPECT_EQ(List().GetItemCount(), 1);
    Add(L"next", 'F');
    EXPECT_EQ(m_pView->GetShortcutRecord(1)->m_nId, nId + 2);
}

TEST_F(ShortcutTable, CombinationHeldByAnotherProgramIsRefused) {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    wchar_t szCommand[] = L"HotKeyHolder.exe 3 0x4A"; // Ctrl + Alt + J
    ASSERT_TRUE(CreateProcessW(L"tests\\HotKeyHolder.exe", szCommand, nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &si, &pi))
        << GetLastError();
    HANDLE hReady = nullptr;
    for (int i = 0; i < 100 && !hReady; ++i) {
        hReady = OpenEventW(SYNCHRONIZE, FALSE, L"WendrakeHotKeyHolderReady");
        if (!hReady)
            Sleep(50);
    }
    ASSERT_NE(hReady, nullptr) << "the other program did not register its hot key";

    EXPECT_FALSE(m_pView->AddShortcut(OP_OPEN_FILE, L"x", L"", kCtrlAlt, 'J'));
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_EQ(m_pView->m_nNextId, 1);

    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(hReady);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    Add(L"x", 'J'); // released with its owner
}

TEST_F(ShortcutTable, DeleteRemovesExactlyTheSelectedRowsAndTheirHotKeys) {
    m_pView->DeleteSelectedShortcuts();
    m_pView->SelectAllShortcuts();
    EXPECT_EQ(m_pView->FindShortcutById(0), -1);

    for (unsigned vk = '0'; vk < '5'; ++vk)
        Add(L"file", vk);
    Select({0, 1, 3});
    m_pView->DeleteSelectedShortcuts();
    EXPECT_EQ(Column(0), (std::vector<CString>{L"Ctrl + Alt + 2", L"Ctrl + Alt + 4"}));
    EXPECT_FALSE(IsHeldBySomeone(kCtrlAlt, '0'));
    EXPECT_FALSE(IsHeldBySomeone(kCtrlAlt, '3'));
    EXPECT_TRUE(IsHeldBySomeone(kCtrlAlt, '2'));

    m_pView->SelectAllShortcuts();
    EXPECT_EQ(List().GetSelectedCount(), 2u);
    m_pView->DeleteSelectedShortcuts();
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_FALSE(IsHeldBySomeone(kCtrlAlt, '4'));
}

TEST_F(ShortcutTable, EachColumnTogglesItsOwnSortAndNewRowsGoLast) {
    m_pView->SortShortcuts(1); // an empty list still toggles
    EXPECT_EQ(m_pView->m_nSortState[1], 0);
    m_pView->SortShortcuts(1);
    EXPECT_EQ(m_pView->m_nSortState[1], 1);
    m_pView->m_nSortState[1] = 2;

    Add(L"b", VK_F1 + 1, 0, L"z"); // F2
    Add(L"B", VK_F1 + 9, 0, L"");  // F10
    Add(L"a", VK_F1, 0, L"y");     // F1
    Add(L"c", 'B', MOD_ALT, L"x"); // Alt + B
    Add(L"d", 'A', 0, L"w");       // A

    m_pView->SortShortcuts(1);
    EXPECT_EQ(Column(1), (std::vector<CString>{L"B", L"a", L"b", L"c", L"d"}));
    m_pView->SortShortcuts(1);
    EXPECT_EQ(Column(1), (std::vector<CString>{L"d", L"c", L"b", L"a", L"B"}));
    m_pView->SortShortcuts(1);
    EXPECT_EQ(Column(1), (std::vector<CString>{L"B", L"a", L"b", L"c", L"d"}));

    m_pView->SortShortcuts(0);
    EXPECT_EQ(Column(0), (std::vector<CString>{L"A", L"Alt + B", L"F1", L"F10", L"F2"}));
    m_pView->SortShortcuts(2);
    EXPECT_STREQ(ItemText(0, 2), L"");
    EXPECT_EQ(m_pView->m_nSortState[0], 0);
    EXPECT_EQ(m_pView->m_nSortState[1], 0);
    EXPECT_EQ(m_pView->m_nSortState[2], 0);

    Add(L"0", 'Z', 0, L"");
    EXPECT_STREQ(ItemText(5, 1), L"0") << "a new row is not sorted in";
}

TEST_F(ShortcutTable, ColumnClickFromTheControlSorts) {
    Add(L"b", 'B');
    Add(L"a", 'A');
    NMLISTVIEW nm = {};
    nm.hdr = {List().m_hWnd, 1, static_cast<UINT>(LVN_COLUMNCLICK)};
    nm.iSubItem = 1;
    EXPECT_EQ(SendMessageW(m_parent.m_hWnd, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&nm)), 0);
    EXPECT_EQ(Column(1), (std::vector<CString>{L"a", L"b"}));
    EXPECT_EQ(m_pView->m_nSortState[1], 0);
}

} // namespace
