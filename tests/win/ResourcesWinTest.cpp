// The shipped exe's resources as the system loads them: titles, version information and the
// pictures' sizes.
#include "resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

class WendrakeExeResources : public ::testing::Test {
protected:
    void SetUp() override {
        m_hModule = LoadLibraryExW(L"Wendrake.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_hModule, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (m_hModule)
            FreeLibrary(m_hModule);
    }

    std::wstring String(UINT id) {
        const wchar_t* text = nullptr;
        const int length = LoadStringW(m_hModule, id, reinterpret_cast<LPWSTR>(&text), 0);
        return std::wstring(text ? text : L"", static_cast<size_t>(length));
    }

    HMODULE m_hModule = nullptr;
};

TEST_F(WendrakeExeResources, TitlesAndTemplateString) {
    EXPECT_EQ(String(AFX_IDS_APP_TITLE), L"Wendrake");
    EXPECT_EQ(String(AFX_IDS_IDLEMESSAGE), L"ﾚﾃﾞｨ");
    EXPECT_EQ(String(IDR_MAINFRAME), L"Wendrake\n\nDrovik\n\n\nWendrake.Document\nDrovik Document");
    EXPECT_EQ(String(ID_SHORTCUT_EDIT), L"ショートカットキーを追加する\n編集");
}

TEST_F(WendrakeExeResources, ShellErrorReasonsReadAsTheUserIsTold) {
    const struct {
        unsigned code;
        const wchar_t* text;
    } reasons[] = {
        {0, L"OSはメモリーあるいはリソースが不足しています。"},
        {2, L"指定されたファイルは見つかりませんでした。"},
        {3, L"指定された場所が見つかりませんでした。"},
        {5, L"OSは指定されたファイルへのアクセスを拒否しました。"},
        {8, L"操作を完了するのに十分なメモリーがありません。"},
        {11, L"exe ファイルは無効です。"},
        {26, L"共有違反が起こりました。"},
        {27, L"ファイルの関連付けは不完全か、無効です。"},
        {28, L"DDE処理が要求がタイムアウトしたため、DDE処理は完了しませんでした。"},
        {29, L"DDE処理が失敗しました。"},
        {30, L"他のDDE処理が実行中なので、DDE処理は完了しませんでした。"},
        {31, L"ファイルの拡張子に関連付けられたアプリケーションは存在しません。"},
        {32, L"指定されたDLLは見つかりませんでした。"},
    };
    for (const auto& reason : reasons)
        EXPECT_EQ(String(IDS_SHELL_ERROR_BASE + reason.code), reason.text) << reason.code;
    EXPECT_EQ(String(IDS_LAUNCH_FAILED), L"\nは実行できませんでした。\n");
}

TEST_F(WendrakeExeResources, PicturesHaveTheirSizes) {
    for (UINT id : {UINT(IDR_MAINFRAME), UINT(IDI_DISABLED)}) {
        for (int size : {16, 32}) {
            HICON hIcon = static_cast<HICON>(
                LoadImageW(m_hModule, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
            EXPECT_NE(hIcon, nullptr) << "icon " << id << " at " << size;
            if (hIcon)
                DestroyIcon(hIcon);
        }
    }
    const struct {
        UINT id;
        LONG width, height;
    } bitmaps[] = {{IDR_MAINFRAME, 48, 15}, {IDB_LISTICONS, 48, 16}};
    for (const auto& expected : bitmaps) {
        HRSRC hRes = FindResourceW(m_hModule, MAKEINTRESOURCEW(expected.id), RT_BITMAP);
        ASSERT_NE(hRes, nullptr);
        const auto* info =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(m_hModule, hRes)));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->biWidth, expected.width);
        EXPECT_EQ(info->biHeight, expected.height);
        EXPECT_EQ(info->biBitCount, 4) << "16 colours";
    }
}

TEST(WendrakeExeVersion, CarriesTheReleaseVersionInJapanese) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(L"Wendrake.exe", &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(L"Wendrake.exe", 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileOS, DWORD(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    DWORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(*translation, 0x04B00411u);

    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } fields[] = {
        {L"Comments", L"OS全体で有効なショートカットキーを設定するソフト。"},
        {L"FileDescription", L"Wendrake ショートカットキーを設定するソフト"},
        {L"FileVersion", L"1, 2, 0, 1"},
        {L"InternalName", L"Wendrake"},
        {L"LegalTrademarks", L"Wendrake"},
        {L"OriginalFilename", L"Wendrake.EXE"},
        {L"ProductName", L"Wendrake ｱﾌﾟﾘｹｰｼｮﾝ"},
        {L"ProductVersion", L"1, 2, 0, 1"},
    };
    for (const auto& field : fields) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + field.name;
        wchar_t* value = nullptr;
        ASSERT_TRUE(
            VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << "missing field";
        EXPECT_STREQ(value, field.value);
    }
}

} // namespace
