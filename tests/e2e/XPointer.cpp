#include "XPointer.h"

#include <string>

bool XClick(POINT ptScreen, int nButton) {
    // Wine starts a Linux program named by its path; it inherits DISPLAY. No --sync: it waits
    // for a movement that never comes when the pointer is there already, and the server takes
    // the move and the click in order anyway.
    std::wstring commandLine = L"/usr/bin/xdotool mousemove " + std::to_wstring(ptScreen.x) + L" " +
                               std::to_wstring(ptScreen.y) + L" click " + std::to_wstring(nButton);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    // A Linux program's handle cannot be waited on.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
