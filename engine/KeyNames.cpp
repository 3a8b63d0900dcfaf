#include "KeyNames.h"

#include <array>

namespace {

using KeyNameTable = std::array<const wchar_t*, 256>;

constexpr const wchar_t* kDigits[] = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};
constexpr const wchar_t* kLetters[] = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H", L"I",
                                       L"J", L"K", L"L", L"M", L"N", L"O", L"P", L"Q", L"R",
                                       L"S", L"T", L"U", L"V", L"W", L"X", L"Y", L"Z"};
constexpr const wchar_t* kNumPad[] = {L"Num 0", L"Num 1", L"Num 2", L"Num 3", L"Num 4",
                                      L"Num 5", L"Num 6", L"Num 7", L"Num 8", L"Num 9"};
constexpr const wchar_t* kFunction[] = {
    L"F1",  L"F2",  L"F3",  L"F4",  L"F5",  L"F6",  L"F7",  L"F8",  L"F9",  L"F10", L"F11", L"F12",
    L"F13", L"F14", L"F15", L"F16", L"F17", L"F18", L"F19", L"F20", L"F21", L"F22", L"F23", L"F24"};

// Only named keys can be bound. The punctuation names follow the Japanese keyboard layout.
// Built by the compiler: the table is constant data, with nothing to set up at run time.
constexpr KeyNameTable BuildKeyNameTable() {
    KeyNameTable table{};
    table[VK_CLEAR] = L"Num 5/";
    table[VK_PAUSE] = L"Pause";
    table[VK_CONVERT] = L"変換";
    table[VK_NONCONVERT] = L"無変換";
    table[VK_PRIOR] = L"Page Up";
    table[VK_NEXT] = L"Page Down";
    table[VK_END] = L"End";
    table[VK_HOME] = L"Home";
    table[VK_LEFT] = L"Left";
    table[VK_UP] = L"Up";
    table[VK_RIGHT] = L"Right";
    table[VK_DOWN] = L"Down";
    table[VK_INSERT] = L"Insert";
    for (int i = 0; i < 10; ++i) {
        table['0' + i] = kDigits[i];
        table[VK_NUMPAD0 + i] = kNumPad[i];
    }
    for (int i = 0; i < 26; ++i)
        table['A' + i] = kLetters[i];
    table[VK_MULTIPLY] = L"Num *";
    table[VK_ADD] = L"Num +";
    table[VK_SUBTRACT] = L"Num -";
    table[VK_DIVIDE] = L"Num /";
    for (int i = 0; i < 24; ++i)
        table[VK_F1 + i] = kFunction[i];
    table[VK_NUMLOCK] = L"Num Lock";
    table[VK_SCROLL] = L"Scroll Lock";
    table[VK_OEM_1] = L":";
    table[VK_OEM_PLUS] = L";";
    table[VK_OEM_COMMA] = L",";
    table[VK_OEM_MINUS] = L"-";
    table[VK_OEM_PERIOD] = L".";
    table[VK_OEM_2] = L"/";
    table[VK_OEM_3] = L"@";
    table[VK_OEM_4] = L"[";
    table[VK_OEM_5] = L"\\";
    table[VK_OEM_6] = L"]";
    table[VK_OEM_7] = L"^";
    table[VK_OEM_102] = L"_";
    table[VK_OEM_ATTN] = L"Caps Lock";
    table[VK_OEM_COPY] = L"ひらがな";
    table[VK_OEM_AUTO] = L"半角/全角";
    table[VK_OEM_ENLW] = L"半角/全角";
    return table;
}

constexpr KeyNameTable kKeyNames = BuildKeyNameTable();

} // namespace

const wchar_t* GetKeyName(unsigned nVirtKey) {
    return nVirtKey < kKeyNames.size() ? kKeyNames[nVirtKey] : nullptr;
}

bool FormatKeyText(unsigned nModifiers, unsigned nVirtKey, CString& strText) {
    const wchar_t* pszName = GetKeyName(nVirtKey);
    if (!pszName)
        return false;
    CString text;
    if (nModifiers & MOD_WIN)
        text += L"Win + ";
    if (nModifiers & MOD_SHIFT)
        text += L"Shift + ";
    if (nModifiers & MOD_CONTROL)
        text += L"Ctrl + ";
    if (nModifiers & MOD_ALT)
        text += L"Alt + ";
    text += pszName;
    strText = text;
    return true;
}

unsigned HotKeyFlagsToModifiers(WORD wModifiers, BOOL bWinKey) {
    unsigned nModifiers = 0;
    if (wModifiers & HOTKEYF_ALT)
        nModifiers |= MOD_ALT;
    if (wModifiers & HOTKEYF_CONTROL)
        nModifiers |= MOD_CONTROL;
    if (wModifiers & HOTKEYF_SHIFT)
        nModifiers |= MOD_SHIFT;
    if (bWinKey)
        nModifiers |= MOD_WIN;
    return nModifiers;
}

void ModifiersToHotKeyFlags(unsigned nModifiers, WORD& wModifiers, BOOL& bWinKey) {
    wModifiers = 0;
    if (nModifiers & MOD_ALT)
        wModifiers |= HOTKEYF_ALT;
    if (nModifiers & MOD_CONTROL)
        wModifiers |= HOTKEYF_CONTROL;
    if (nModifiers & MOD_SHIFT)
        wModifiers |= HOTKEYF_SHIFT;
    bWinKey = (nModifiers & MOD_WIN) ? 1 : 0;
}

unsigned PackKey(unsigned nModifiers, unsigned nVirtKey) {
    return ((nVirtKey & 0xFF) << 8) | (nModifiers & 0xFF);
}

void UnpackKey(unsigned nValue, unsigned& nModifiers, unsigned& nVirtKey) {
    nModifiers = nValue & 0xFF;
    nVirtKey = (nValue >> 8) & 0xFF;
}
