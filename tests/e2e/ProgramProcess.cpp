#include "ProgramProcess.h"

#include "support/MessagePump.h"
#include "support/NotificationArea.h"

namespace {

struct WindowSearch {
    DWORD dwProcessId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId == search->dwProcessId)
        search->windows.push_back(hWnd);
    return TRUE;
}

bool HasClass(HWND hWnd, const wchar_t* pszClass) {
    wchar_t szClass[64] = {};
    GetClassNameW(hWnd, szClass, 64);
    return wcscmp(szClass, pszClass) == 0;
}

} // namespace

std::wstring WendrakePath() {
    wchar_t szPath[MAX_PATH];
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    *wcsrchr(szPath, L'\\') = L'\0';
    *wcsrchr(szPath, L'\\') = L'\0';
    return std::wstring(szPath) + L"\\Wendrake.exe";
}

ProgramProcess::~ProgramProcess() {
    if (!m_process.hProcess)
        return;
    if (Running()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool ProgramProcess::Start(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + m_program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(m_program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &m_process) != FALSE;
}

bool ProgramProcess::WaitUntilIdle(DWORD timeoutMs) const {
    return WaitForInputIdle(m_process.hProcess, timeoutMs) == 0;
}

std::optional<DWORD> ProgramProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD dwExitCode = 0;
    GetExitCodeProcess(m_process.hProcess, &dwExitCode);
    return dwExitCode;
}

bool ProgramProcess::Running() const {
    return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ProgramProcess::Windows() const {
    WindowSearch search = {m_process.dwProcessId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND ProgramProcess::MainFrame(UINT uIconId) const {
    for (HWND hWnd : Windows())
        if (TrayIconPresent(hWnd, uIconId))
            return hWnd;
    return nullptr;
}

HWND ProgramProcess::WaitForWindowOfClass(const wchar_t* pszClass, DWORD timeoutMs) const {
    HWND hFound = nullptr;
    PumpUntil(
        [&] {
            for (HWND hWnd : Windows())
                if (HasClass(hWnd, pszClass) && IsWindowVisible(hWnd))
                    hFound = hWnd;
            return hFound != nullptr;
        },
        timeoutMs);
    return hFound;
}

std::vector<HWND> ProgramProcess::Boxes() const {
    std::vector<HWND> boxes;
    for (HWND hWnd : Windows())
        if (HasClass(hWnd, L"#32770") && IsWindowVisible(hWnd))
            boxes.push_back(hWnd);
    return boxes;
}

HWND ProgramProcess::WaitForBox(DWORD timeoutMs) const {
    return WaitForWindowOfClass(L"#32770", timeoutMs);
}

HWND ProgramProcess::WaitForMenu(DWORD timeoutMs) const {
    return WaitForWindowOfClass(L"#32768", timeoutMs);
}
