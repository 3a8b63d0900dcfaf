#include "engine/KeyNames.h"

#include <gtest/gtest.h>

namespace {

CString KeyText(unsigned nModifiers, unsigned nVirtKey) {
    CString text(L"<no name>");
    FormatKeyText(nModifiers, nVirtKey, text);
    return text;
}

TEST(KeyNames, OnlyNamedKeysCanBeBound) {
    int nNamed = 0;
    for (unsigned vk = 0; vk < 256; ++vk)
        nNamed += GetKeyName(vk) != nullptr;
    EXPECT_EQ(nNamed, 105);
    for (unsigned vk :
         {0u, unsigned(VK_BACK), unsigned(VK_TAB), unsigned(VK_RETURN), unsigned(VK_ESCAPE),
          unsigned(VK_SPACE), unsigned(VK_DELETE), unsigned(VK_DECIMAL), unsigned(VK_SHIFT),
          unsigned(VK_LWIN), 256u, 0xFFFFFFFFu}) {
        CString untouched(L"before");
        EXPECT_FALSE(FormatKeyText(MOD_CONTROL, vk, untouched)) << "vk " << vk;
        EXPECT_STREQ(untouched, L"before");
    }
}

TEST(KeyNames, ModifiersGoBeforeTheNameInAFixedOrder) {
    EXPECT_STREQ(KeyText(0, VK_F1 + 4), L"F5");
    EXPECT_STREQ(KeyText(MOD_CONTROL | MOD_ALT, 'N'), L"Ctrl + Alt + N");
    EXPECT_STREQ(KeyText(MOD_SHIFT | MOD_CONTROL, VK_NEXT), L"Shift + Ctrl + Page Down");
    EXPECT_STREQ(KeyText(MOD_WIN | MOD_SHIFT | MOD_CONTROL | MOD_ALT, 'A'),
                 L"Win + Shift + Ctrl + Alt + A");
    EXPECT_STREQ(KeyText(MOD_SHIFT, '1'), L"Shift + 1");
    EXPECT_STREQ(KeyText(MOD_WIN, VK_OEM_3), L"Win + @") << "the Japanese layout's names";
    // Bits above MOD_WIN come only from storage and show nowhere.
    EXPECT_STREQ(KeyText(0xF0 | MOD_ALT, VK_INSERT), L"Alt + Insert");
    EXPECT_STREQ(KeyText(MOD_CONTROL, VK_OEM_AUTO), KeyText(MOD_CONTROL, VK_OEM_ENLW));
}

TEST(KeyNames, TheEncodingsConvertBothWaysWithAltAndShiftSwapped) {
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_ALT | HOTKEYF_EXT | 0xF0, 0), unsigned(MOD_ALT));
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_SHIFT, 1), unsigned(MOD_SHIFT | MOD_WIN));
    for (unsigned nModifiers = 0; nModifiers <= 0xF; ++nModifiers) {
        WORD wFlags = 0xFFFF;
        BOOL bWin = 7;
        ModifiersToHotKeyFlags(nModifiers | 0xF0, wFlags, bWin);
        EXPECT_EQ(HotKeyFlagsToModifiers(wFlags, bWin), nModifiers);
    }

    EXPECT_EQ(PackKey(MOD_CONTROL | MOD_ALT, 0x4E), 19971u);
    unsigned nModifiers = 0, nVirtKey = 0;
    UnpackKey(0xABCD4E03, nModifiers, nVirtKey);
    EXPECT_EQ(nModifiers, 3u);
    EXPECT_EQ(nVirtKey, 0x4Eu);
}

} // namespace
