#include "CRecentFileList.h"

#include "CWinApp.h"

CRecentFileList::CRecentFileList(LPCWSTR lpszSection, int nSize)
    : m_strSection(lpszSection), m_nSize(nSize) {}

CString CRecentFileList::EntryName(int nIndex) const {
    CString name;
    name.Format(L"File%d", nIndex + 1);
    return name;
}

void CRecentFileList::Add(LPCWSTR lpszPathName) {
    for (auto it = m_paths.begin(); it != m_paths.end(); ++it) {
        if (CompareStringOrdinal(*it, -1, lpszPathName, -1, TRUE) == CSTR_EQUAL) {
            m_paths.erase(it);
            break;
        }
    }
    m_paths.insert(m_paths.begin(), CString(lpszPathName));
    if (GetSize() > m_nSize)
        m_paths.pop_back();
}

void CRecentFileList::ReadList(CWinApp& app) {
    m_paths.clear();
    for (int i = 0; i < m_nSize; ++i) {
        CString path = app.GetProfileString(m_strSection, EntryName(i));
        if (!path.IsEmpty())
            m_paths.push_back(path);
    }
}

void CRecentFileList::WriteList(CWinApp& app) const {
    for (int i = 0; i < m_nSize; ++i) {
        LPCWSTR lpszPath = i < GetSize() ? static_cast<LPCWSTR>((*this)[i]) : nullptr;
        app.WriteProfileString(m_strSection, EntryName(i), lpszPath);
    }
}
