#include "CString.h"

#include <cstdarg>
#include <cstdint>
#include <cwchar>
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

CString& CString::operator+=(const CString& str) {
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(const wchar_t* psz) {
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    m_str += ch;
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

int CString::Compare(const wchar_t* psz) const {
    return CompareOrdinal(m_str.c_str(), psz);
}

void CString::Format(const wchar_t* pszFormat, ...) {
    std::vector<wchar_t> buffer(64);
    for (;;) {
        va_list args;
        va_start(args, pszFormat);
        const int n = FormatInto(buffer.data(), buffer.size(), pszFormat, args);
        va_end(args);
        // A negative result means the buffer was too small (or the format was bad): grow, with
        // a ceiling so that a bad format cannot make us loop forever.
        if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
            m_str.assign(buffer.data(), static_cast<size_t>(n));
            return;
        }
        if (buffer.size() >= (1u << 20)) {
            m_str.clear();
            return;
        }
        buffer.resize(buffer.size() * 4);
    }
}

wchar_t* CString::GetBuffer(int nMinLength) {
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0)
        nNewLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    m_str.resize(static_cast<size_t>(nNewLength));
}
