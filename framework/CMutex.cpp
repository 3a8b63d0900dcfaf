#include "CMutex.h"

CMutex::CMutex(BOOL bInitiallyOwn, LPCWSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : m_hObject(CreateMutexW(lpsaAttribute, bInitiallyOwn, lpszName)) {}

CMutex::~CMutex() {
    if (m_hObject)
        CloseHandle(m_hObject);
}

BOOL CMutex::Lock(DWORD dwTimeout) {
    if (!m_hObject)
        return FALSE;
    const DWORD dwResult = WaitForSingleObject(m_hObject, dwTimeout);
    return dwResult == WAIT_OBJECT_0 || dwResult == WAIT_ABANDONED;
}

BOOL CMutex::Unlock() {
    return m_hObject && ReleaseMutex(m_hObject);
}
