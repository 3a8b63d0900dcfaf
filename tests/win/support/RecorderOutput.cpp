#include "RecorderOutput.h"

#include "MessagePump.h"

#include <fstream>
#include <iterator>

RecorderOutput::RecorderOutput() {
    wchar_t szFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, szFolder);
    m_strPath.Format(L"%lsrecorder-%lu.txt", szFolder, GetCurrentProcessId());
    DeleteFileW(m_strPath);
    SetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", m_strPath);
}

RecorderOutput::~RecorderOutput() {
    SetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", nullptr);
    DeleteFileW(m_strPath);
}

std::wstring RecorderOutput::Take(DWORD timeoutMs) {
    if (!PumpUntil([&] { return GetFileAttributesW(m_strPath) != INVALID_FILE_ATTRIBUTES; },
                   timeoutMs))
        return L"";
    std::string bytes;
    {
        std::ifstream file(static_cast<const wchar_t*>(m_strPath), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // Closed first: an open file cannot be deleted.
    DeleteFileW(m_strPath);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()),
                        bytes.size() / sizeof(wchar_t));
}

CString RecorderPath() {
    wchar_t szExe[MAX_PATH];
    GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    // The test executables and the recorder are built into the same folder.
    *wcsrchr(szExe, L'\\') = L'\0';
    return CString(szExe) + L"\\Recorder.exe";
}
