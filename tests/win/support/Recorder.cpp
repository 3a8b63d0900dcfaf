// A program for the shell to start: it writes the command line it was given to the file named
// by WENDRAKE_RECORDER_OUT (inherited from whoever started it) and ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t szPath[MAX_PATH];
    if (!GetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", szPath, MAX_PATH))
        return 1;
    // Written to a temporary name and renamed, so a reader never sees half a line.
    wchar_t szTemp[MAX_PATH + 4];
    wsprintfW(szTemp, L"%s.tmp", szPath);
    HANDLE hFile = CreateFileW(szTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    const wchar_t* pszCommandLine = GetCommandLineW();
    DWORD dwWritten = 0;
    WriteFile(hFile, pszCommandLine, static_cast<DWORD>(lstrlenW(pszCommandLine) * sizeof(wchar_t)),
              &dwWritten, nullptr);
    CloseHandle(hFile);
    return MoveFileExW(szTemp, szPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
