// A file read whole, as it lies on the disk.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

// Its bytes; none when it cannot be read.
inline std::string FileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
