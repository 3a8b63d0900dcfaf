// The file dialog, opened for real and answered as a user would: cancelled, or given a name.
#include "framework/CFileDialog.h"
#include "support/TestWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace {

const int kFileNameBox = 0x47C; // cmb13, the file-name combo box of the system's template
const int kFileTypeBox = 0x470; // cmb1, the list of filters

// Answers the next dialog that becomes active on this thread, once its modal loop runs: the
// system activates the file dialog while it is still filling its controls.
class DialogAnswerer : public CWnd {
public:
    explicit DialogAnswerer(std::function<void(HWND)> answer) : m_answer(std::move(answer)) {
        CreateEx(0, AfxRegisterWndClass(0), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
        s_pAnswerer = this;
        s_hHook = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogAnswerer() override {
        UnhookWindowsHookEx(s_hHook);
        s_pAnswerer = nullptr;
        DestroyWindow();
    }

private:
    static const UINT WM_ANSWER = WM_APP + 1;

    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam) {
        wchar_t szClass[16] = {};
        if (nCode == HCBT_ACTIVATE && s_pAnswerer && s_pAnswerer->m_answer &&
            GetClassNameW(reinterpret_cast<HWND>(wParam), szClass, 16) &&
            wcscmp(szClass, L"#32770") == 0)
            s_pAnswerer->PostMessage(WM_ANSWER, wParam);
        return CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    LRESULT OnAnswer(WPARAM wParam, LPARAM) {
        if (m_answer)
            std::exchange(m_answer, nullptr)(reinterpret_cast<HWND>(wParam));
        return 0;
    }

    std::function<void(HWND)> m_answer;
    static inline HHOOK s_hHook = nullptr;
    static inline DialogAnswerer* s_pAnswerer = nullptr;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DialogAnswerer, CWnd)
ON_MESSAGE(WM_ANSWER, OnAnswer)
END_MESSAGE_MAP()

// Types the name into the dialog's file-name box and presses its OK button.
void AnswerWithName(HWND hDlg, const std::wstring& name) {
    HWND hEdit =
        reinterpret_cast<HWND>(SendDlgItemMessageW(hDlg, kFileNameBox, CBEM_GETEDITCONTROL, 0, 0));
    SetWindowTextW(hEdit, name.c_str());
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDOK)));
}

// A name in the temporary folder; the file is removed when the test ends.
class ScratchFile {
public:
    explicit ScratchFile(const wchar_t* pszName) {
        wchar_t szTemp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, szTemp);
        m_path = std::wstring(szTemp) + pszName;
    }
    ~ScratchFile() { DeleteFileW(m_path.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

TEST(FileDialog, CancelledGivesNoPath) {
    bool answered = false;
    DialogAnswerer answerer([&](HWND hDlg) {
        answered = true;
        PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr,
                    nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(dlg.GetPathName().IsEmpty());
}

TEST(FileDialog, ChosenFileGivesItsFullPath) {
    ScratchFile file(L"選択 された.exe");
    CloseHandle(
        CreateFileW(file.Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    TestWindow parent;
    HWND hOwner = nullptr;
    DialogAnswerer answerer([&](HWND hDlg) {
        hOwner = GetWindow(hDlg, GW_OWNER);
        AnswerWithName(hDlg, file.Path());
    });
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr,
                    CWnd::FromHandle(parent.Handle()));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(static_cast<const wchar_t*>(dlg.GetPathName()), file.Path());
    EXPECT_EQ(hOwner, parent.Handle());
    CWnd::DeleteTempMap();
}

TEST(FileDialog, SaveOffersTheFiltersAndAddsTheDefaultExtension) {
    ScratchFile saved(L"新しい.txt");
    const std::wstring typed = saved.Path().substr(0, saved.Path().size() - 4);
    LRESULT filterCount = 0;
    wchar_t szFirstFilter[64] = {};
    DialogAnswerer answerer([&](HWND hDlg) {
        filterCount = SendDlgItemMessageW(hDlg, kFileTypeBox, CB_GETCOUNT, 0, 0);
        SendDlgItemMessageW(hDlg, kFileTypeBox, CB_GETLBTEXT, 0,
                            reinterpret_cast<LPARAM>(szFirstFilter));
        AnswerWithName(hDlg, typed);
    });
    CFileDialog dlg(FALSE, L"txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    L"Text files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(static_cast<const wchar_t*>(dlg.GetPathName()), saved.Path());
    EXPECT_EQ(filterCount, 2);
    EXPECT_STREQ(szFirstFilter, L"Text files (*.txt)");
}

} // namespace
