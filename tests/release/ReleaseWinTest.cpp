// The installed program as a user meets it, in a Wine prefix of its own that check-release.sh
// prepares: a silent install, another over the running program, its help, and a silent
// uninstall while it runs. The cases run in this order, each on what the one before left.
#include "support/FileBytes.h"
#include "support/Joined.h"
#include "support/MessagePump.h"
#include "support/ModalAnswers.h"
#include "support/StoredShortcuts.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>

namespace {

std::wstring Env(const wchar_t* pszName) {
    const wchar_t* pszValue = _wgetenv(pszName);
    return pszValue ? pszValue : L"";
}
std::wstring ShellFolder(int nFolder) {
    wchar_t szPath[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, szPath);
    return szPath;
}
const std::wstring kFolder = ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Wendrake";
const std::wstring kExe = kFolder + L"\\Wendrake.exe", kUninstaller = kFolder + L"\\Uninstall.exe";
const std::wstring kStartMenuLink = ShellFolder(CSIDL_PROGRAMS) + L"\\Wendrake.lnk";
const std::wstring kStartupLink = ShellFolder(CSIDL_STARTUP) + L"\\Wendrake.lnk";

bool AsBuilt(const wchar_t* pszName) {
    return FileBytes(kFolder + L"\\" + pszName) == FileBytes(Env(L"WENDRAKE_BUILT") + pszName);
}
std::wstring Registered(const wchar_t* pszName) {
    wchar_t szValue[MAX_PATH] = {};
    DWORD cbValue = sizeof szValue;
    RegGetValueW(HKEY_CURRENT_USER,
                 L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Wendrake", pszName,
                 RRF_RT_REG_SZ, nullptr, szValue, &cbValue);
    return szValue;
}

// Runs the program until it and every process it started have ended (the uninstaller hands over
// to a copy of itself outside the folder it removes); its exit status, or ~0.
DWORD RunToTheEnd(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\" /S";
    const HANDLE hJob = CreateJobObjectW(nullptr, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION job = {};
    DWORD dwExitCode = ~0u;
    const auto ended = [&] {
        return QueryInformationJobObject(hJob, JobObjectBasicAccountingInformation, &job,
                                         sizeof job, nullptr) &&
               job.ActiveProcesses == 0;
    };
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                       nullptr, nullptr, &startup, &process) &&
        AssignProcessToJobObject(hJob, process.hProcess) && ResumeThread(process.hThread) == 1 &&
        PumpUntil(ended, 60000))
        GetExitCodeProcess(process.hProcess, &dwExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(hJob);
    return dwExitCode;
}

// Whether the link names the installed exe as its target (a link holds its target's path).
bool PointsAtTheExe(const std::wstring& link) {
    return FileBytes(link).find(std::string(kExe.begin(), kExe.end()) + '\0') != std::string::npos;
}

// The installed program, started with many stored shortcuts, once it waits for input. The
// profile is emptied then: what it holds afterwards, the program wrote, in an end that takes its
// time.
HANDLE StartTheProgram() {
    Stored::PutRows(338);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = kExe.c_str();
    if (ShellExecuteExW(&info))
        WaitForInputIdle(info.hProcess, 10000);
    Stored::RemoveAll();
    return info.hProcess;
}
// It has ended by itself (within dwWaitMs), and saved its shortcuts.
std::wstring EndAndSave(HANDLE hProcess, DWORD dwWaitMs = 0) {
    DWORD dwExitCode = 1;
    return Joined(WaitForSingleObject(hProcess, dwWaitMs) == WAIT_OBJECT_0 &&
                      GetExitCodeProcess(hProcess, &dwExitCode) && dwExitCode == 0,
                  Stored::Value(337, kFileNameWord));
}
const std::wstring kEndedAndSaved = L"1|sz:C:\\1337";

TEST(Release, ASilentInstallPutsTheProgramItsHelpLinksAndUninstallerInPlace) {
    EXPECT_EQ(RunToTheEnd(Env(L"WENDRAKE_INSTALLER")), 0u);
    EXPECT_TRUE(AsBuilt(L"Wendrake.exe") && AsBuilt(L"Wendrake.chm")) << "not as in build/x86_64";
    EXPECT_TRUE(PointsAtTheExe(kStartMenuLink) && PointsAtTheExe(kStartupLink));
    EXPECT_EQ(
        Joined(Registered(L"DisplayName"), Registered(L"DisplayVersion"),
               Registered(L"InstallLocation"), Registered(L"QuietUninstallString")),
        Joined(L"Wendrake", Env(L"WENDRAKE_VERSION"), kFolder, L"\"" + kUninstaller + L"\" /S"));
}

TEST(Release, AnInstallOverTheRunningProgramEndsItWithItsShortcutsSavedAndReplacesTheExe) {
    std::ofstream(kExe.c_str(), std::ios::binary | std::ios::app) << "an older build";
    const HANDLE hProgram = StartTheProgram();
    EXPECT_EQ(RunToTheEnd(Env(L"WENDRAKE_INSTALLER")), 0u);
    EXPECT_EQ(EndAndSave(hProgram), kEndedAndSaved) << "before the installer ended";
    EXPECT_TRUE(AsBuilt(L"Wendrake.exe"));
}

TEST(Release, TheInstalledProgramOpensItsHelpAndAStartAgainSaysThatOneRuns) {
    const HANDLE hProgram = StartTheProgram();
    const HWND hFrame = FindWindowW(nullptr, L"Wendrake");
    PostMessageW(hFrame, WM_COMMAND, 0xE146 /* ID_HELP */, 0);
    HWND hViewer = nullptr, hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (hViewer = FindWindowW(L"HH Parent", nullptr)); }, 20000));
    wchar_t szTitle[64] = {};
    GetWindowTextW(hViewer, szTitle, 64);
    EXPECT_EQ(std::wstring(szTitle).substr(0, 9), L"Wendrake ") << "the help file's own title";
    // The exe's own start, up to its single-instance lock: its box under the application's name.
    const HANDLE hSecond = StartTheProgram();
    EXPECT_TRUE(PumpUntil([&] { return (hBox = FindWindowW(L"#32770", L"Wendrake")); }, 10000));
    EXPECT_EQ(BoxText(hBox), L"Wendrake は既に起動されているので、終了します。");
    PressButton(hBox, IDOK);
    EXPECT_EQ(EndAndSave(hSecond, 10000)[0], L'1') << "ended by itself";
    // The viewer holds the file open: the uninstall comes after it.
    PostMessageW(hViewer, WM_CLOSE, 0, 0);
    PostMessageW(hFrame, RegisterWindowMessageW(L"Wendrake.Quit"), 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !FindWindowW(L"HH Parent", nullptr); }, 10000));
    EXPECT_EQ(WaitForSingleObject(hProgram, 10000), WAIT_OBJECT_0);
}

TEST(Release, ASilentUninstallEndsTheRunningProgramAndRemovesAllButItsShortcuts) {
    const HANDLE hProgram = StartTheProgram();
    EXPECT_EQ(RunToTheEnd(kUninstaller), 0u);
    EXPECT_EQ(EndAndSave(hProgram), kEndedAndSaved) << "before the uninstaller ended";
    for (const std::wstring& left : {kFolder, kStartMenuLink, kStartupLink})
        EXPECT_EQ(GetFileAttributesW(left.c_str()), INVALID_FILE_ATTRIBUTES) << left;
    EXPECT_EQ(Registered(L"UninstallString"), L"");
}

} // namespace
