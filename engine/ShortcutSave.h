// What a save writes to the profile, in the order it writes it: the count first, then each
// shortcut's FileName, Parameter, Key and Operation under its position's names. Values beyond
// the count from an earlier, longer save are left alone: the load never reads past the count.
#pragma once

#include "StoredShortcut.h"

#include <vector>

struct ProfileValue {
    CString strName;
    bool bText;      // a string value, else a number
    CString strText; // the string, when bText
    int nNumber;     // the number, else
};

std::vector<ProfileValue> PlanSave(const std::vector<StoredShortcut>& entries);
