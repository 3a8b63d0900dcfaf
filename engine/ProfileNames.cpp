#include "ProfileNames.h"

const wchar_t kShortcutSection[] = L"ShortCuts";
const wchar_t kShortcutCount[] = L"size";
const wchar_t kFileNameWord[] = L"FileName";
const wchar_t kParameterWord[] = L"Parameter";
const wchar_t kOperationWord[] = L"Operation";
const wchar_t kKeyWord[] = L"Key";

CString ShortcutValueName(int nPosition, const wchar_t* pszWord) {
    CString name;
    name.Format(L"%.2d %ls", nPosition, pszWord);
    return name;
}
