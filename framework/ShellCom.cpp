#include "ShellCom.h"

#include <objbase.h>

namespace {

// ole32 is looked up only here, so that nothing imports it at the start.
HMODULE g_hOle32 = nullptr;
// CoInitializeEx succeeded: one CoUninitialize is owed.
bool g_bInitialized = false;

template <class Fn> Fn Ole32Function(const char* pszName) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(g_hOle32, pszName)));
}

} // namespace

void AfxStartShellCom() {
    if (g_hOle32 || !(g_hOle32 = LoadLibraryW(L"ole32.dll")))
        return;
    const auto pfnCoInitializeEx = Ole32Function<HRESULT(WINAPI*)(LPVOID, DWORD)>("CoInitializeEx");
    g_bInitialized =
        pfnCoInitializeEx && SUCCEEDED(pfnCoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

void AfxEndShellCom() {
    if (!g_hOle32)
        return;
    if (g_bInitialized)
        if (const auto pfnCoUninitialize = Ole32Function<void(WINAPI*)()>("CoUninitialize"))
            pfnCoUninitialize();
    g_bInitialized = false;
    FreeLibrary(g_hOle32);
    g_hOle32 = nullptr;
}
