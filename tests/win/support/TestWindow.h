// A hidden top-level window that records the messages a test waits for (WM_HOTKEY and the like).
#pragma once

#include <windows.h>

#include <vector>

class TestWindow {
public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    // Every message of the given kind received so far, in order of arrival.
    std::vector<MSG> Received(UINT message) const;
    void ClearReceived() { m_received.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    std::vector<MSG> m_received;
};
