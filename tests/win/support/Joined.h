// Several values as one text, joined by '|', so that one comparison shows them all.
#pragma once

#include <string>
#include <type_traits>

template <class T> std::wstring AsText(const T& value) {
    if constexpr (std::is_arithmetic_v<T>)
        return std::to_wstring(value);
    else
        return std::wstring(value);
}

template <class... Values> std::wstring Joined(const Values&... values) {
    std::wstring text;
    bool bFirst = true;
    ((text += (bFirst ? L"" : L"|") + AsText(values), bFirst = false), ...);
    return text;
}
