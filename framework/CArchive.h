// What CDocument::Serialize is given: the direction of the transfer. Documents here keep no
// data in files, so there is nothing to read or write through it.
#pragma once

#include <windows.h>

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    explicit CArchive(Mode nMode) : m_nMode(nMode) {}

    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsStoring() const { return m_nMode == store; }

private:
    Mode m_nMode;
};
