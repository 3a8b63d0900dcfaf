// Load and save of the stored shortcut list: the view's initial update reads N stored
// shortcuts and registers them, its destruction writes them back and unregisters them.
#include "BenchView.h"

#include "engine/KeyNames.h"
#include "engine/ProfileNames.h"
#include "framework/CListCtrl.h"
#include "framework/MessageBoxHook.h"

#include <cstdio>
#include <string>

namespace {

const wchar_t kBenchKey[] = L"Software\\Wendrake Bench";

// Every combination the system tells apart: the named keys with each set of modifier keys.
std::vector<unsigned> DistinctKeys() {
    std::vector<unsigned> keys;
    for (unsigned mods = 0; mods <= 0xF; ++mods)
        for (unsigned vk = 0; vk < 256; ++vk)
            if (GetKeyName(vk))
                keys.push_back(PackKey(mods, vk));
    return keys;
}

void WriteProfile(const CString& section, int nCount) {
    static const std::vector<unsigned> keys = DistinctKeys();
    RegDeleteTreeW(HKEY_CURRENT_USER, section);
    HKEY hKey = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, section, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                    nullptr);
    auto putInt = [&](const wchar_t* name, DWORD value) {
        RegSetValueExW(hKey, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value);
    };
    auto putString = [&](const wchar_t* name, const std::wstring& value) {
        RegSetValueExW(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    putInt(kShortcutCount, static_cast<DWORD>(nCount));
    for (int i = 0; i < nCount; ++i) {
        putString(ShortcutValueName(i, kFileNameWord),
                  L"C:\\Program Files\\Tool " + std::to_wstring(i) + L"\\tool.exe");
        putString(ShortcutValueName(i, kParameterWord), L"--file \"C:\\data\\input.txt\"");
        putInt(ShortcutValueName(i, kOperationWord), OP_OPEN_FILE);
        putInt(ShortcutValueName(i, kKeyWord), keys[static_cast<size_t>(i) % keys.size()]);
    }
    RegCloseKey(hKey);
}

} // namespace

int wmain() {
    CWinApp app(L"Wendrake");
    app.SetRegistryKey(L"Wendrake Bench");
    const CString section = CString(kBenchKey) + L"\\Wendrake\\" + kShortcutSection;
    int nBoxes = 0;
    AfxSetMessageBoxHook([&](const CString&, UINT, const CString&) {
        ++nBoxes;
        return IDOK;
    });
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                    nullptr, nullptr);

    std::printf("stored  rows  refused  load-ms  save-ms  (median of 5)\n");
    for (int nCount : {301, 1680, 5000}) {
        std::vector<double> loads, saves;
        int nRows = 0;
        for (int run = 0; run < 5; ++run) {
            WriteProfile(section, nCount);
            nBoxes = 0;
            auto* pView = new BenchView;
            pView->CreateEx(0, L"SysListView32", L"", WS_CHILD | LVS_REPORT, 0, 0, 500, 300,
                            parent.m_hWnd, reinterpret_cast<HMENU>(1));
            const double t0 = NowMs();
            pView->OnInitialUpdate();
            const double t1 = NowMs();
            nRows = pView->GetListCtrl().GetItemCount();
            pView->DestroyWindow();
            const double t2 = NowMs();
            loads.push_back(t1 - t0);
            saves.push_back(t2 - t1);
        }
        std::printf("%6d %5d %8d %8.1f %8.1f\n", nCount, nRows, nBoxes, Median(loads),
                    Median(saves));
    }
    parent.DestroyWindow();
    RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kBenchKey);
    return 0;
}
