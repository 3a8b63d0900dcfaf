// What the user is told when the shell could not open a target: the path, that it could not
// be run, and the reason when the shell's result has a known one.
#pragma once

#include "framework/CString.h"

#include <windows.h>

CString LaunchFailureText(const CString& strTarget, INT_PTR nShellResult);
