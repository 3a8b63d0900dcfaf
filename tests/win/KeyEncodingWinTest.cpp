// The key encodings checked against the real system: the hot-key control and real hot keys.
#include "engine/KeyNames.h"
#include "support/MessagePump.h"
#include "support/SyntheticInput.h"
#include "support/TestWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

class HotKeyControl : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_HOTKEY_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&icc));
        m_hControl = CreateWindowExW(0, HOTKEY_CLASSW, L"", WS_CHILD | WS_BORDER, 0, 0, 100, 20,
                                     m_parent.Handle(), nullptr, nullptr, nullptr);
        ASSERT_NE(m_hControl, nullptr);
    }

    WORD RoundTrip(BYTE vk, BYTE flags) {
        SendMessageW(m_hControl, HKM_SETHOTKEY, MAKEWORD(vk, flags), 0);
        return LOWORD(SendMessageW(m_hControl, HKM_GETHOTKEY, 0, 0));
    }

    TestWindow m_parent;
    HWND m_hControl = nullptr;
};

TEST_F(HotKeyControl, ReportsBackTheFlagsMadeFromEveryModifierValue) {
    for (BYTE vk : {BYTE('N'), BYTE(VK_F1 + 4), BYTE(VK_INSERT), BYTE(VK_OEM_5)}) {
        for (unsigned mods = 0; mods <= 0xF; ++mods) {
            WORD flags = 0;
            BOOL win = FALSE;
            ModifiersToHotKeyFlags(mods, flags, win);
            const WORD reported = RoundTrip(vk, static_cast<BYTE>(flags));
            EXPECT_EQ(LOBYTE(reported), vk);
            EXPECT_EQ(HIBYTE(reported), flags) << "mods " << mods << " vk " << int(vk);
            EXPECT_EQ(HotKeyFlagsToModifiers(HIBYTE(reported), win), mods);
        }
    }
}

TEST_F(HotKeyControl, ExtendedKeyMarkDoesNotSurviveConversion) {
    const WORD reported = RoundTrip(VK_INSERT, HOTKEYF_CONTROL | HOTKEYF_EXT);
    ASSERT_EQ(HIBYTE(reported), HOTKEYF_CONTROL | HOTKEYF_EXT);
    const unsigned mods = HotKeyFlagsToModifiers(HIBYTE(reported), FALSE);
    EXPECT_EQ(mods, unsigned(MOD_CONTROL));
    WORD back = 0;
    BOOL win = TRUE;
    ModifiersToHotKeyFlags(mods, back, win);
    EXPECT_EQ(back, HOTKEYF_CONTROL);
    EXPECT_FALSE(win);
}

// The editor's flags, converted, must register exactly the keys the user held.
TEST(RealHotKey, ConvertedEditorFlagsFireForThePhysicalKeys) {
    const struct {
        WORD flags;
        BOOL win;
        std::vector<WORD> held;
    } cases[] = {
        {0, FALSE, {}},
        {HOTKEYF_ALT, FALSE, {VK_MENU}},
        {HOTKEYF_SHIFT, FALSE, {VK_SHIFT}},
        {HOTKEYF_CONTROL, FALSE, {VK_CONTROL}},
        {0, TRUE, {VK_LWIN}},
        {HOTKEYF_CONTROL | HOTKEYF_ALT, FALSE, {VK_CONTROL, VK_MENU}},
        {HOTKEYF_SHIFT | HOTKEYF_ALT, FALSE, {VK_SHIFT, VK_MENU}},
        {HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT,
         TRUE,
         {VK_LWIN, VK_SHIFT, VK_CONTROL, VK_MENU}},
    };
    TestWindow window;
    const int id = 0x1234;
    const UINT vk = VK_F1 + 8;
    for (const auto& c : cases) {
        const unsigned mods = HotKeyFlagsToModifiers(c.flags, c.win);
        ASSERT_TRUE(RegisterHotKey(window.Handle(), id, mods, vk)) << GetLastError();
        window.ClearReceived();
        ASSERT_TRUE(SendKeyPress(c.held, vk));
        const bool fired = PumpUntil([&] { return !window.Received(WM_HOTKEY).empty(); });
        EXPECT_TRUE(fired) << "flags " << c.flags << " win " << c.win;
        PumpFor(100);
        EXPECT_EQ(window.Received(WM_HOTKEY).size(), 1u) << "one press, one message";
        if (fired) {
            const MSG msg = window.Received(WM_HOTKEY).front();
            EXPECT_EQ(msg.wParam, WPARAM(id));
            EXPECT_EQ(LOWORD(msg.lParam), mods);
            EXPECT_EQ(HIWORD(msg.lParam), vk);
        }
        EXPECT_TRUE(UnregisterHotKey(window.Handle(), id));
    }
}

TEST(RealHotKey, MissingModifierDoesNotFire) {
    TestWindow window;
    const UINT vk = 'N';
    const unsigned mods = HotKeyFlagsToModifiers(HOTKEYF_CONTROL | HOTKEYF_ALT, FALSE);
    ASSERT_TRUE(RegisterHotKey(window.Handle(), 7, mods, vk));
    ASSERT_TRUE(SendKeyPress({VK_CONTROL, VK_SHIFT}, vk));
    PumpFor(200);
    EXPECT_TRUE(window.Received(WM_HOTKEY).empty());
    ASSERT_TRUE(SendKeyPress({VK_CONTROL, VK_MENU}, vk));
    EXPECT_TRUE(PumpUntil([&] { return !window.Received(WM_HOTKEY).empty(); }));
    UnregisterHotKey(window.Handle(), 7);
}

} // namespace
