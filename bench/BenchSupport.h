// What the benchmarks share: the clock, the median, and the shortcuts they store for the
// program to load.
#pragma once

#include <windows.h>

#include <vector>

double NowMs();

struct Spread {
    double median = 0, min = 0, max = 0;
};
Spread SpreadOf(std::vector<double> values); // all 0 when there are none

// Every combination the system tells apart: each named key with each set of modifier keys,
// Alt first and the bare keys last. A load of any prefix of them refuses none, so no box
// interrupts it.
const int kDistinctCombinations = 1680;
unsigned WorkloadKey(int nPosition); // as stored: PackKey

// Replaces the stored list with nCount shortcuts that open a tool with arguments; the last one
// opens pszLastTarget with pszLastParameter instead, when given.
void StoreWorkload(int nCount, const wchar_t* pszLastTarget = nullptr,
                   const wchar_t* pszLastParameter = L"");
