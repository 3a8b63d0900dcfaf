// Plays the user's part in the modal windows this thread opens (message boxes and dialogs): each
// new one, once it is active, is handed to the next step queued, from inside its own loop, where
// a user's clicks and keys would arrive. A window that no step awaits is recorded and closed, so
// that it fails the test instead of hanging it; a step that no window took fails it too.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A message box's text.
inline std::wstring BoxText(HWND hBox) {
    wchar_t szText[2048] = {};
    GetDlgItemTextW(hBox, 0xFFFF, szText, 2048);
    return szText;
}

// A click on the dialog's button, as the user's click arrives: posted. A message box ends on any
// button's id, even one it does not offer: a button the window lacks fails the case.
inline void PressButton(HWND hDialog, int nButton) {
    if (!GetDlgItem(hDialog, nButton))
        ADD_FAILURE() << "no button " << nButton << " in the window of: " << BoxText(hDialog);
    PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nButton)));
}

class ModalAnswers {
public:
    using Step = std::function<void(HWND hWnd)>;

    ModalAnswers() : m_hHook(SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())) {
        Current() = this;
    }
    ~ModalAnswers() {
        UnhookWindowsHookEx(m_hHook);
        Current() = nullptr;
    }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // The next modal window goes to this step.
    ModalAnswers& Then(Step step) {
        m_steps.push_back(std::move(step));
        return *this;
    }
    // The next one is a message box: its text is kept, and it is answered with the button.
    ModalAnswers& Answer(int nButton) {
        return Then([this, nButton](HWND hBox) {
            m_texts.push_back(BoxText(hBox));
            PressButton(hBox, nButton);
        });
    }

    // The texts of the message boxes answered, and of every window no step awaited, in order;
    // TakeTexts empties the list.
    const std::vector<std::wstring>& Texts() const { return m_texts; }
    std::vector<std::wstring> TakeTexts() { return std::exchange(m_texts, {}); }
    int Unexpected() const { return m_nUnexpected; }
    bool AllAnswered() const { return m_steps.empty(); }
    // Forgets the steps that no window has taken, and says how many there were.
    size_t DropUnused() { return std::exchange(m_steps, {}).size(); }

private:
    static ModalAnswers*& Current() {
        thread_local ModalAnswers* pCurrent = nullptr;
        return pCurrent;
    }
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        wchar_t szClass[16] = {};
        GetClassNameW(hWnd, szClass, 16);
        // Activation comes once the window is complete, and again after a box over it closed.
        // The step runs from the window's own loop, not from inside its activation.
        if (Current() && nCode == HCBT_ACTIVATE && wcscmp(szClass, L"#32770") == 0 &&
            Current()->m_seen.insert(hWnd).second)
            SetTimer(hWnd, 1, 0, OnTimer);
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static void CALLBACK OnTimer(HWND hWnd, UINT, UINT_PTR idEvent, DWORD) {
        KillTimer(hWnd, idEvent);
        ModalAnswers* self = Current();
        if (self && self->m_steps.empty()) {
            ++self->m_nUnexpected;
            self->m_texts.push_back(BoxText(hWnd));
            PostMessageW(hWnd, WM_CLOSE, 0, 0);
        } else if (self) {
            const Step step = std::move(self->m_steps.front());
            self->m_steps.pop_front();
            step(hWnd);
        }
    }

    HHOOK m_hHook;
    std::deque<Step> m_steps;
    std::set<HWND> m_seen;
    std::vector<std::wstring> m_texts;
    int m_nUnexpected = 0;
};
