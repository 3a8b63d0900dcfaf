// A program as a process of its own, the real Wendrake.exe unless told otherwise, started and
// watched from outside as the system and the user see it: its windows, its message boxes and
// its end.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <string>
#include <vector>

// Wendrake.exe, built one folder above the test and benchmark executables.
std::wstring WendrakePath();

class ProgramProcess {
public:
    explicit ProgramProcess(std::wstring program = WendrakePath())
        : m_program(std::move(program)) {}
    // Ends the process by its id if it still runs.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // The process, for what the system measures of it.
    HANDLE Handle() const { return m_process.hProcess; }

    // Starts the program with the arguments; it inherits this process's environment.
    bool Start(const std::wstring& arguments = L"");
    // Until the program waits for input: its start-up is over, or it shows a box.
    bool WaitUntilIdle(DWORD timeoutMs = 10000) const;
    // The exit code, once the process has ended within the time.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000) const;
    bool Running() const;

    // Its top-level windows, shown or not.
    std::vector<HWND> Windows() const;
    // The main window: the one that owns the notification icon of that id; nullptr when none
    // does.
    HWND MainFrame(UINT uIconId = 128) const;
    // A message box of the program once it is on the screen, or nullptr.
    HWND WaitForBox(DWORD timeoutMs = 10000) const;
    // The message boxes on the screen now.
    std::vector<HWND> Boxes() const;
    // The pop-up menu the program shows once it is on the screen, or nullptr.
    HWND WaitForMenu(DWORD timeoutMs = 10000) const;

private:
    HWND WaitForWindowOfClass(const wchar_t* pszClass, DWORD timeoutMs) const;

    std::wstring m_program;
    PROCESS_INFORMATION m_process = {};
};
