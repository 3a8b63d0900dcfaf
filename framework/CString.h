// A UTF-16 string with value semantics, usable from portable code.
#pragma once

#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* psz) : m_str(psz ? psz : L"") {}
    CString(const wchar_t* pch, int nLength) : m_str(pch, static_cast<size_t>(nLength)) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    operator const wchar_t*() const { return m_str.c_str(); }

    CString& operator+=(const CString& str);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(wchar_t ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const wchar_t* b);
    friend CString operator+(const wchar_t* a, const CString& b);

    // Ordinal comparison of the code units as unsigned numbers: no locale, no case folding.
    int Compare(const wchar_t* psz) const;
    bool operator==(const CString& other) const { return m_str == other.m_str; }
    bool operator!=(const CString& other) const { return m_str != other.m_str; }
    bool operator==(const wchar_t* psz) const { return Compare(psz) == 0; }
    bool operator!=(const wchar_t* psz) const { return Compare(psz) != 0; }

    // printf-style formatting; the program uses "%d" and "%.2d".
    void Format(const wchar_t* pszFormat, ...);

    // Direct access for APIs that write into a caller's buffer: GetBuffer gives room for at
    // least nMinLength characters plus the terminator; ReleaseBuffer takes the length from the
    // terminator when nNewLength is -1.
    wchar_t* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::wstring m_str;
};

// Compares two zero-terminated strings code unit by code unit, as unsigned numbers.
int CompareOrdinal(const wchar_t* a, const wchar_t* b);
