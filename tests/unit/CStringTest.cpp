#include "framework/CString.h"

#include <gtest/gtest.h>

namespace {

CString Formatted(const wchar_t* format, int value) {
    CString s;
    s.Format(format, value);
    return s;
}

TEST(CString, FormatsTheProgramsNumberFormats) {
    EXPECT_STREQ(Formatted(L"%.2d", 0), L"00");
    EXPECT_STREQ(Formatted(L"%.2d", 9), L"09");
    EXPECT_STREQ(Formatted(L"%.2d", 10), L"10");
    EXPECT_STREQ(Formatted(L"%.2d", 100), L"100");
    EXPECT_STREQ(Formatted(L"%d", -2147483647 - 1), L"-2147483648");
    EXPECT_STREQ(Formatted(L"%.2d ファイル", 7), L"07 ファイル");

    CString wide;
    wide.Format(L"%0300d", 5);
    EXPECT_EQ(wide.GetLength(), 300);
    EXPECT_EQ(wide.GetAt(299), L'5');
}

TEST(CString, ComparesCodeUnitsAsUnsignedNumbers) {
    EXPECT_LT(CString(L"B").Compare(L"a"), 0);
    EXPECT_LT(CString(L"a").Compare(L"b"), 0);
    EXPECT_GT(CString(L"b").Compare(L"B"), 0);
    EXPECT_LT(CString(L"F1").Compare(L"F10"), 0);
    EXPECT_LT(CString(L"F10").Compare(L"F2"), 0);
    EXPECT_LT(CString(L"").Compare(L"a"), 0);
    EXPECT_EQ(CString(L"abc").Compare(L"abc"), 0);
    // Every non-ASCII character sorts after ASCII, including those above 0x7FFF.
    EXPECT_GT(CString(L"\u00e9").Compare(L"z"), 0);
    EXPECT_GT(CString(L"\uff21").Compare(L"\u3042"), 0);
    EXPECT_GT(CString(L"\uff21").Compare(L"~"), 0);
    EXPECT_EQ(CompareOrdinal(nullptr, L""), 0);
}

TEST(CString, HasValueSemantics) {
    CString a(L"path");
    CString b = a;
    b += L"\\file";
    EXPECT_STREQ(a, L"path");
    EXPECT_STREQ(b, L"path\\file");
    EXPECT_TRUE(CString(nullptr).IsEmpty());
    EXPECT_STREQ(L"<" + a + L">", L"<path>");
    b.Empty();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_TRUE(a == L"path");
    EXPECT_TRUE(a != CString(L"Path"));
}

TEST(CString, BufferTakesLengthFromTheTerminator) {
    CString s(L"old text");
    wchar_t* buffer = s.GetBuffer(260);
    buffer[0] = L'C';
    buffer[1] = L':';
    buffer[2] = 0;
    s.ReleaseBuffer();
    EXPECT_STREQ(s, L"C:");
    EXPECT_EQ(s.GetLength(), 2);

    s.GetBuffer(4)[1] = L'x';
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, L"Cx");
}

} // namespace
