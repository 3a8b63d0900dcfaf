// The application: a single copy that lives in the notification area.
#pragma once

#include "framework/CMutex.h"
#include "framework/CWinApp.h"

class CWendrakeApp : public CWinApp {
public:
    CWendrakeApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    void OnAppAbout();

    // The single-instance lock: non-null exactly while this copy holds it.
    CMutex* m_pMutex;

    DECLARE_MESSAGE_MAP()
};

// The name that makes copies of the program find each other.
extern const wchar_t kInstanceMutexName[];
