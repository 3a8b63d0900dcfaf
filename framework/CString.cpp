#include "CString.h"

#include <cstdarg>
#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <functional>
#include <vector>

namespace {

int FormatInto(wchar_t* pBuffer, size_t nSize, const wchar_t* pszFormat, va_list args) {
#ifdef _WIN32
    // The C runtime's own formatter: the C99 one that MinGW substitutes for vswprintf brings a
    // floating-point formatter with it, and the program formats integers only.
    return _vsnwprintf(pBuffer, nSize, pszFormat, args);
#else
    return vswprintf(pBuffer, nSize, pszFormat, args);
#endif
}

} // namespace

int CompareOrdinal(const wchar_t* a, const wchar_t* b) {
    a = a ? a : L"";
    b = b ? b : L"";
    for (;; ++a, ++b) {
        const auto ca = static_cast<uint32_t>(*a);
        const auto cb = static_cast<uint32_t>(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString::CString(const wchar_t* psz) {
    if (psz)
        Assign(psz, wcslen(psz));
}

void CString::Assign(const wchar_t* pch, size_t nLength) {
    if (nLength == 0) {
        m_buffer.clear();
        return;
    }
    m_buffer.assign(pch, pch + nLength);
    m_buffer.push_back(L'\0');
}

void CString::Append(const wchar_t* pch, size_t nLength) {
    if (nLength == 0)
        return;
    if (m_buffer.empty()) {
        Assign(pch, nLength);
        return;
    }
    // Characters of this string itself are copied first: the insertion may move them.
    const std::less<const wchar_t*> before;
    if (!before(pch, m_buffer.data()) && before(pch, m_buffer.data() + m_buffer.size())) {
        const std::vector<wchar_t> own(pch, pch + nLength);
        m_buffer.insert(m_buffer.end() - 1, own.begin(), own.end());
        return;
    }
    m_buffer.insert(m_buffer.end() - 1, pch, pch + nLength);
}

CString& CString::operator+=(const CString& str) {
    Append(str, static_cast<size_t>(str.GetLength()));
    return *this;
}

CString& CString::operator+=(const wchar_t* psz) {
    if (psz)
        Append(psz, wcslen(psz));
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    Append(&ch, 1);
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const wchar_t* b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const wchar_t* a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

bool CString::operator==(const CString& other) const {
    return GetLength() == other.GetLength() &&
           wmemcmp(*this, other, static_cast<size_t>(GetLength())) == 0;
}

int CString::Compare(const wchar_t* psz) const {
    return CompareOrdinal(*this, psz);
}

void CString::Format(const wchar_t* pszFormat, ...) {
    // Most texts fit the first buffer, on the stack; a longer one is formatted again into a
    // bigger buffer on the heap.
    wchar_t szFirst[64];
    std::vector<wchar_t> larger;
    wchar_t* pBuffer = szFirst;
    size_t nSize = sizeof szFirst / sizeof szFirst[0];
    for (;;) {
        va_list args;
        va_start(args, pszFormat);
        const int n = FormatInto(pBuffer, nSize, pszFormat, args);
        va_end(args);
        // A negative result means the buffer was too small (or the format was bad): grow, with
        // a ceiling so that a bad format cannot make us loop forever.
        if (n >= 0 && static_cast<size_t>(n) < nSize) {
            Assign(pBuffer, static_cast<size_t>(n));
            return;
        }
        if (nSize >= (1u << 20)) {
            Empty();
            return;
        }
        larger.resize(nSize * 4);
        pBuffer = larger.data();
        nSize = larger.size();
    }
}

wchar_t* CString::GetBuffer(int nMinLength) {
    const int nLength = GetLength();
    // Room past the characters is zeros, so that a caller's text ends where it stops writing.
    m_buffer.resize(static_cast<size_t>(std::max(nLength, nMinLength)) + 1, L'\0');
    return m_buffer.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0)
        nNewLength =
            m_buffer.empty() ? 0 : static_cast<int>(wcsnlen(m_buffer.data(), m_buffer.size() - 1));
    if (nNewLength == 0) {
        m_buffer.clear();
        return;
    }
    m_buffer.resize(static_cast<size_t>(nNewLength) + 1, L'\0');
    m_buffer.back() = L'\0';
}
