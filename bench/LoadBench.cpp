#include "LoadBench.h"

#include "BenchSupport.h"

#include "app/WendrakeApp.h"
#include "engine/KeyNames.h"
#include "engine/ProfileNames.h"
#include "support/ModalAnswers.h"
#include "support/StoredShortcuts.h"

#include <commctrl.h>

#include <memory>
#include <string>

double LoadFloorMs(int nCount) {
    // The value names are made beforehand: the floor holds the calls alone.
    std::vector<std::wstring> names;
    for (int i = 0; i < nCount; ++i)
        for (const wchar_t* pszWord : {kFileNameWord, kParameterWord, kOperationWord, kKeyWord})
            names.push_back(static_cast<const wchar_t*>(ShortcutValueName(i, pszWord)));
    HWND hWnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                nullptr);
    const auto read = [](HKEY hKey, const std::wstring& name, void* pData, DWORD cbData) {
        RegQueryValueExW(hKey, name.c_str(), nullptr, nullptr, static_cast<BYTE*>(pData), &cbData);
    };

    const double t0 = NowMs();
    HKEY hKey = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, Stored::kSection, 0, KEY_READ, &hKey);
    DWORD dwStored = 0;
    read(hKey, kShortcutCount, &dwStored, sizeof dwStored);
    for (int i = 0; i < nCount; ++i) {
        wchar_t szFileName[MAX_PATH], szParameter[MAX_PATH];
        DWORD dwOperation = 0, dwKey = 0;
        const std::wstring* pName = &names[static_cast<size_t>(i) * 4];
        read(hKey, pName[0], szFileName, sizeof szFileName);
        read(hKey, pName[1], szParameter, sizeof szParameter);
        read(hKey, pName[2], &dwOperation, sizeof dwOperation);
        read(hKey, pName[3], &dwKey, sizeof dwKey);
        unsigned nModifiers = 0, nVirtKey = 0;
        UnpackKey(dwKey, nModifiers, nVirtKey);
        RegisterHotKey(hWnd, i, nModifiers, nVirtKey);
    }
    RegCloseKey(hKey);
    const double ms = NowMs() - t0;

    for (int i = 0; i < nCount; ++i)
        UnregisterHotKey(hWnd, i);
    DestroyWindow(hWnd);
    return ms;
}

LoadRun RunApplication() {
    ModalAnswers answers;
    LoadRun run;
    auto pApp = std::make_unique<CWendrakeApp>();
    const double t0 = NowMs();
    const BOOL bStarted = pApp->InitInstance();
    run.startMs = NowMs() - t0;
    run.nBoxes = answers.Unexpected();
    if (bStarted && pApp->m_pMainWnd) {
        const HWND hFrame = pApp->m_pMainWnd->m_hWnd;
        run.nRows = ListView_GetItemCount(GetDlgItem(hFrame, AFX_IDW_PANE_FIRST));
        answers.Answer(IDYES);
        SendMessageW(hFrame, WM_CLOSE, 0, 0);
        // The frame's end asks the loop to end; this process goes on.
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    pApp->ExitInstance();
    return run;
}
