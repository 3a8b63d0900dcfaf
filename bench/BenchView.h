// The shortcut view as the benchmarks drive it: on a real list control in a hidden window,
// with its application's profile in a registry key of its own and message boxes counted
// instead of shown.
#pragma once

#include "framework/CWinApp.h"
#include "listview/WendrakeView.h"

#include <algorithm>
#include <vector>

class BenchView : public CWendrakeView {
public:
    using CWendrakeView::OnInitialUpdate;
};

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}
