// The hot-key control wrapper on the real control of a dialog: what is typed or set reads back,
// the key apart from its modifiers.
#include "DialogTestResources.h"
#include "ScriptedDialog.h"

#include "framework/CHotKeyCtrl.h"
#include "support/SyntheticInput.h"

#include <gtest/gtest.h>

namespace {

// Once the last key of a typed combination is let go, reads what the control shows, then sets
// a combination of its own and reads that too, and closes the dialog.
class TypedHotKeyCtrl : public CHotKeyCtrl {
public:
    WORD m_wTypedKey = 0, m_wTypedModifiers = 0;
    WORD m_wSetKey = 0, m_wSetModifiers = 0;
    DWORD m_dwSet = 0;

    LRESULT OnKeyUp(WPARAM wParam, LPARAM) {
        const LRESULT result = Default();
        if (wParam == VK_CONTROL) {
            GetHotKey(m_wTypedKey, m_wTypedModifiers);
            SetHotKey(VK_INSERT, HOTKEYF_ALT | HOTKEYF_EXT);
            GetHotKey(m_wSetKey, m_wSetModifiers);
            m_dwSet = GetHotKey();
            GetParent()->PostMessage(WM_COMMAND, IDCANCEL);
        }
        return result;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TypedHotKeyCtrl, CHotKeyCtrl)
ON_MESSAGE(WM_KEYUP, OnKeyUp)
END_MESSAGE_MAP()

class HotKeyDialog : public ScriptedDialog {
public:
    HotKeyDialog() : ScriptedDialog(IDD_TEST_EXCHANGE) {}
    TypedHotKeyCtrl m_wndHotKey;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_TEST_HOTKEY, m_wndHotKey);
    }
};

TEST(HotKeyCtrl, TypedAndSetCombinationsReadBack) {
    HotKeyDialog dlg;
    bool sent = false;
    const INT_PTR result = dlg.Run([&](ScriptedDialog& d) {
        ::SetForegroundWindow(d.m_hWnd);
        ::SetFocus(dlg.m_wndHotKey.m_hWnd);
        sent = SendKeyPress({VK_CONTROL, VK_SHIFT}, VK_F5); // Control is let go last
    });
    ASSERT_TRUE(sent);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_wndHotKey.m_wTypedKey, VK_F5);
    EXPECT_EQ(dlg.m_wndHotKey.m_wTypedModifiers, HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    EXPECT_EQ(dlg.m_wndHotKey.m_wSetKey, VK_INSERT);
    EXPECT_EQ(dlg.m_wndHotKey.m_wSetModifiers, HOTKEYF_ALT | HOTKEYF_EXT);
    EXPECT_EQ(dlg.m_wndHotKey.m_dwSet, DWORD(MAKEWORD(VK_INSERT, HOTKEYF_ALT | HOTKEYF_EXT)));
}

} // namespace
