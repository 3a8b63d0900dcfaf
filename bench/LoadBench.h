// The load of the stored list, measured in this process (the application object started as the
// program starts it, as the program tests do), so that nothing but the load differs between
// the runs compared: a process start varies by more than the load of 301 shortcuts takes.
#pragma once

// The calls that no load of nCount stored shortcuts can avoid, and nothing else: the section's
// key opened, its count and each shortcut's four values read, one hot key registered per
// shortcut (from the values read). Returns their time in ms; the registrations are undone
// afterwards.
double LoadFloorMs(int nCount);

struct LoadRun {
    double startMs = 0; // the application's InitInstance, the load within it
    int nRows = -1;     // rows in the list afterwards; -1 when the start failed
    int nBoxes = 0;     // boxes shown meanwhile (refusals), answered
};

// Starts the application with what is stored now and ends it again (the close confirmed, the
// list saved back); only the start is timed.
LoadRun RunApplication();
