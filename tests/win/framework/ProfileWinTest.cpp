// The application's profile in a scratch registry key: round trips, defaults, types, and the
// recently-used-file list written at the end and read at the next start.
#include "framework/CWinApp.h"
#include "support/ScratchRegistryKey.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kSection[] = L"Section";

class Profile : public ::testing::Test {
protected:
    void SetUp() override {
        // Everything below "Software\".
        m_app.SetRegistryKey(static_cast<const wchar_t*>(m_key.Path()) + wcslen(L"Software\\"));
    }

    // The type of a value as the registry holds it, 0 when it is absent.
    DWORD StoredType(LPCWSTR lpszSection, LPCWSTR lpszEntry) {
        const CString path = m_key.Path() + L"\\Profile Tests\\" + lpszSection;
        DWORD dwType = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path, lpszEntry, RRF_RT_ANY, &dwType, nullptr,
                         nullptr) != ERROR_SUCCESS)
            return 0;
        return dwType;
    }

    ScratchRegistryKey m_key;
    CWinApp m_app{L"Profile Tests"};
};

TEST_F(Profile, ValuesComeBackAsWrittenWithTheirRegistryTypes) {
    EXPECT_TRUE(
        m_app.WriteProfileString(kSection, L"00 FileName", L"C:\\ショートカット\\メモ帳.exe"));
    EXPECT_TRUE(m_app.WriteProfileString(kSection, L"00 Parameter", L""));
    EXPECT_TRUE(m_app.WriteProfileInt(kSection, L"size", 3));
    EXPECT_TRUE(m_app.WriteProfileInt(kSection, L"negative", -2));

    EXPECT_EQ(m_app.GetProfileString(kSection, L"00 FileName"), L"C:\\ショートカット\\メモ帳.exe");
    EXPECT_EQ(m_app.GetProfileString(kSection, L"00 Parameter", L"default"), L"");
    EXPECT_EQ(m_app.GetProfileInt(kSection, L"size", 0), 3u);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt(kSection, L"negative", 0)), -2);
    EXPECT_EQ(StoredType(kSection, L"00 FileName"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(StoredType(kSection, L"size"), static_cast<DWORD>(REG_DWORD));

    EXPECT_TRUE(m_app.WriteProfileInt(kSection, L"size", 0x8000000A));
    EXPECT_EQ(m_app.GetProfileInt(kSection, L"size", 0), 0x8000000Au) << "overwritten";
}

TEST_F(Profile, AbsentOrMismatchedValuesGiveTheDefault) {
    EXPECT_EQ(m_app.GetProfileInt(L"No Section", L"size", 5), 5u);
    EXPECT_EQ(m_app.GetProfileString(L"No Section", L"name", L"fallback"), L"fallback");
    EXPECT_EQ(m_app.GetProfileString(L"No Section", L"name", nullptr), L"");
    EXPECT_EQ(StoredType(L"No Section", nullptr), 0u) << "reading creates no key";

    m_app.WriteProfileString(kSection, L"text", L"12");
    m_app.WriteProfileInt(kSection, L"number", 12);
    EXPECT_EQ(m_app.GetProfileInt(kSection, L"text", -1), static_cast<UINT>(-1));
    EXPECT_EQ(m_app.GetProfileString(kSection, L"number", L"none"), L"none");
}

TEST_F(Profile, SectionDeletedAndMadeAnewMeanwhileIsStillReadAndWritten) {
    const CString path = m_key.Path() + L"\\Profile Tests\\" + kSection;
    ASSERT_TRUE(m_app.WriteProfileInt(kSection, L"size", 1));
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, path), ERROR_SUCCESS);
    EXPECT_EQ(m_app.GetProfileInt(kSection, L"size", 7), 7u);
    EXPECT_TRUE(m_app.WriteProfileString(kSection, L"00 FileName", L"C:\\kept"));
    EXPECT_EQ(StoredType(kSection, L"00 FileName"), static_cast<DWORD>(REG_SZ)) << "not lost";

    const DWORD value = 42;
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, path), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path, L"size", REG_DWORD, &value, sizeof value),
              ERROR_SUCCESS);
    EXPECT_EQ(m_app.GetProfileInt(kSection, L"size", 0), 42u) << "read from the new key";
}

TEST(ProfileWithoutRegistryKey, ReadsGiveDefaultsAndWritesFail) {
    CWinApp app(L"Profile Tests");
    EXPECT_FALSE(app.WriteProfileInt(kSection, L"size", 1));
    EXPECT_EQ(app.GetProfileInt(kSection, L"size", 4), 4u);
    EXPECT_EQ(app.GetProfileString(kSection, L"name", L"x"), L"x");
}

TEST_F(Profile, RecentFilesAreWrittenAtTheEndAndReadAtTheNextStart) {
    // A list with a gap, as an edited registry may hold it: it is read compacted.
    m_app.WriteProfileString(L"Recent File List", L"File2", L"C:\\a.drk");
    m_app.LoadStdProfileSettings(3);
    m_app.AddToRecentFileList(L"C:\\b.drk");
    m_app.AddToRecentFileList(L"c:\\A.DRK"); // the same file again moves to the front
    m_app.ExitInstance();

    EXPECT_EQ(m_app.GetProfileString(L"Recent File List", L"File1"), L"c:\\A.DRK");
    EXPECT_EQ(m_app.GetProfileString(L"Recent File List", L"File2"), L"C:\\b.drk");
    EXPECT_EQ(StoredType(L"Recent File List", L"File3"), 0u);

    CWinApp nextRun(L"Profile Tests");
    nextRun.SetRegistryKey(m_app.m_pszRegistryKey);
    nextRun.LoadStdProfileSettings(3);
    nextRun.AddToRecentFileList(L"C:\\c.drk");
    nextRun.AddToRecentFileList(L"C:\\d.drk"); // the oldest one goes
    nextRun.ExitInstance();
    EXPECT_EQ(nextRun.GetProfileString(L"Recent File List", L"File1"), L"C:\\d.drk");
    EXPECT_EQ(nextRun.GetProfileString(L"Recent File List", L"File2"), L"C:\\c.drk");
    EXPECT_EQ(nextRun.GetProfileString(L"Recent File List", L"File3"), L"c:\\A.DRK");
}

} // namespace
