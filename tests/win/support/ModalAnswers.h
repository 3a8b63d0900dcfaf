// Plays the user's part in the modal windows this thread opens (message boxes and dialogs): each
// new one, once it is active, is handed to the next step queued, from inside its own loop, where
// a user's clicks and keys would arrive. A window that no step awaits is recorded and closed, so
// that it fails the test instead of hanging it.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

class ModalAnswers {
public:
    using Step = std::function<void(HWND hWnd)>;

    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // The next modal window goes to this step.
    ModalAnswers& Then(Step step);
    // The next one is a message box: its text is kept, and it is answered with the button.
    ModalAnswers& Answer(int nButton);

    // The texts of the message boxes answered, and of every window no step awaited, in order;
    // TakeTexts empties the list.
    const std::vector<std::wstring>& Texts() const { return m_texts; }
    std::vector<std::wstring> TakeTexts() { return std::move(m_texts); }
    int Unexpected() const { return m_nUnexpected; }
    bool AllAnswered() const { return m_steps.empty(); }

private:
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);

    HHOOK m_hHook = nullptr;
    std::deque<Step> m_steps;
    std::set<HWND> m_seen;
    std::vector<std::wstring> m_texts;
    int m_nUnexpected = 0;
};

// A message box's text.
std::wstring BoxText(HWND hBox);
// A click on the dialog's button, as the user's click arrives: posted.
void PressButton(HWND hDialog, int nButton);
