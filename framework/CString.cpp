#include "CString.h"

#include <cstdarg>
#include <algorithm>
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
    // Built aside: pch may point into this string's own characters.
    std::vector<wchar_t> joined;
    joined.reserve(static_cast<size_t>(GetLength()) + nLength + 1);
    joined.insert(joined.end(), m_buffer.begin(), m_buffer.begin() + GetLength());
    joined.insert(joined.end(), pch, pch + nLength);
    joined.push_back(L'\0');
    m_buffer.swap(joined);
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
    std::vector<wchar_t> buffer(64);
    for (;;) {
        va_list args;
        va_start(args, pszFormat);
        const int n = FormatInto(buffer.data(), buffer.size(), pszFormat, args);
        va_end(args);
        // A negative result means the buffer was too small (or the format was bad): grow, with
        // a ceiling so that a bad format cannot make us loop forever.
        if (n >= 0 && static_cast<size_t>(n) < buffer.size()) {
            Assign(buffer.data(), static_cast<size_t>(n));
            return;
        }
        if (buffer.size() >= (1u << 20)) {
            Empty();
            return;
        }
        buffer.resize(buffer.size() * 4);
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
