#include "ChildProcess.h"

#include <gtest/gtest.h>

int RunTestInChildProcess(const std::wstring& testFilter, const std::wstring& extraArguments) {
    wchar_t szExe[MAX_PATH];
    GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(szExe) + L"\" --gtest_filter=" + testFilter +
                               L" --gtest_also_run_disabled_tests " + extraArguments;
    // The child reports into the same output as this process.
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(szExe, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "the child process did not start, error " << GetLastError();
        return -1;
    }
    DWORD dwExitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &dwExitCode);
    } else {
        ADD_FAILURE() << "the child process did not end in time";
        TerminateProcess(process.hProcess, dwExitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(dwExitCode);
}
