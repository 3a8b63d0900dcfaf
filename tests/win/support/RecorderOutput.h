// The recorder program, which the shell starts in the tests: it appends the show state and the
// command line it was given to a file of this test process's own (named in
// WENDRAKE_RECORDER_OUT, which every process started from here inherits), a line each.
#pragma once

#include "BesideThisExe.h"
#include "FileBytes.h"
#include "MessagePump.h"

#include <windows.h>

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

// Its line when the shell starts it with the arguments in a normal window.
inline std::wstring Launched(const std::wstring& arguments = L"") {
    return L"1 \"" + RecorderPath() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
}

// The launches read so far, in characters of the file.
inline size_t g_nRecorderTaken = 0;

// Forgets every launch, at the start of a case.
inline void ClearLaunches() {
    DeleteFileW(g_recorderOutput.c_str());
    g_nRecorderTaken = 0;
}

// The line of the next launch not taken yet, in the order they started; empty when none came
// within the time. Runs this thread's messages meanwhile.
inline std::wstring TakeLaunch(DWORD timeoutMs = 10000) {
    std::wstring line;
    PumpUntil(
        [&] {
            const std::string bytes = FileBytes(g_recorderOutput);
            const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()),
                                    bytes.size() / 2);
            const size_t nEnd = text.find(L'\n', g_nRecorderTaken);
            if (nEnd == std::wstring::npos)
                return false;
            line = text.substr(g_nRecorderTaken, nEnd - g_nRecorderTaken);
            g_nRecorderTaken = nEnd + 1;
            return true;
        },
        timeoutMs);
    return line;
}
