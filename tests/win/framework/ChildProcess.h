// Runs one test of this executable in a process of its own, for what needs a second process
// (a mutex held elsewhere) or a command line of its own. The child's test is a DISABLED_ one,
// so that it runs only when asked for.
#pragma once

#include <windows.h>

#include <string>

// Runs the test named by the filter with the extra arguments appended to the command line;
// the child's exit code (0 when its test passed), or -1 when it could not be run in time.
int RunTestInChildProcess(const std::wstring& testFilter, const std::wstring& extraArguments = L"");
