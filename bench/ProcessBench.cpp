#include "ProcessBench.h"

#include "BenchSupport.h"

#include "ProgramProcess.h"
#include "engine/KeyNames.h"
#include "support/BesideThisExe.h"
#include "support/MessagePump.h"
#include "support/ModalAnswers.h"
#include "support/SyntheticInput.h"

#include <psapi.h>
#include <tlhelp32.h>

namespace {

bool CombinationTaken(unsigned nKey) {
    unsigned nModifiers = 0, nVirtKey = 0;
    UnpackKey(nKey, nModifiers, nVirtKey);
    if (!RegisterHotKey(nullptr, 1, nModifiers, nVirtKey))
        return true;
    UnregisterHotKey(nullptr, 1);
    return false;
}

// Closes the program's main window, answering Wendrake's question with yes; the reference
// ends without one.
bool Close(const ProgramProcess& process) {
    PostMessageW(process.MainFrame(), WM_CLOSE, 0, 0);
    std::vector<HWND> boxes;
    PumpUntil([&] { return !process.Running() || !(boxes = process.Visible(L"#32770")).empty(); },
              10000);
    if (!boxes.empty())
        PressButton(boxes.front(), IDYES);
    return process.WaitForExit().has_value();
}

// Starts Wendrake and checks that its start-up is over: its icon there, its last hot key taken.
bool StartWendrake(ProgramProcess& process, int nStored) {
    return process.Start() && process.MainFrame() &&
           (nStored == 0 || CombinationTaken(WorkloadKey(nStored - 1)));
}

// The CPU time of the process's threads, summed: Wine gives another process's own times as
// those of the caller, but each thread's as its own.
double ThreadsCpuMs(DWORD dwProcessId) {
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>(
                   ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart) /
               10000.0;
    };
    double total = 0;
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = Thread32First(hSnapshot, &entry); bMore;
         bMore = Thread32Next(hSnapshot, &entry)) {
        if (entry.th32OwnerProcessID != dwProcessId)
            continue;
        HANDLE hThread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        FILETIME creation, exit, kernel, user;
        if (hThread && GetThreadTimes(hThread, &creation, &exit, &kernel, &user))
            total += ms(kernel) + ms(user);
        if (hThread)
            CloseHandle(hThread);
    }
    CloseHandle(hSnapshot);
    return total;
}

} // namespace

std::optional<StartRun> StartAndClose(const std::wstring& program, int nStored) {
    ProgramProcess process(program);
    const double t0 = NowMs();
    if (!process.Start())
        return std::nullopt;
    const double startMs = NowMs() - t0;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.Handle(), &counters, sizeof counters);
    if (!process.MainFrame() || (nStored > 0 && !CombinationTaken(WorkloadKey(nStored - 1))) ||
        !Close(process))
        return std::nullopt;
    return StartRun{startMs, static_cast<double>(counters.PeakWorkingSetSize) / 1048576.0};
}

std::optional<double> IdleCpuMs(int nStored, int nSeconds) {
    ProgramProcess process;
    if (!StartWendrake(process, nStored))
        return std::nullopt;
    const DWORD dwProcessId = GetProcessId(process.Handle());
    const double before = ThreadsCpuMs(dwProcessId);
    Sleep(static_cast<DWORD>(nSeconds) * 1000);
    const double used = ThreadsCpuMs(dwProcessId) - before;
    if (!Close(process))
        return std::nullopt;
    return used;
}

std::optional<PressRun> MeasurePressToLaunch(int nStored, int nPresses) {
    const wchar_t kEventName[] = L"WendrakeBenchLaunched";
    HANDLE hLaunched = CreateEventW(nullptr, FALSE, FALSE, kEventName);
    const std::wstring target = BesideThisExe(L"LaunchTarget.exe");
    StoreWorkload(nStored, target.c_str(), kEventName);
    // The floor's combination is the next one, which Wendrake does not hold.
    unsigned nModifiers[2] = {}, nVirtKey[2] = {};
    UnpackKey(WorkloadKey(nStored - 1), nModifiers[0], nVirtKey[0]);
    UnpackKey(WorkloadKey(nStored), nModifiers[1], nVirtKey[1]);

    ProgramProcess wendrake, floor(BesideThisExe(L"HotKeyFloor.exe"));
    std::optional<PressRun> result;
    if (StartWendrake(wendrake, nStored) &&
        floor.Start(std::to_wstring(nModifiers[1]) + L" " + std::to_wstring(nVirtKey[1]) + L" \"" +
                    target + L"\" " + kEventName)) {
        std::vector<double> times[2];
        bool bAllLaunched = true;
        for (int i = 0; i < 2 * nPresses && bAllLaunched; ++i) {
            const int n = i % 2;
            const double t0 = NowMs();
            SendKeyCombination(nModifiers[n], nVirtKey[n]);
            bAllLaunched = WaitForSingleObject(hLaunched, 10000) == WAIT_OBJECT_0;
            times[n].push_back(NowMs() - t0);
            // The target ends before the next press.
            Sleep(200);
        }
        if (bAllLaunched)
            result = PressRun{times[0], times[1]};
        Close(wendrake);
    }
    CloseHandle(hLaunched);
    return result;
}
