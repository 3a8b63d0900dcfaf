// A UTF-16 string with value semantics, usable from portable code.
#pragma once

#include <cstddef>
#include <vector>

class CString {
public:
    CString() = default;
    CString(const wchar_t* psz);
    CString(const wchar_t* pch, int nLength) { Assign(pch, static_cast<std::size_t>(nLength)); }

    int GetLength() const { return m_buffer.empty() ? 0 : static_cast<int>(m_buffer.size() - 1); }
    bool IsEmpty() const { return GetLength() == 0; }
    void Empty() { m_buffer.clear(); }
    operator const wchar_t*() const { return m_buffer.empty() ? L"" : m_buffer.data(); }

    CString& operator+=(const CString& str);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(wchar_t ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const wchar_t* b);
    friend CString operator+(const wchar_t* a, const CString& b);

    // Ordinal comparison of the code units as unsigned numbers: no locale, no case folding.
    int Compare(const wchar_t* psz) const;
    bool operator==(const CString& other) const;
    bool operator!=(const CString& other) const { return !(*this == other); }
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
    // Replaces the text with nLength characters from pch.
    void Assign(const wchar_t* pch, std::size_t nLength);
    void Append(const wchar_t* pch, std::size_t nLength);

    // The characters and a terminating zero; no characters at all for the empty string, so that
    // an empty CString allocates nothing. A vector rather than std::wstring: the library's
    // compiled wide-string code would come into the exe whole, for the few operations used here.
    std::vector<wchar_t> m_buffer;
};

// Compares two zero-terminated strings code unit by code unit, as unsigned numbers.
int CompareOrdinal(const wchar_t* a, const wchar_t* b);
