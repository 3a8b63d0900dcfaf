// A program for the shell to start: it appends the show state it was started with and its
// command line, as one line, to the file named by WENDRAKE_RECORDER_OUT (inherited from whoever
// started it), and ends. Appending, an extra start is never hidden by a later one.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t szPath[MAX_PATH];
    if (!GetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", szPath, MAX_PATH))
        return 1;
    STARTUPINFOW startup = {};
    GetStartupInfoW(&startup);
    const int nShow = startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : -1;
    const wchar_t* pszCommandLine = GetCommandLineW();
    const int cchLine = lstrlenW(pszCommandLine) + 16;
    wchar_t* pszLine = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, cchLine * 2));
    // One write of the whole line, so that a reader never sees half of it.
    const int cchWritten = wsprintfW(pszLine, L"%d %s\n", nShow, pszCommandLine);
    HANDLE hFile = CreateFileW(szPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD dwWritten = 0;
    const BOOL bWritten = hFile != INVALID_HANDLE_VALUE &&
                          WriteFile(hFile, pszLine, cchWritten * 2, &dwWritten, nullptr);
    CloseHandle(hFile);
    return bWritten ? 0 : 1;
}
