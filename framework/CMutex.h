// A named mutex shared between processes, e.g. to let only one copy of a program run.
#pragma once

#include <windows.h>

class CMutex {
public:
    // Opens the named mutex, or creates it when no process has it yet.
    explicit CMutex(BOOL bInitiallyOwn = FALSE, LPCWSTR lpszName = nullptr,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);
    ~CMutex();
    CMutex(const CMutex&) = delete;
    CMutex& operator=(const CMutex&) = delete;

    // TRUE once this thread owns the mutex within the timeout; a mutex that its last owner
    // left without releasing it counts as taken.
    BOOL Lock(DWORD dwTimeout = INFINITE);
    BOOL Unlock();

    HANDLE m_hObject;
};
