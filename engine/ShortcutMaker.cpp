#include "ShortcutMaker.h"

#include "KeyNames.h"

AddOutcome
ShortcutMaker::Make(int nOperation, const CString& strFileName, const CString& strParameter,
                    unsigned nModifiers, unsigned nVirtKey,
                    const std::function<unsigned(const ShortcutRecord&)>& registerHotKey) {
    CString strKeyName;
    if (!FormatKeyText(nModifiers, nVirtKey, strKeyName))
        return {AddRefusal::KeyNotBindable, 0, nullptr};
    if (m_nNextId > kLastHotKeyId)
        return {AddRefusal::IdsUsedUp, 0, nullptr};
    auto pRecord = std::make_unique<ShortcutRecord>(ShortcutRecord{
        m_nNextId++, strKeyName, strFileName, nOperation, nModifiers, nVirtKey, strParameter});
    if (const unsigned nError = registerHotKey(*pRecord))
        return {AddRefusal::RegistrationRefused, nError, nullptr};
    return {AddRefusal::None, 0, std::move(pRecord)};
}

std::unique_ptr<ShortcutRecord> ShortcutMaker::MakeKept(const StoredShortcut& entry) {
    unsigned nModifiers = 0, nVirtKey = 0;
    UnpackKey(entry.nKey, nModifiers, nVirtKey);
    // Kept shortcuts reached the registration, so their keys have names.
    CString strKeyName;
    FormatKeyText(nModifiers, nVirtKey, strKeyName);
    return std::make_unique<ShortcutRecord>(
        ShortcutRecord{m_nNextKeptId--, strKeyName, entry.strFileName, entry.nOperation, nModifiers,
                       nVirtKey, entry.strParameter, entry.nKey});
}
