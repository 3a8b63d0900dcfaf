// The recently-used-file list: the newest path first, at most a fixed number, kept in the
// profile as values "File1" to "FileN" of one section.
#pragma once

#include "CString.h"

#include <windows.h>

#include <vector>

class CWinApp;

class CRecentFileList {
public:
    CRecentFileList(LPCWSTR lpszSection, int nSize);

    // Puts the path first; the same path (compared without case) further down goes, and so
    // does the oldest when the list is full.
    void Add(LPCWSTR lpszPathName);
    int GetSize() const { return static_cast<int>(m_paths.size()); }
    const CString& operator[](int nIndex) const { return m_paths[static_cast<size_t>(nIndex)]; }

    // Empty values are skipped, so the list read back is compact.
    void ReadList(CWinApp& app);
    // Values beyond the list's length are removed, so no stale entry outlives a shorter list.
    void WriteList(CWinApp& app) const;

private:
    CString EntryName(int nIndex) const;

    CString m_strSection;
    int m_nSize;
    std::vector<CString> m_paths;
};
