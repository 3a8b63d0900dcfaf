#include "ShortcutSave.h"

#include "ProfileNames.h"

std::vector<ProfileValue> PlanSave(const std::vector<StoredShortcut>& entries) {
    std::vector<ProfileValue> values = {
        {kShortcutCount, false, CString(), static_cast<int>(entries.size())}};
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const StoredShortcut& entry = entries[static_cast<size_t>(i)];
        values.push_back({ShortcutValueName(i, kFileNameWord), true, entry.strFileName, 0});
        values.push_back({ShortcutValueName(i, kParameterWord), true, entry.strParameter, 0});
        values.push_back(
            {ShortcutValueName(i, kKeyWord), false, CString(), static_cast<int>(entry.nKey)});
        values.push_back(
            {ShortcutValueName(i, kOperationWord), false, CString(), entry.nOperation});
    }
    return values;
}
