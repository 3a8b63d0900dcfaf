#include "RecorderOutput.h"

#include "MessagePump.h"

#include <fstream>
#include <iterator>

namespace {

const std::wstring& OutputPath() {
    static const std::wstring path = [] {
        wchar_t szFolder[MAX_PATH];
        GetTempPathW(MAX_PATH, szFolder);
        const std::wstring file = szFolder + std::to_wstring(GetCurrentProcessId()) + L"-rec.txt";
        SetEnvironmentVariableW(L"WENDRAKE_RECORDER_OUT", file.c_str());
        return file;
    }();
    return path;
}
// Set before any test starts a program.
const std::wstring& g_outputPath = OutputPath();

} // namespace

std::wstring RecorderPath() {
    wchar_t szExe[MAX_PATH];
    GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    wcscpy(wcsrchr(szExe, L'\\'), L"\\Recorder.exe");
    return szExe;
}

std::wstring Launched(const std::wstring& arguments) {
    return L"\"" + RecorderPath() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
}

std::wstring TakeLaunch(DWORD timeoutMs) {
    std::wstring line;
    PumpUntil(
        [&] {
            std::ifstream file(g_outputPath.c_str(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
            line.assign(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
            return !line.empty();
        },
        timeoutMs);
    DeleteFileW(g_outputPath.c_str());
    return line;
}
