// Wendrake's performance against the platform's floor: each figure is a ratio to a floor
// measured in this same run, the runs of the two alternating and the median of several taken,
// so that both see the same machine. Prints a Markdown table, each median with the lowest and
// highest of its rounds, so that a change can be told from noise; asserts nothing.
#include "BenchSupport.h"
#include "LoadBench.h"
#include "ProcessBench.h"

#include "ProgramProcess.h"
#include "support/BesideThisExe.h"

#include <cstdio>

namespace {

// Process starts under Wine vary by tens of ms from one to the next: many rounds.
const int kRounds = 15;
const int kPresses = 40;
const int kIdleSeconds = 30;

// Measurements that could not be made, told after the table.
std::vector<const char*> g_problems;

// The figure is the ratio of the medians; the ratio's spread is that of the rounds' own ratios,
// Wendrake's and the floor's runs of a round being paired.
void Row(const char* pszWhat, const std::vector<double>& values, const std::vector<double>& floors,
         const char* pszUnit, const char* pszFloor, double aim) {
    std::vector<double> ratios;
    for (size_t i = 0; i < values.size() && i < floors.size(); ++i)
        ratios.push_back(values[i] / floors[i]);
    const Spread value = SpreadOf(values), floor = SpreadOf(floors), ratio = SpreadOf(ratios);
    const double figure = value.median / floor.median;
    std::printf(
        "| %s | %.1f %s (%.1f–%.1f) | %.1f %s (%.1f–%.1f), %s | %.3f (%.2f–%.2f) | ≤ %.2f%s |\n",
        pszWhat, value.median, pszUnit, value.min, value.max, floor.median, pszUnit, floor.min,
        floor.max, pszFloor, figure, ratio.min, ratio.max, aim,
        figure <= aim ? "" : " **not met**");
}

void Problem(const char* pszWhat) {
    g_problems.push_back(pszWhat);
}

// Wendrake's load of nCount stored shortcuts: its start with them less its start with none.
void LoadRow(int nCount, const char* pszWhat) {
    std::vector<double> loads, floors;
    for (int round = 0; round < kRounds; ++round) {
        StoreWorkload(nCount);
        floors.push_back(LoadFloorMs(nCount));
        const LoadRun full = RunApplication();
        StoreWorkload(0);
        const LoadRun empty = RunApplication();
        if (full.nRows != nCount || full.nBoxes + empty.nBoxes > 0 || empty.nRows != 0)
            return Problem("the load did not register every stored shortcut without a box");
        loads.push_back(full.startMs - empty.startMs);
    }
    Row(pszWhat, loads, floors, "ms", "the reads and registrations alone", 1.25);
}

} // namespace

int wmain() {
    std::printf("| Measure | Wendrake | Floor | Ratio | Aim |\n| --- | --- | --- | --- | --- |\n");
    LoadRow(301, "Load of 301 stored shortcuts");
    LoadRow(1680, "Load of 1,680 stored shortcuts");

    // Starts alternate: the reference, Wendrake with none stored, with 301, and the load floor.
    const std::wstring reference = BesideThisExe(L"TrayReference.exe");
    std::vector<double> referenceMs, emptyMs, extraMs, floorMs, referenceMB, fullMB;
    for (int round = 0; round < kRounds; ++round) {
        StoreWorkload(0);
        const auto referenceRun = StartAndClose(reference, 0);
        const auto emptyRun = StartAndClose(WendrakePath(), 0);
        StoreWorkload(301);
        const auto fullRun = StartAndClose(WendrakePath(), 301);
        if (!referenceRun || !emptyRun || !fullRun) {
            Problem("a program did not come up with its icon and hot keys");
            break;
        }
        floorMs.push_back(LoadFloorMs(301));
        referenceMs.push_back(referenceRun->startMs);
        emptyMs.push_back(emptyRun->startMs);
        extraMs.push_back(fullRun->startMs - emptyRun->startMs);
        referenceMB.push_back(referenceRun->peakMB);
        fullMB.push_back(fullRun->peakMB);
    }
    if (!referenceMs.empty()) {
        Row("Start with none stored", emptyMs, referenceMs, "ms",
            "a minimal notification-area program", 1.25);
        Row("Extra start with 301 stored", extraMs, floorMs, "ms", "the load floor of 301", 1.25);
        Row("Peak working set with 301 stored", fullMB, referenceMB, "MB",
            "the minimal notification-area program", 1.30);
    }

    if (const auto press = MeasurePressToLaunch(301, kPresses))
        Row("Press to launch", press->wendrakeMs, press->floorMs, "ms",
            "a bare window that registers the key and calls the shell", 1.10);
    else
        Problem("a press did not launch its target");

    StoreWorkload(301);
    if (const auto idle = IdleCpuMs(301, kIdleSeconds))
        std::printf("| CPU time while idle for %d s, 301 stored | %.1f ms | 0 | | 0%s |\n",
                    kIdleSeconds, *idle, *idle == 0 ? "" : " **not met**");
    else
        Problem("Wendrake did not come up for the idle measurement");
    StoreWorkload(0);
    for (const char* pszProblem : g_problems)
        std::printf("\n%s\n", pszProblem);
    return g_problems.empty() ? 0 : 1;
}
