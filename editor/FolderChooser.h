// The shell's folder-browse dialog: the user picks a folder, the caller gets its file-system
// path. A value on the caller's stack: set a root and a title if wanted, Browse, read the path.
#pragma once

#include "framework/CString.h"

class CFolderChooser {
public:
    // The folder the tree starts at; empty starts it at the desktop.
    void SetRootPath(const CString& strRootPath) { m_strRootPath = strRootPath; }
    // The instruction above the tree; empty shows the program's default one.
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }

    // Shows the dialog modally and returns 1 when the user chose a folder that has a
    // file-system path. 0 when the dialog was cancelled, when the chosen folder has no path,
    // and when the root path cannot be parsed (then nothing is shown); the path is then
    // meaningless.
    int Browse();

    // After Browse returned 1: the chosen folder's full path, of any length, and its icon's
    // index in the system image list.
    const CString& GetPath() const { return m_strPath; }
    int GetImage() const { return m_nImage; }

private:
    CString m_strPath;
    CString m_strRootPath;
    CString m_strTitle;
    int m_nImage = 0;
};
