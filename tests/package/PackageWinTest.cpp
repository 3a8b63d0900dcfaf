// The release files as the user meets them: the program unpacked from its zip, with its help
// file opening from the help item, and the installed program started from the Startup folder's
// shortcut, then ended and removed by the uninstaller. The scripts beside this file unpack and
// install, check the files, and name what to test here in the environment.
#include "e2e/ProgramProcess.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

// The file a shell link points to, read as the shell reads it; empty when it cannot be read.
std::wstring LinkTarget(const wchar_t* pszLink) {
    wchar_t szTarget[MAX_PATH] = {};
    CoInitialize(nullptr);
    IShellLinkW* pLink = nullptr;
    IPersistFile* pFile = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&pLink))) &&
        SUCCEEDED(pLink->QueryInterface(IID_PPV_ARGS(&pFile))) &&
        SUCCEEDED(pFile->Load(pszLink, STGM_READ)))
        pLink->GetPath(szTarget, MAX_PATH, nullptr, 0);
    if (pFile)
        pFile->Release();
    if (pLink)
        pLink->Release();
    CoUninitialize();
    return szTarget;
}

TEST(Package, UnpackedProgramRunsAndItsHelpItemOpensTheHelpViewer) {
    ProgramProcess program(_wgetenv(L"WENDRAKE_PROGRAM"));
    ASSERT_TRUE(program.Start());
    const HWND hFrame = program.MainFrame();
    ASSERT_NE(hFrame, nullptr) << "no notification icon";
    PostMessageW(hFrame, WM_COMMAND, 0xE146 /* ID_HELP, the tray menu's help item */, 0);
    HWND hViewer = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (hViewer = FindWindowW(L"HH Parent", nullptr)) != nullptr; },
                          10000));
    wchar_t szTitle[64] = {};
    GetWindowTextW(hViewer, szTitle, 64);
    EXPECT_STREQ(L"Wendrake ヘルプ", szTitle);
    PostMessageW(hViewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return !FindWindowW(L"HH Parent", nullptr); }, 10000));
    PostMessageW(hFrame, RegisterWindowMessageW(L"Wendrake.Quit"), 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(Package, InstalledProgramStartsAtLogonAndTheUninstallerEndsAndRemovesIt) {
    Stored::RemoveAll();
    const std::wstring folder = _wgetenv(L"WENDRAKE_INSTALL_DIR");
    const std::wstring target = LinkTarget(_wgetenv(L"WENDRAKE_STARTUP_SHORTCUT"));
    ASSERT_EQ(folder + L"\\Wendrake.exe", target);

    const std::wstring recorderPath = RecorderPath();
    Stored::PutCount(1);
    Stored::Put(0, recorderPath.c_str(), L"installed", OP_OPEN_FILE,
                'R' << 8 | MOD_CONTROL | MOD_ALT);
    ProgramProcess program(target);
    ASSERT_TRUE(program.Start());
    ASSERT_NE(program.MainFrame(), nullptr) << "no notification icon";
    ASSERT_TRUE(SendKeyCombination(MOD_CONTROL | MOD_ALT, 'R'));
    EXPECT_EQ(Launched(L"installed"), TakeLaunch());

    // What the profile holds from here on is the program's own saving at its end. The
    // uninstaller hands over at once to a copy of itself outside the folder it removes.
    Stored::RemoveAll();
    const std::wstring uninstaller = folder + L"\\Uninstall.exe";
    ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", uninstaller.c_str(), L"/S",
                                                      nullptr, SW_SHOWNORMAL)),
              32);
    EXPECT_EQ(program.WaitForExit(15000), std::optional<DWORD>(0)) << "not ended, or killed";
    EXPECT_TRUE(PumpUntil(
        [&] { return GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES; }, 20000));
    EXPECT_EQ(L"sz:" + recorderPath, Stored::Value(0, kFileNameWord)) << "profile not kept";
    Stored::RemoveAll();
}

} // namespace
