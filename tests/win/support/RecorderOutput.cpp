#include "RecorderOutput.h"

#include "MessagePump.h"

#include <fstream>
#include <iterator>

RecorderOutput::RecorderOutput() {
    wchar_t szFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, szFolder);
    m_path = szFolder + std::to_wstring(GetCurrentProcessId()) + L"-recorder.txt";
    DeleteFileW(m_path.c_str());
    SetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", m_path.c_str());
}

RecorderOutput::~RecorderOutput() {
    SetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", nullptr);
    DeleteFileW(m_path.c_str());
}

std::wstring RecorderOutput::Take(DWORD timeoutMs) {
    std::wstring line;
    PumpUntil(
        [&] {
            std::ifstream file(m_path.c_str(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
            line.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
            return !line.empty();
        },
        timeoutMs);
    DeleteFileW(m_path.c_str());
    return line;
}

std::wstring RecorderPath() {
    wchar_t szExe[MAX_PATH];
    GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    // The test executables and the recorder are built into the same folder.
    wcscpy(wcsrchr(szExe, L'\\'), L"\\Recorder.exe");
    return szExe;
}

std::wstring Launched(const std::wstring& arguments) {
    return L"\"" + RecorderPath() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
}
