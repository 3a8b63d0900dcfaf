// The command line at start: a file named on it is opened through the template, and one that
// cannot be opened ends the start with the framework's message.
#include "ChildProcess.h"
#include "FrameTestClasses.h"

#include "framework/CCommandLineInfo.h"
#include "framework/MessageBoxHook.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kMissingFile[] = L"C:\\存在しない フォルダ\\ショートカット.drk";

TEST(CommandLineInfo, FirstPlainArgumentIsTheFileToOpen) {
    CCommandLineInfo info;
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
    info.ParseParam(L"Embedding", TRUE, FALSE);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew) << "flags are ignored";
    info.ParseParam(L"first.drk", FALSE, FALSE);
    info.ParseParam(L"second.drk", FALSE, TRUE);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, L"first.drk");
}

// Runs in a process started with kMissingFile on its command line.
TEST_F(FrameTest, DISABLED_StartWithAMissingFileOnTheCommandLine) {
    CCommandLineInfo info;
    m_app.ParseCommandLine(info);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, kMissingFile);

    std::vector<CString> texts;
    AfxSetMessageBoxHook([&](const CString& text, UINT, const CString&) {
        texts.push_back(text);
        return IDOK;
    });
    EXPECT_FALSE(m_app.ProcessShellCommand(info));
    AfxSetMessageBoxHook(nullptr);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(wcsncmp(texts[0], kMissingFile, wcslen(kMissingFile)), 0);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

TEST(CommandLine, MissingFileMakesTheStartFail) {
    EXPECT_EQ(RunTestInChildProcess(L"FrameTest.DISABLED_StartWithAMissingFileOnTheCommandLine",
                                    L"\"" + std::wstring(kMissingFile) + L"\""),
              0);
}

} // namespace
