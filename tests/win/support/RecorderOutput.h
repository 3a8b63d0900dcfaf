// The recorder program, which the shell starts in the tests: it writes the command line it was
// given into a file of this test process's own (named in WENDRAKE_RECORDER_OUT, which every
// process started from here inherits).
#pragma once

#include <windows.h>

#include <string>

// The recorder beside the test executables, as a full path.
std::wstring RecorderPath();
// Its command line when the shell starts it with the arguments.
std::wstring Launched(const std::wstring& arguments = L"");
// The command line of its latest start, taken, so that the next start can be told apart; empty
// when none came within the time. Runs this thread's messages meanwhile.
std::wstring TakeLaunch(DWORD timeoutMs = 10000);
