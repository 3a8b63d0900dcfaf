// Wendrake as a process, against the least a resident notification-area program does: the
// time from process start until the icon is added and the hot keys are registered (the
// program then waits for input), with 0 and with 301 stored shortcuts; the peak working set;
// the CPU time an idle Wendrake uses over 30 seconds; and the size of both exes. Starts
// alternate between the programs, so all see the same machine. Measures and reports only.
#include "BenchView.h"

#include "e2e/ProgramProcess.h"
#include "engine/ShortcutRecord.h"
#include "support/NotificationArea.h"
#include "support/StoredShortcuts.h"

#include <psapi.h>

#include <cstdio>
#include <memory>

namespace {

const wchar_t kProfileKey[] = L"Software\\Orlam Software";
const int kRounds = 10;

struct Measurement {
    std::vector<double> startMs;
    SIZE_T peakWorkingSet = 0;
};

// The 301 combinations: a letter with one of twelve modifier sets.
UINT StoredModifiers(int i) {
    return static_cast<UINT>(1 + i / 26);
}
UINT StoredKey(int i) {
    return static_cast<UINT>('A' + i % 26);
}

void StoreShortcuts(int nCount) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    const StoredShortcuts stored(CString(kProfileKey) + L"\\Wendrake\\ShortCuts");
    stored.PutCount(static_cast<DWORD>(nCount));
    for (int i = 0; i < nCount; ++i) {
        CString file;
        file.Format(L"C:\\Tools\\tool%d.exe", i);
        stored.Put(i, file, L"", OP_OPEN_FILE, StoredKey(i) << 8 | StoredModifiers(i));
    }
}

bool CombinationTaken(UINT nModifiers, UINT nVirtKey) {
    if (!RegisterHotKey(nullptr, 1, nModifiers, nVirtKey))
        return true;
    UnregisterHotKey(nullptr, 1);
    return false;
}

SIZE_T PeakWorkingSet(HANDLE hProcess) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(hProcess, &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

double CpuMs(HANDLE hProcess) {
    FILETIME creation, exit, kernel, user;
    GetProcessTimes(hProcess, &creation, &exit, &kernel, &user);
    auto ms = [](const FILETIME& time) {
        return static_cast<double>(
                   ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// Closes the program's main window and answers Wendrake's confirmation.
void Quit(const ProgramProcess& program, HWND hMain, bool bConfirm) {
    PostMessageW(hMain, WM_CLOSE, 0, 0);
    if (bConfirm)
        if (HWND hBox = program.WaitForBox())
            PressBoxButton(hBox, IDYES);
    program.WaitForExit();
}

// One start: the time to waiting for input, with the icon and the last stored hot key checked.
// Returns false when the program did not come up as expected.
bool TimeStart(const std::wstring& program, int nStored, Measurement& measurement,
               std::unique_ptr<ProgramProcess>* pKeep = nullptr) {
    auto process = std::make_unique<ProgramProcess>(program);
    const double t0 = NowMs();
    if (!process->Start() || !process->WaitUntilIdle())
        return false;
    measurement.startMs.push_back(NowMs() - t0);
    const HWND hMain = process->MainFrame();
    if (!hMain ||
        (nStored > 0 && !CombinationTaken(StoredModifiers(nStored - 1), StoredKey(nStored - 1))))
        return false;
    measurement.peakWorkingSet =
        std::max(measurement.peakWorkingSet, PeakWorkingSet(process->Handle()));
    if (pKeep) {
        *pKeep = std::move(process);
        return true;
    }
    Quit(*process, hMain, program == WendrakePath());
    return true;
}

std::wstring ReferencePath() {
    wchar_t szPath[MAX_PATH];
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    *wcsrchr(szPath, L'\\') = L'\0';
    return std::wstring(szPath) + L"\\TrayReference.exe";
}

} // namespace

int wmain() {
    const std::wstring reference = ReferencePath(), wendrake = WendrakePath();
    Measurement referenceRuns, emptyRuns, fullRuns;
    for (int round = 0; round < kRounds; ++round) {
        StoreShortcuts(0);
        const bool bOk = TimeStart(reference, 0, referenceRuns) &&
                         TimeStart(wendrake, 0, emptyRuns) &&
                         (StoreShortcuts(301), TimeStart(wendrake, 301, fullRuns));
        if (!bOk) {
            std::printf("a program did not come up with its icon and hot keys\n");
            return 1;
        }
    }
    std::printf("start to icon added and hot keys registered, median of %d: reference %.1f ms, "
                "Wendrake with 0 shortcuts %.1f ms, with 301 shortcuts %.1f ms\n",
                kRounds, Median(referenceRuns.startMs), Median(emptyRuns.startMs),
                Median(fullRuns.startMs));
    std::printf("peak working set: reference %.1f MB, Wendrake with 0 shortcuts %.1f MB, with "
                "301 shortcuts %.1f MB\n",
                referenceRuns.peakWorkingSet / 1048576.0, emptyRuns.peakWorkingSet / 1048576.0,
                fullRuns.peakWorkingSet / 1048576.0);

    // Idle with the full list: nothing but the user and the system should wake it.
    std::unique_ptr<ProgramProcess> idle;
    Measurement idleRun;
    StoreShortcuts(301);
    if (!TimeStart(wendrake, 301, idleRun, &idle)) {
        std::printf("Wendrake did not come up for the idle measurement\n");
        return 1;
    }
    const double cpuBefore = CpuMs(idle->Handle());
    Sleep(30000);
    std::printf("CPU time of an idle Wendrake (301 shortcuts) over 30 s: %.1f ms\n",
                CpuMs(idle->Handle()) - cpuBefore);
    Quit(*idle, idle->MainFrame(), true);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);

    std::printf("exe size: reference %lld bytes, Wendrake %lld bytes\n", FileSize(reference),
                FileSize(wendrake));
    return 0;
}
