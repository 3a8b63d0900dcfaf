#include "BenchSupport.h"

#include "engine/KeyNames.h"
#include "engine/ShortcutRecord.h"
#include "support/StoredShortcuts.h"

#include <algorithm>
#include <string>

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Spread SpreadOf(std::vector<double> values) {
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

unsigned WorkloadKey(int nPosition) {
    static const std::vector<unsigned> keys = [] {
        std::vector<unsigned> named;
        for (unsigned vk = 0; vk < 256; ++vk)
            if (GetKeyName(vk))
                named.push_back(vk);
        std::vector<unsigned> packed;
        for (unsigned mods = 1; mods <= 16; ++mods)
            for (unsigned vk : named)
                packed.push_back(PackKey(mods % 16, vk));
        return packed;
    }();
    return keys.at(static_cast<size_t>(nPosition));
}

void StoreWorkload(int nCount, const wchar_t* pszLastTarget, const wchar_t* pszLastParameter) {
    Stored::RemoveAll();
    Stored::PutCount(static_cast<DWORD>(nCount));
    for (int i = 0; i < nCount; ++i) {
        const std::wstring tool = L"C:\\Program Files\\Tool " + std::to_wstring(i) + L"\\tool.exe";
        const bool bLast = pszLastTarget && i == nCount - 1;
        Stored::Put(i, bLast ? pszLastTarget : tool.c_str(),
                    bLast ? pszLastParameter : L"--open \"C:\\data\\input.txt\"", OP_OPEN_FILE,
                    WorkloadKey(i));
    }
}
