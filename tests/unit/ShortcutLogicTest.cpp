#include "engine/LaunchCommand.h"
#include "engine/ProfileNames.h"
#include "engine/ShortcutOrder.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

ShortcutRecord Record(const wchar_t* key, const wchar_t* file, const wchar_t* parameter,
                      int operation = OP_OPEN_FILE) {
    return ShortcutRecord{0, L"0", key, file, operation, 0, 0, parameter};
}

std::vector<CString> SortedColumn(std::vector<ShortcutRecord> records, int column) {
    std::stable_sort(records.begin(), records.end(),
                     [&](const ShortcutRecord& a, const ShortcutRecord& b) {
                         return CompareShortcuts(a, b, column) < 0;
                     });
    std::vector<CString> texts;
    for (const auto& r : records)
        texts.push_back(column == 0   ? r.m_strKeyName
                        : column == 1 ? r.m_strFileName
                                      : r.m_strParameter);
    return texts;
}

TEST(ShortcutOrder, ComparesColumnTextsByCodeUnit) {
    EXPECT_EQ(SortedColumn(
                  {Record(L"x", L"b", L""), Record(L"x", L"B", L""), Record(L"x", L"a", L"")}, 1),
              (std::vector<CString>{L"B", L"a", L"b"}));
    EXPECT_EQ(SortedColumn({Record(L"F2", L"", L""), Record(L"F10", L"", L""),
                            Record(L"Alt + B", L"", L""), Record(L"F1", L"", L""),
                            Record(L"A", L"", L"")},
                           0),
              (std::vector<CString>{L"A", L"Alt + B", L"F1", L"F10", L"F2"}));
    EXPECT_EQ(SortedColumn({Record(L"", L"", L"-x"), Record(L"", L"", L""),
                            Record(L"", L"", L"ファイル"), Record(L"", L"", L"~")},
                           2),
              (std::vector<CString>{L"", L"-x", L"~", L"ファイル"}));
}

TEST(ShortcutOrder, ResultIsSignOnlyAndOtherColumnsAreEqual) {
    const ShortcutRecord a = Record(L"A", L"a", L"1"), b = Record(L"Z", L"zzz", L"9");
    EXPECT_EQ(CompareShortcuts(a, b, 0), -1);
    EXPECT_EQ(CompareShortcuts(b, a, 1), 1);
    EXPECT_EQ(CompareShortcuts(a, a, 2), 0);
    for (int column : {-1, 3, 4, 5, 1000})
        EXPECT_EQ(CompareShortcuts(a, b, column), 0) << "column " << column;
}

TEST(LaunchCommand, VerbAndArgumentsFollowTheOperation) {
    const struct {
        int operation;
        bool launch;
        const wchar_t* verb;
        const wchar_t* parameters;
    } cases[] = {
        {OP_OPEN_FILE, true, L"open", L"-a \"b c\""},
        {OP_OPEN_FOLDER, true, L"open", L""},
        {OP_EXPLORE, true, L"explore", L""},
        {OP_NONE, false, nullptr, nullptr},
        {4, true, L"open", L""},
        {-1, true, L"open", L""},
        {0x7FFFFFFF, true, L"open", L""},
    };
    for (const auto& c : cases) {
        const LaunchCommand command =
            MakeLaunchCommand(Record(L"A", L"C:\\target", L"-a \"b c\"", c.operation));
        EXPECT_EQ(command.bLaunch, c.launch) << "operation " << c.operation;
        if (c.launch) {
            EXPECT_STREQ(command.pszVerb, c.verb) << "operation " << c.operation;
            EXPECT_STREQ(command.strParameters, c.parameters) << "operation " << c.operation;
        }
    }
}

TEST(LaunchCommand, OnlyKnownShellErrorsHaveAReason) {
    std::set<unsigned> ids;
    for (long long code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32}) {
        const unsigned id = ShellErrorReasonId(code);
        EXPECT_EQ(id, IDS_SHELL_ERROR_BASE + code);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 13u);
    for (long long code :
         {-1LL, -2147483648LL, 1LL, 4LL, 6LL, 7LL, 9LL, 10LL, 12LL, 25LL, 33LL, 0x100000002LL})
        EXPECT_EQ(ShellErrorReasonId(code), 0u) << "code " << code;
}

TEST(ProfileNames, PositionHasAtLeastTwoDigitsThenOneSpace) {
    EXPECT_STREQ(ShortcutValueName(0, kFileNameWord), L"00 FileName");
    EXPECT_STREQ(ShortcutValueName(9, kKeyWord), L"09 Key");
    EXPECT_STREQ(ShortcutValueName(10, kOperationWord), L"10 Operation");
    EXPECT_STREQ(ShortcutValueName(99, kParameterWord), L"99 Parameter");
    EXPECT_STREQ(ShortcutValueName(100, kFileNameWord), L"100 FileName");
    EXPECT_STREQ(ShortcutValueName(4999, kKeyWord), L"4999 Key");
    EXPECT_STREQ(kShortcutSection, L"ShortCuts");
    EXPECT_STREQ(kShortcutCount, L"size");
}

} // namespace
