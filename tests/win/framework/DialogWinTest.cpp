// Modal dialogs: how they end, their nested loop and their owner, on real dialog windows.
#include "DialogTestResources.h"
#include "ScriptedDialog.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;

    std::vector<std::string> calls;
    int refusals = 0; // how many OK presses to turn down before accepting

    BOOL OnInitDialog() override {
        calls.push_back("init");
        return ScriptedDialog::OnInitDialog();
    }
    void OnOK() override {
        calls.push_back("ok");
        if (refusals > 0) {
            --refusals;
            return;
        }
        ScriptedDialog::OnOK();
    }
    void OnCancel() override {
        calls.push_back("cancel");
        ScriptedDialog::OnCancel();
    }
};

TEST(ModalDialog, EnterEscapeAndTheCloseBoxReachOnOKAndOnCancel) {
    RecordingDialog enter(IDD_TEST_MODAL);
    EXPECT_EQ(enter.Run([](ScriptedDialog& dlg) { dlg.PostKey(IDC_TEST_EDIT, VK_RETURN); }), IDOK);
    EXPECT_EQ(enter.calls, (std::vector<std::string>{"init", "ok"}));

    RecordingDialog escape(IDD_TEST_MODAL);
    EXPECT_EQ(escape.Run([](ScriptedDialog& dlg) { dlg.PostKey(IDC_TEST_EDIT, VK_ESCAPE); }),
              IDCANCEL);
    EXPECT_EQ(escape.calls, (std::vector<std::string>{"init", "cancel"}));

    RecordingDialog closeBox(IDD_TEST_MODAL);
    EXPECT_EQ(closeBox.Run([](ScriptedDialog& dlg) { dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }),
              IDCANCEL);
    EXPECT_EQ(closeBox.calls, (std::vector<std::string>{"init", "cancel"}));
    EXPECT_EQ(closeBox.m_hWnd, nullptr) << "the object outlives its window, detached";
}

TEST(ModalDialog, RefusedOKKeepsTheDialogOpen) {
    RecordingDialog dlg(IDD_TEST_MODAL);
    dlg.refusals = 1;
    const INT_PTR result = dlg.Run([](ScriptedDialog& dlg) {
        dlg.PostKey(IDC_TEST_EDIT, VK_RETURN);
        dlg.PostKey(IDC_TEST_EDIT, VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.calls, (std::vector<std::string>{"init", "ok", "ok"}));
}

TEST(ModalDialog, ItsLoopDispatchesMessagesPostedToOtherWindows) {
    const UINT WM_ELSEWHERE = WM_APP + 7;
    TestWindow other;
    PostMessageW(other.Handle(), WM_ELSEWHERE, 1, 0);
    size_t seenWhileOpen = 0;
    RecordingDialog dlg(IDD_TEST_MODAL);
    dlg.Run([&](ScriptedDialog& dlg) {
        seenWhileOpen = other.Received(WM_ELSEWHERE).size();
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(seenWhileOpen, 1u);
}

TEST(ModalDialog, IsOwnedByItsParentAndADialogOpenedFromItByIt) {
    TestWindow parent;
    CWnd* pParent = CWnd::FromHandle(parent.Handle());
    HWND hOuterOwner = nullptr, hInnerOwner = nullptr, hOuter = nullptr;
    BOOL outerEnabledBeneath = TRUE;
    RecordingDialog outer(IDD_TEST_MODAL, pParent);
    outer.Run([&](ScriptedDialog& dlg) {
        hOuter = dlg.m_hWnd;
        hOuterOwner = GetWindow(dlg.m_hWnd, GW_OWNER);
        RecordingDialog inner(IDD_TEST_MODAL, pParent);
        inner.Run([&](ScriptedDialog& innerDlg) {
            hInnerOwner = GetWindow(innerDlg.m_hWnd, GW_OWNER);
            outerEnabledBeneath = IsWindowEnabled(hOuter);
            innerDlg.EndDialog(IDOK);
        });
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(hOuterOwner, parent.Handle());
    EXPECT_EQ(hInnerOwner, hOuter);
    EXPECT_FALSE(outerEnabledBeneath);
    CWnd::DeleteTempMap();

    // No parent and no application: nothing to own it.
    HWND hOwner = parent.Handle();
    RecordingDialog ownerless(IDD_TEST_MODAL);
    ownerless.Run([&](ScriptedDialog& dlg) {
        hOwner = GetWindow(dlg.m_hWnd, GW_OWNER);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(hOwner, nullptr);
}

TEST(ModalDialog, MissingTemplateFailsAndLeavesTheNextWindowAlone) {
    RecordingDialog dlg(0x7FFF);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(dlg.calls.empty());
    HWND hNext = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hNext), nullptr);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    DestroyWindow(hNext);
}

} // namespace
