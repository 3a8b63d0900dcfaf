// The program both launchers start in the press-to-launch benchmark: it signals the event named
// on its command line, so the benchmark learns that it runs, and ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR pszEventName, int) {
    HANDLE hEvent = OpenEventW(EVENT_MODIFY_STATE, FALSE, pszEventName);
    if (!hEvent)
        return 1;
    SetEvent(hEvent);
    CloseHandle(hEvent);
    return 0;
}
