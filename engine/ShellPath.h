// The form of a target a press hands to the shell. Windows' shell takes no path of MAX_PATH
// characters or more, so such a target goes to it in its short form; and Windows' file
// functions answer for a path that long only when it carries the \\?\ prefix.
#pragma once

#include "framework/CString.h"

#include <functional>

// MAX_PATH, which portable code cannot take from the Windows headers.
const int kShellPathLimit = 260;

// True for a path of kShellPathLimit characters or more, which the shell cannot take.
bool IsTooLongForTheShell(const CString& strPath);

// The form Windows' file functions take at any length: a drive path (C:\…) after \\?\, a network
// path (\\server\share\…) with \\?\UNC\ in place of its leading \\; every / made \, which those
// functions no longer do for a prefixed path. A path prefixed already, and one that is not fully
// qualified (relative, or on the current drive), as it is.
CString WithLongPathPrefix(const CString& strPath);
// The form the shell takes, from either prefix: \\?\C:\… gives C:\…, \\?\UNC\server\… gives
// \\server\…. Any other path as it is.
CString WithoutLongPathPrefix(const CString& strPath);

// The short form of a prefixed path as the file system keeps it (with the prefix, as Windows
// answers); false when it has none to give.
using ShortFormLookup = std::function<bool(const CString& strPrefixed, CString& strShort)>;

// Puts into strShellPath what the shell is given for strTarget: the target itself when the shell
// takes it, else its short form, asked for with the prefix and given without it. False, with
// strShellPath meaningless, when the target is too long and has no short form the shell takes:
// none at all (nothing is there) or one still too long (a volume without 8.3 names answers with
// the long names).
bool MakeShellPath(const CString& strTarget, const ShortFormLookup& shortForm,
                   CString& strShellPath);
