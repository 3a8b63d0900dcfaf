// Where the recorder program writes the command line it was started with: a file of this
// test's own, named in WENDRAKE_RECORDER_OUT for every process started from here on.
#pragma once

#include <windows.h>

#include <string>

class RecorderOutput {
public:
    RecorderOutput();
    ~RecorderOutput();
    RecorderOutput(const RecorderOutput&) = delete;
    RecorderOutput& operator=(const RecorderOutput&) = delete;

    // The command line of the recorder's latest start, taken so that the next start can be
    // told apart; empty when none came within the time. Dispatches this thread's messages
    // meanwhile.
    std::wstring Take(DWORD timeoutMs = 10000);

private:
    std::wstring m_path;
};

// The recorder program beside the test executables, as a full path.
std::wstring RecorderPath();
// Its command line when the shell starts it with the arguments.
std::wstring Launched(const std::wstring& arguments = L"");
