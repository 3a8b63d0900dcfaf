// A program as a process of its own, the real Wendrake.exe unless told otherwise, started and
// watched from outside as the system and the user see it: its windows, its boxes and its end.
#pragma once

#include <windows.h>

#include <optional>
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

    // Starts the program through the shell (a shortcut to it will do) with the arguments, and
    // waits until it waits for input: its start-up is over, or it shows a box.
    bool Start(const std::wstring& arguments = L"");
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000) const;
    bool Running() const { return WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT; }
    HANDLE Handle() const { return m_hProcess; }

    // The main window: the one that owns the notification icon; nullptr when none does.
    HWND MainFrame() const;
    // Its first visible top-level window of the class ("#32770" for boxes and dialogs,
    // "#32768" for menus) once there is one, or nullptr.
    HWND WaitFor(const wchar_t* pszClass, DWORD timeoutMs = 10000) const;
    // Its visible top-level windows of the class now.
    std::vector<HWND> Visible(const wchar_t* pszClass) const;

private:
    std::wstring m_program;
    HANDLE m_hProcess = nullptr;
};
