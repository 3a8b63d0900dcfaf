#include "ProgramProcess.h"

#include "support/BesideThisExe.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"

#include <shellapi.h>

std::wstring WendrakePath() {
    return BesideThisExe(L"Wendrake.exe", 1);
}

ProgramProcess::~ProgramProcess() {
    if (!m_hProcess)
        return;
    TerminateProcess(m_hProcess, 1);
    WaitForSingleObject(m_hProcess, 5000);
    CloseHandle(m_hProcess);
}

bool ProgramProcess::Start(const std::wstring& arguments) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = m_program.c_str();
    info.lpParameters = arguments.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info) || !info.hProcess)
        return false;
    m_hProcess = info.hProcess;
    return WaitForInputIdle(m_hProcess, 10000) == 0;
}

std::optional<DWORD> ProgramProcess::WaitForExit(DWORD timeoutMs) const {
    DWORD dwExitCode = 0;
    if (WaitForSingleObject(m_hProcess, timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(m_hProcess, &dwExitCode))
        return std::nullopt;
    return dwExitCode;
}

namespace {

struct Search {
    DWORD dwProcessId;
    const wchar_t* pszClass;
    std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD dwProcessId = 0;
    wchar_t szClass[64] = {};
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    GetClassNameW(hWnd, szClass, 64);
    if (dwProcessId == pSearch->dwProcessId &&
        (pSearch->pszClass ? IsWindowVisible(hWnd) && wcscmp(szClass, pSearch->pszClass) == 0
                           : TrayIconPresent(hWnd, 128)))
        pSearch->windows.push_back(hWnd);
    return TRUE;
}

} // namespace

HWND ProgramProcess::MainFrame() const {
    Search search = {GetProcessId(m_hProcess), nullptr, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.windows.empty() ? nullptr : search.windows.front();
}

std::vector<HWND> ProgramProcess::Visible(const wchar_t* pszClass) const {
    Search search = {GetProcessId(m_hProcess), pszClass, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND ProgramProcess::WaitFor(const wchar_t* pszClass, DWORD timeoutMs) const {
    std::vector<HWND> windows;
    PumpUntil([&] { return !(windows = Visible(pszClass)).empty(); }, timeoutMs);
    return windows.empty() ? nullptr : windows.front();
}
