// The shortcut model's decisions: which keys can be bound and how a combination reads and is
// encoded, what an add refuses and why, what a load keeps, what a save writes and what a press asks
// of the shell.
#include "engine/LaunchCommand.h"
#include "engine/ShellPath.h"
#include "engine/ShortcutHolder.h"
#include "engine/ShortcutLoad.h"
#include "engine/ShortcutSave.h"
#include "res/resource.h"
#include "../win/support/Joined.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The combination's text; for a key that cannot be bound "-" and what was left in the text,
// which must be untouched.
CString KeyText(unsigned nModifiers, unsigned nVirtKey) {
    CString text;
    return FormatKeyText(nModifiers, nVirtKey, text) ? text : L"-" + text;
}

TEST(KeyNames, OnlyNamedKeysCanBeBoundAndTheirTextsAndEncodingsAreFixed) {
    for (unsigned vk : {0x00, VK_TAB, VK_RETURN, VK_SPACE, VK_DELETE, VK_DECIMAL, 0x100})
        EXPECT_STREQ(KeyText(MOD_CONTROL, vk), L"-") << "vk " << vk;
    // The order with every modifier is checked through the list's rows; Win + @ is the Japanese
    // layout's name; bits above MOD_WIN come only from storage and show nowhere.
    EXPECT_EQ(Joined(KeyText(0, VK_F1 + 4), KeyText(MOD_SHIFT | MOD_CONTROL, VK_NEXT),
                     KeyText(MOD_SHIFT, '1'), KeyText(MOD_WIN, VK_OEM_3),
                     KeyText(0xF0 | MOD_ALT, VK_INSERT), KeyText(MOD_CONTROL, VK_OEM_AUTO),
                     KeyText(MOD_CONTROL, VK_OEM_ENLW)),
              L"F5|Shift + Ctrl + Page Down|Shift + 1|Win + @|Alt + Insert|Ctrl + 半角/全角|"
              L"Ctrl + 半角/全角");

    // The editor's flags and the registration bits swap Alt and Shift.
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_ALT | HOTKEYF_EXT | 0xF0, 0), unsigned(MOD_ALT));
    EXPECT_EQ(HotKeyFlagsToModifiers(HOTKEYF_SHIFT, 1), unsigned(MOD_SHIFT | MOD_WIN));
    for (unsigned nModifiers = 0; nModifiers <= 0xF; ++nModifiers) {
        WORD wFlags = 0xFFFF;
        BOOL bWin = 7;
        ModifiersToHotKeyFlags(nModifiers | 0xF0, wFlags, bWin);
        EXPECT_EQ(HotKeyFlagsToModifiers(wFlags, bWin), nModifiers);
    }
}

const unsigned kTaken = 1409; // ERROR_HOTKEY_ALREADY_REGISTERED

// An add of Alt + the key, whose registration answers nError; the ids it used go to ids.
AddOutcome Make(ShortcutMaker& maker, unsigned nVirtKey, unsigned nError, std::vector<int>& ids) {
    return maker.Make(OP_OPEN_FILE, L"C:\\a", L"", MOD_ALT, nVirtKey,
                      [&](const ShortcutRecord& record) {
                          ids.push_back(record.m_nId);
                          return nError;
                      });
}

TEST(ShortcutMaker, TheFirstFailingCheckDecidesAndOnlyRegistrationUsesAnId) {
    ShortcutMaker maker;
    std::vector<int> ids;
    EXPECT_EQ(Make(maker, VK_SPACE, 0, ids).refusal, AddRefusal::KeyNotBindable);
    const AddOutcome refused = Make(maker, 'A', kTaken, ids), added = Make(maker, 'B', 0, ids);
    EXPECT_EQ(Joined(int(refused.refusal), refused.nError, !refused.pRecord,
                     added.pRecord ? added.pRecord->m_strKeyName : CString(L"-")),
              Joined(int(AddRefusal::RegistrationRefused), kTaken, true, L"Alt + B"));
    EXPECT_EQ(ids, (std::vector<int>{0, 1})) << "a refused registration still used its id";

    // Ids end at 0xBFFF; a key without a name is told so before the limit.
    while (Make(maker, 'C', 0, ids).refusal == AddRefusal::None) {
    }
    EXPECT_EQ(ids.back(), 0xBFFF);
    EXPECT_EQ(Make(maker, 'C', 0, ids).refusal, AddRefusal::IdsUsedUp);
    EXPECT_EQ(Make(maker, VK_SPACE, 0, ids).refusal, AddRefusal::KeyNotBindable);
    EXPECT_EQ(ids.size(), 0xC000u);
}

