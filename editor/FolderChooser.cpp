#include "editor/FolderChooser.h"

#include "framework/CDialog.h"
#include "framework/ResourceString.h"
#include "framework/ShellCom.h"
#include "res/resource.h"

#include <shlobj.h>

int CFolderChooser::Browse() {
    AfxStartShellCom();
    IMalloc* pMalloc = nullptr;
    if (FAILED(SHGetMalloc(&pMalloc)))
        return 0;

    // Without a desktop folder to parse the root with, the tree starts at the desktop.
    IShellFolder* pDesktop = nullptr;
    LPITEMIDLIST pidlRoot = nullptr;
    bool bRootParsed = true;
    if (!m_strRootPath.IsEmpty() && SUCCEEDED(SHGetDesktopFolder(&pDesktop))) {
        CString strRoot(m_strRootPath); // ParseDisplayName takes a writable string
        bRootParsed = SUCCEEDED(pDesktop->ParseDisplayName(nullptr, nullptr, strRoot.GetBuffer(0),
                                                           nullptr, &pidlRoot, nullptr));
    }

    int nResult = 0;
    LPITEMIDLIST pidlChosen = nullptr;
    if (bRootParsed) {
        const CString strDefaultTitle = AfxLoadString(IDS_CHOOSE_FOLDER);
        BROWSEINFOW bi = {};
        // Owned like every other modal window: the editor beneath waits for the answer
        // instead of taking a second Browse, OK or Cancel meanwhile.
        bi.hwndOwner = AfxGetModalOwner(nullptr);
        bi.pidlRoot = pidlRoot;
        bi.pszDisplayName = m_strPath.GetBuffer(MAX_PATH);
        bi.lpszTitle = m_strTitle.IsEmpty() ? strDefaultTitle : m_strTitle;
        bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
        pidlChosen = SHBrowseForFolderW(&bi);
        m_strPath.ReleaseBuffer();
        if (pidlChosen) {
            m_nImage = bi.iImage;
            // The dialog gave a display name only; the caller wants the full path, at any
            // length (SHGetPathFromIDListW gives none of MAX_PATH characters or more). The
            // name comes from COM's task allocator, which is the shell's.
            wchar_t* pszPath = nullptr;
            if (SUCCEEDED(SHGetNameFromIDList(pidlChosen, SIGDN_FILESYSPATH, &pszPath))) {
                m_strPath = pszPath;
                nResult = 1;
                pMalloc->Free(pszPath);
            }
        }
    }

    if (pidlChosen)
        pMalloc->Free(pidlChosen);
    if (pidlRoot)
        pMalloc->Free(pidlRoot);
    if (pDesktop)
        pDesktop->Release();
    pMalloc->Release();
    return nResult;
}
