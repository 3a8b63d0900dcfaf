// What the user is told when a target could not be opened, the path first.
#pragma once

#include "framework/CString.h"

#include <windows.h>

// The shell could not open it: that it could not be run, and the reason when the shell's result
// has a known one.
CString LaunchFailureText(const CString& strTarget, INT_PTR nShellResult);
// Its path is too long for the shell and has no short form: what the user can do about it.
CString TargetTooLongText(const CString& strTarget);
