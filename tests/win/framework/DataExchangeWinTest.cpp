// Dialog data exchange in both directions, on the controls of a real dialog laid out like the
// shortcut editor.
#include "DialogTestResources.h"
#include "ScriptedDialog.h"

#include "framework/CHotKeyCtrl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int kGroupRadios[] = {IDC_TEST_RADIO_FIRST, IDC_TEST_RADIO_SECOND, IDC_TEST_RADIO_THIRD,
                            IDC_TEST_RADIO_FOURTH};

class ExchangeDialog : public ScriptedDialog {
public:
    ExchangeDialog() : ScriptedDialog(IDD_TEST_EXCHANGE) {}

    CHotKeyCtrl m_wndHotKey;
    BOOL m_bCheck = FALSE;
    CString m_strText;
    int m_nRadio = 0;
    CString m_strInGroup;
    bool m_bNameMissingControl = false;

    // Which of the group's radio buttons are checked, in template order.
    std::vector<bool> CheckedRadios() const {
        std::vector<bool> checked;
        for (int nID : kGroupRadios)
            checked.push_back(IsDlgButtonChecked(m_hWnd, nID) == BST_CHECKED);
        return checked;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_TEST_HOTKEY, m_wndHotKey);
        DDX_Check(pDX, IDC_TEST_CHECK, m_bCheck);
        DDX_Text(pDX, IDC_TEST_IN_GROUP_EDIT, m_strInGroup);
        if (m_bNameMissingControl)
            DDX_Text(pDX, IDC_TEST_MISSING, m_strText);
        DDX_Radio(pDX, IDC_TEST_RADIO_FIRST, m_nRadio);
        DDX_Text(pDX, IDC_TEST_TEXT, m_strText);
    }
};

CString DlgItemText(HWND hDlg, int nID) {
    wchar_t buffer[256] = {};
    GetDlgItemTextW(hDlg, nID, buffer, 256);
    return buffer;
}

TEST(DataExchange, FieldsFillTheControlsWhenTheDialogOpens) {
    ExchangeDialog dlg;
    dlg.m_bCheck = TRUE;
    dlg.m_strInGroup = L"C:\\Program Files\\ツール.exe";
    dlg.m_nRadio = 2;
    dlg.m_strText = L"/x \"引数\"";
    std::vector<bool> radios;
    UINT check = 0;
    CString inGroup, text;
    dlg.Run([&](ScriptedDialog& d) {
        radios = dlg.CheckedRadios();
        check = IsDlgButtonChecked(d.m_hWnd, IDC_TEST_CHECK);
        inGroup = DlgItemText(d.m_hWnd, IDC_TEST_IN_GROUP_EDIT);
        text = DlgItemText(d.m_hWnd, IDC_TEST_TEXT);
        d.EndDialog(IDCANCEL);
    });
    // Index 2 is the third radio button: the edit and button inside the group are not counted.
    EXPECT_EQ(radios, (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(check, UINT(BST_CHECKED));
    EXPECT_EQ(inGroup, L"C:\\Program Files\\ツール.exe");
    EXPECT_EQ(text, L"/x \"引数\"");
}

TEST(DataExchange, ControlsFillTheFieldsCountingOnlyTheGroupsRadioButtons) {
    ExchangeDialog dlg;
    dlg.m_bCheck = TRUE;
    dlg.m_strText = L"before";
    BOOL updated = FALSE;
    dlg.Run([&](ScriptedDialog& d) {
        CheckDlgButton(d.m_hWnd, IDC_TEST_CHECK, BST_UNCHECKED);
        CheckRadioButton(d.m_hWnd, IDC_TEST_RADIO_FIRST, IDC_TEST_RADIO_FOURTH,
                         IDC_TEST_RADIO_FOURTH);
        CheckDlgButton(d.m_hWnd, IDC_TEST_RADIO_OUTSIDE, BST_CHECKED);
        SetDlgItemTextW(d.m_hWnd, IDC_TEST_IN_GROUP_EDIT, L"");
        SetDlgItemTextW(d.m_hWnd, IDC_TEST_TEXT, L"still read");
        EnableWindow(GetDlgItem(d.m_hWnd, IDC_TEST_TEXT), FALSE);
        updated = d.UpdateData(TRUE);
        d.EndDialog(IDOK);
    });
    EXPECT_TRUE(updated);
    EXPECT_EQ(dlg.m_bCheck, BST_UNCHECKED);
    EXPECT_EQ(dlg.m_nRadio, 3) << "the radio button after the label is in another group";
    EXPECT_TRUE(dlg.m_strInGroup.IsEmpty());
    EXPECT_EQ(dlg.m_strText, L"still read") << "a disabled edit still gives its text";
}

TEST(DataExchange, NoCheckedRadioButtonReadsAsMinusOneAndMinusOneClearsTheGroup) {
    ExchangeDialog dlg;
    dlg.m_nRadio = -1;
    std::vector<bool> radios;
    dlg.Run([&](ScriptedDialog& d) {
        radios = dlg.CheckedRadios();
        // Filling the group again must clear a check the user set.
        CheckDlgButton(d.m_hWnd, IDC_TEST_RADIO_SECOND, BST_CHECKED);
        d.UpdateData(FALSE);
        d.UpdateData(TRUE);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(radios, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(dlg.m_nRadio, -1);
}

TEST(DataExchange, ControlIsAttachedOnceAndAgainAtTheNextShowing) {
    ExchangeDialog dlg;
    HWND hFirst = nullptr;
    CWnd* pAttached = nullptr;
    BOOL updated = FALSE;
    dlg.Run([&](ScriptedDialog& d) {
        hFirst = GetDlgItem(d.m_hWnd, IDC_TEST_HOTKEY);
        updated = d.UpdateData(TRUE) && d.UpdateData(FALSE);
        pAttached = CWnd::FromHandlePermanent(hFirst);
        d.EndDialog(IDOK);
    });
    EXPECT_TRUE(updated) << "a second exchange must not try to attach the control again";
    EXPECT_EQ(pAttached, &dlg.m_wndHotKey);
    EXPECT_EQ(dlg.m_wndHotKey.m_hWnd, nullptr) << "detached when the dialog was destroyed";

    HWND hSecond = nullptr;
    dlg.Run([&](ScriptedDialog& d) {
        hSecond = GetDlgItem(d.m_hWnd, IDC_TEST_HOTKEY);
        pAttached = CWnd::FromHandlePermanent(hSecond);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(pAttached, &dlg.m_wndHotKey);
    EXPECT_NE(hSecond, nullptr);
}

TEST(DataExchange, MissingControlFailsTheExchangeSoOKKeepsTheDialogOpen) {
    ExchangeDialog dlg;
    dlg.m_bNameMissingControl = true;
    BOOL updated = TRUE;
    BOOL openAfterOK = FALSE;
    const INT_PTR result = dlg.Run([&](ScriptedDialog& d) {
        SetDlgItemTextW(d.m_hWnd, IDC_TEST_TEXT, L"read anyway");
        updated = d.UpdateData(TRUE);
        d.OnOK();
        openAfterOK = IsWindowVisible(d.m_hWnd);
        d.EndDialog(IDCANCEL);
    });
    EXPECT_FALSE(updated);
    EXPECT_TRUE(openAfterOK);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_strText, L"read anyway") << "the other fields are still exchanged";
}

} // namespace
