// The recorder program, which the shell starts in the tests: it writes the command line it was
// given into a file of this test process's own (named in WENDRAKE_RECORDER_OUT, which every
// process started from here inherits).
#pragma once

#include "BesideThisExe.h"
#include "MessagePump.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

inline const std::wstring g_recorderOutput = [] {
    wchar_t szFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, szFolder);
    const std::wstring file = szFolder + std::to_wstring(GetCurrentProcessId()) + L"-rec.txt";
    SetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", file.c_str());
    return file;
}();

// The recorder beside the test executables, as a full path.
inline std::wstring RecorderPath() {
    return BesideThisExe(L"Recorder.exe");
}

// Its command line when the shell starts it with the arguments.
inline std::wstring Launched(const std::wstring& arguments = L"") {
    return L"\"" + RecorderPath() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
}

// The command line of its latest start, taken, so that the next start can be told apart; empty
// when none came within the time. Runs this thread's messages meanwhile.
inline std::wstring TakeLaunch(DWORD timeoutMs = 10000) {
    std::wstring line;
    PumpUntil(
        [&] {
            std::ifstream file(g_recorderOutput.c_str(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
            line.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
            return !line.empty();
        },
        timeoutMs);
    DeleteFileW(g_recorderOutput.c_str());
    return line;
}
