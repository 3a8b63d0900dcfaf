#include "framework/CString.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, FormatsAndBuffersAsTheProgramUsesThem) {
    CString s;
    s.Format(L"%.2d %ls", 7, L"ファイル");
    EXPECT_STREQ(s, L"07 ファイル");
    s.Format(L"%d", -2147483647 - 1);
    EXPECT_STREQ(s, L"-2147483648");
    s.Format(L"%0300d", 5);
    EXPECT_EQ(s.GetLength(), 300) << "longer than any fixed buffer";

    wchar_t* buffer = s.GetBuffer(260);
    wcscpy(buffer, L"C:");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 2);
    CString copy = s;
    copy += L"\\x";
    EXPECT_STREQ(s, L"C:") << "copies are values";
    EXPECT_TRUE(CString(nullptr).IsEmpty());
}

TEST(CString, ComparesCodeUnitsAsUnsignedNumbers) {
    EXPECT_LT(CString(L"B").Compare(L"a"), 0);
    EXPECT_LT(CString(L"F1").Compare(L"F10"), 0);
    EXPECT_LT(CString(L"F10").Compare(L"F2"), 0);
    EXPECT_LT(CString(L"").Compare(L"a"), 0);
    EXPECT_EQ(CString(L"abc").Compare(L"abc"), 0);
    // Every non-ASCII character sorts after ASCII, those above 0x7FFF included.
    EXPECT_GT(CString(L"\u00e9").Compare(L"z"), 0);
    EXPECT_GT(CString(L"\uff21").Compare(L"\u3042"), 0);
    EXPECT_EQ(CompareOrdinal(nullptr, L""), 0);
}

} // namespace