TEST(ShortcutLoad, KeepsOnlyEntriesThatAnotherProgramHeld) {
    ShortcutLoad load;
    const auto keeps = [&](unsigned nKey, AddRefusal refusal, unsigned nError) {
        return load.Keeps({L"C:\\a", L"", OP_NONE, nKey}, refusal, nError);
    };
    EXPECT_FALSE(keeps('A' << 8 | MOD_ALT, AddRefusal::None, 0));
    EXPECT_TRUE(keeps('H' << 8 | MOD_ALT, AddRefusal::RegistrationRefused, kTaken));
    // The list's own combination again, whatever the bits the system does not tell apart.
    EXPECT_FALSE(keeps('A' << 8 | MOD_ALT | 0x20, AddRefusal::RegistrationRefused, kTaken));
    EXPECT_FALSE(keeps('B' << 8, AddRefusal::RegistrationRefused, 87));
    EXPECT_FALSE(keeps('L' << 8, AddRefusal::IdsUsedUp, 0));
    // The Windows key makes another combination: held elsewhere, it is kept.
    EXPECT_TRUE(keeps('A' << 8 | MOD_ALT | MOD_WIN, AddRefusal::RegistrationRefused, kTaken));
    // A count reads no more positions than the section has values, and none when below 1.
    const auto positions = &ShortcutLoad::PositionsToRead;
    EXPECT_EQ(Joined(positions(0x7FFFFFFF, 9), positions(3, 9), positions(-5, 9)), L"9|3|0");
}

TEST(ShortcutHolder, IsTheFirstRowWithTheCombinationWindowsKeyIncludedAndOtherBitsIgnored) {
    const ShortcutRecord winAltA = {0, L"", L"C:\\w", OP_NONE, MOD_WIN | MOD_ALT, 'A', L""};
    const ShortcutRecord altA = {1, L"", L"C:\\a", OP_NONE, MOD_ALT | 0x4010, 'A', L""};
    const ShortcutRecord altAAgain = {2, L"", L"C:\\b", OP_NONE, MOD_ALT, 'A', L""};
    const std::vector<const ShortcutRecord*> rows = {&winAltA, &altA, &altAAgain};
    EXPECT_EQ(FindHolder(rows, MOD_ALT | 0x20, 'A'), &altA);
    EXPECT_EQ(FindHolder(rows, MOD_WIN | MOD_ALT, 'A'), &winAltA);
    EXPECT_EQ(FindHolder(rows, MOD_WIN | MOD_SHIFT | MOD_ALT, 'A'), nullptr);
}

TEST(ShortcutSave, WritesTheCountThenEachEntry) {
    const std::vector<ProfileValue> values =
        PlanSave({{L"C:\\row", L"-x", OP_NONE, 0x4E03}, {L"C:\\kept", L"", 9, 0x10041}});
    std::vector<std::wstring> written;
    for (const ProfileValue& value : values)
        written.push_back(std::wstring(value.strName) + L"=" +
                          (value.bText ? std::wstring(value.strText) : AsText(value.nNumber)));
    EXPECT_EQ(written, (std::vector<std::wstring>{
                           L"size=2", L"00 FileName=C:\\row", L"00 Parameter=-x", L"00 Key=19971",
                           L"00 Operation=3", L"01 FileName=C:\\kept", L"01 Parameter=",
                           L"01 Key=65601", L"01 Operation=9"}));
    EXPECT_STREQ(PlanSave(std::vector<StoredShortcut>(101, {L"", L"", 0, 0})).back().strName,
                 L"100 Operation");
}

TEST(LaunchCommand, TheOperationChoosesVerbAndArguments) {
    ShortcutRecord record = {0, L"A", L"C:\\t", OP_OPEN_FILE, 0, 0, L"-a \"b c\""};
    const auto command = [&](int nOperation) {
        record.m_nOperation = nOperation;
        const LaunchCommand launch = MakeLaunchCommand(record);
        return std::wstring(launch.bLaunch ? launch.pszVerb : L"-") + L" " +
               static_cast<const wchar_t*>(launch.strParameters);
    };
    // An unknown operation (-1) opens like a folder.
    EXPECT_EQ(Joined(command(OP_OPEN_FILE), command(OP_OPEN_FOLDER), command(OP_EXPLORE),
                     command(OP_NONE), command(-1)),
              L"open -a \"b c\"|open |explore |- |open ");
    EXPECT_EQ(ShellErrorReasonId(31), IDS_SHELL_ERROR_BASE + 31u);
    for (long long nResult : {-1LL, 1LL, 4LL, 12LL, 33LL})
        EXPECT_EQ(ShellErrorReasonId(nResult), 0u) << nResult;
}

TEST(ShellPath, ATargetOf260CharactersOrMoreGoesInItsShortFormAskedForWithThePrefix) {
    const std::wstring name(256, L'a'), drive259 = L"C:\\" + name;
    // As Windows answers for a path this long: only with the prefix; the first long name
    // shortened.
    const auto shortForm = [&](const CString& strAsked, CString& strShort) {
        std::wstring path(strAsked);
        path.replace(path.find(name), name.size(), L"A~1");
        strShort = path.c_str();
        return path.compare(0, 4, L"\\\\?\\") == 0;
    };
    const auto shellPath = [&](const std::wstring& target) {
        CString made;
        return MakeShellPath(target.c_str(), shortForm, made) ? made : CString(L"-");
    };
    // 259 characters go as they are, exactly 260 are shortened, and so is a target prefixed
    // already; none when the short form is still too long, or relative (no prefix, no short form).
    EXPECT_EQ(Joined(shellPath(drive259), shellPath(L"\\\\s\\" + name), shellPath(drive259 + L"/b"),
                     shellPath(L"\\\\?\\" + drive259), shellPath(drive259 + L"\\" + name),
                     shellPath(L"..\\" + drive259)),
              Joined(drive259, L"\\\\s\\A~1", L"C:\\A~1\\b", L"C:\\A~1", L"-", L"-"));
}

} // namespace
