#include "engine/KeyNames.h"

#include <gtest/gtest.h>

#include <set>

namespace {

CString KeyText(unsigned nModifiers, unsigned nVirtKey) {
    CString text(L"<no name>");
    FormatKeyText(nModifiers, nVirtKey, text);
    return text;
}

TEST(KeyNameTable, NamesExactlyTheBindableKeys) {
    int named = 0;
    for (unsigned vk = 0; vk < 256; ++vk)
        named += GetKeyName(vk) != nullptr;
    EXPECT_EQ(named, 105);

    for (unsigned i = 0; i < 10; ++i) {
        EXPECT_EQ(CString(GetKeyName('0' + i)), CString(&L"0123456789"[i], 1));
        EXPECT_EQ(CString(GetKeyName(VK_NUMPAD0 + i)),
                  CString(L"Num ") + CString(&L"0123456789"[i], 1));
    }
    for (unsigned i = 0; i < 26; ++i)
        EXPECT_EQ(CString(GetKeyName('A' + i)), CString(&L"ABCDEFGHIJKLMNOPQRSTUVWXYZ"[i], 1));
    for (unsigned i = 0; i < 24; ++i) {
        CString expected;
        expected.Format(L"F%d", static_cast<int>(i + 1));
        EXPECT_EQ(CString(GetKeyName(VK_F1 + i)), expected);
    }
}

TEST(KeyNameTable, SingleKeysCarryTheirJapaneseLayoutNames) {
    const struct {
        unsigned vk;
        const wchar_t* name;
    } expected[] = {
        {0x0C, L"Num 5/"},   {0x13, L"Pause"},     {0x1C, L"変換"},        {0x1D, L"無変換"},
        {0x21, L"Page Up"},  {0x22, L"Page Down"}, {0x23, L"End"},         {0x24, L"Home"},
        {0x25, L"Left"},     {0x26, L"Up"},        {0x27, L"Right"},       {0x28, L"Down"},
        {0x2D, L"Insert"},   {0x6A, L"Num *"},     {0x6B, L"Num +"},       {0x6D, L"Num -"},
        {0x6F, L"Num /"},    {0x90, L"Num Lock"},  {0x91, L"Scroll Lock"}, {0xBA, L":"},
        {0xBB, L";"},        {0xBC, L","},         {0xBD, L"-"},           {0xBE, L"."},
        {0xBF, L"/"},        {0xC0, L"@"},         {0xDB, L"["},           {0xDC, L"\\"},
        {0xDD, L"]"},        {0xDE, L"^"},         {0xE2, L"_"},           {0xF0, L"Caps Lock"},
        {0xF2, L"ひらがな"}, {0xF3, L"半角/全角"}, {0xF4, L"半角/全角"},
    };
    for (const auto& key : expected) {
        ASSERT_NE(GetKeyName(key.vk), nullptr) << "vk " << key.vk;
        EXPECT_STREQ(GetKeyName(key.vk), key.name) << "vk " << key.vk;
    }
}

TEST(KeyNameTable, KeysWithoutANameCannotBeBound) {
    const unsigned unnamed[] = {
        0x00,       VK_BACK, VK_TAB,   VK_RETURN,    VK_SHIFT,   VK_CONTROL,  VK_MENU,
        VK_CAPITAL, VK_KANA, VK_KANJI, VK_ESCAPE,    VK_SPACE,   VK_SNAPSHOT, VK_DELETE,
        VK_LWIN,    VK_RWIN, VK_APPS,  VK_SEPARATOR, VK_DECIMAL, VK_OEM_8,    VK_OEM_FINISH,
        0x01,       0x02,    0x04,     0xFF,         256,        0x4E03,      0xFFFFFFFFu};
    for (unsigned vk : unnamed) {
        EXPECT_EQ(GetKeyName(vk), nullptr) << "vk " << vk;
        CString untouched(L"before");
        EXPECT_FALSE(FormatKeyText(MOD_CONTROL, vk, untouched)) << "vk " << vk;
        EXPECT_STREQ(untouched, L"before");
    }
}

TEST(FormatKeyText, PutsModifiersInFixedOrderBeforeTheName) {
    EXPECT_STREQ(KeyText(0, VK_F1 + 4), L"F5");
    EXPECT_STREQ(KeyText(MOD_CONTROL | MOD_ALT, 'N'), L"Ctrl + Alt + N");
    EXPECT_STREQ(KeyText(MOD_SHIFT | MOD_CONTROL, VK_NEXT), L"Shift + Ctrl + Page Down");
    EXPECT_STREQ(KeyText(MOD_WIN | MOD_SHIFT | MOD_CONTROL | MOD_ALT, 'A'),
                 L"Win + Shift + Ctrl + Alt + A");
    EXPECT_STREQ(KeyText(MOD_WIN | MOD_ALT, VK_OEM_5), L"Win + Alt + \\");
    EXPECT_STREQ(KeyText(MOD_SHIFT, '1'), L"Shift + 1");
    // Bits above MOD_WIN can only come from storage; they show nowhere.
    EXPECT_STREQ(KeyText(0xF0 | MOD_ALT, VK_INSERT), L"Alt + Insert");
    EXPECT_STREQ(KeyText(MOD_CONTROL, VK_OEM_AUTO), KeyText(MOD_CONTROL, VK_OEM_ENLW));
}

TEST(ModifierConversion, RoundTripsEveryRegistrationValue) {
    for (unsigned mods = 0; mods <= 0xF; ++mods) {
        WORD flags = 0xFFFF;
        BOOL win = 7;
        ModifiersToHotKeyFlags(mods, flags, win);
        EXPECT_EQ(flags & HOTKEYF_EXT, 0) << "mods " << mods;
        EXPECT_EQ(HotKeyFlagsToModifiers(flags, win), mods);
    }
}

TEST(ModifierConversion, SwapsAltAndShiftAndDropsOtherBits) {
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_ALT, 0), unsigned(MOD_ALT));
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_SHIFT, 0), unsigned(MOD_SHIFT));
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_CONTROL, 0), unsigned(MOD_CONTROL));
    EXPECT_EQ(HotKeyFlagsToModifiers(0, 1), unsigned(MOD_WIN));
    EXPECT_EQ(HotKeyFlagsToModifiers(0, -1), unsigned(MOD_WIN));

    std::set<unsigned> produced;
    for (BOOL win : {0, 1}) {
        for (unsigned flags = 0; flags <= 0xFFFF; ++flags) {
            const unsigned mods = HotKeyFlagsToModifiers(static_cast<WORD>(flags), win);
            ASSERT_LE(mods, 0xFu);
            // The extended-key mark and higher bits never change the result.
            ASSERT_EQ(mods, HotKeyFlagsToModifiers(static_cast<WORD>(flags & 0x7), win));
            produced.insert(mods);
        }
    }
    EXPECT_EQ(produced.size(), 16u);

    WORD flags = 0;
    BOOL win = 0;
    ModifiersToHotKeyFlags(0xFF, flags, win);
    EXPECT_EQ(flags, HOTKEYF_ALT | HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    EXPECT_EQ(win, 1);
    ModifiersToHotKeyFlags(0xF0, flags, win);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(win, 0);
}

TEST(PackedKey, PacksKeyAboveModifiersAndIgnoresHighBits) {
    EXPECT_EQ(PackKey(MOD_CONTROL | MOD_ALT, 0x4E), 0x4E03u);
    EXPECT_EQ(PackKey(MOD_CONTROL | MOD_ALT, 0x4E), 19971u);
    EXPECT_EQ(PackKey(0x1FF, 0x14E), 0x4EFFu);

    for (unsigned high : {0x0u, 0x10000u, 0xABCD0000u, 0xFFFF0000u}) {
        unsigned mods = 0, vk = 0;
        UnpackKey(0x4E03 | high, mods, vk);
        EXPECT_EQ(mods, 0x03u);
        EXPECT_EQ(vk, 0x4Eu);
    }
    for (unsigned value = 0; value <= 0xFFFF; ++value) {
        unsigned mods = 0, vk = 0;
        UnpackKey(value, mods, vk);
        ASSERT_EQ(PackKey(mods, vk), value);
    }
}

} // namespace
