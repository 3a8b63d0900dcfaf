// Programs as processes, started and watched from outside as the system and the user see them.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct StartRun {
    double startMs; // from process creation until it first waits for input
    double peakMB;  // its peak working set by then
};

// Starts the program, checks that it came up (its notification icon; with stored shortcuts,
// the last one's hot key taken) and closes it again, confirming Wendrake's question.
std::optional<StartRun> StartAndClose(const std::wstring& program, int nStored);

// CPU time that Wendrake, started with nStored shortcuts stored, uses while left alone for
// nSeconds.
std::optional<double> IdleCpuMs(int nStored, int nSeconds);

struct PressRun {
    std::vector<double> wendrakeMs; // each press to the target running, through Wendrake
    std::vector<double> floorMs;    // the same through HotKeyFloor
};

// Presses alternate between a hot key of Wendrake (the last of nStored shortcuts, so the
// lookup walks the whole list) and one of HotKeyFloor; both launch LaunchTarget.
std::optional<PressRun> MeasurePressToLaunch(int nStored, int nPresses);
