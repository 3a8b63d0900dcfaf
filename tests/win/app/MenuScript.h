// Plays the user's part in a pop-up menu that the code under test opens and tracks: armed
// before the menu opens, the script runs from inside the menu's own loop, once the menu is on
// the screen.
#pragma once

#include <windows.h>

#include <functional>

class MenuScript {
public:
    // The menu's window and the menu it shows.
    using Script = std::function<void(HWND hMenuWnd, HMENU hMenu)>;

    MenuScript();
    ~MenuScript();
    MenuScript(const MenuScript&) = delete;
    MenuScript& operator=(const MenuScript&) = delete;

    // The script runs at the next dispatch of this thread's messages; when no menu is open
    // then, it does not run.
    void Arm(Script script);
    bool Ran() const { return m_bRan; }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    Script m_script;
    bool m_bRan = false;
};

// Presses the left mouse button on the menu's item at nPosition and lets go, as a user picks it.
void ClickMenuItem(HWND hMenuWnd, HMENU hMenu, int nPosition);
