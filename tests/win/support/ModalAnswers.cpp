#include "ModalAnswers.h"

namespace {

thread_local ModalAnswers* t_pAnswers = nullptr;

bool IsDialog(HWND hWnd) {
    wchar_t szClass[16] = {};
    GetClassNameW(hWnd, szClass, 16);
    return wcscmp(szClass, L"#32770") == 0;
}

} // namespace

ModalAnswers::ModalAnswers() {
    t_pAnswers = this;
    m_hHook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

ModalAnswers::~ModalAnswers() {
    UnhookWindowsHookEx(m_hHook);
    t_pAnswers = nullptr;
}

ModalAnswers& ModalAnswers::Then(Step step) {
    m_steps.push_back(std::move(step));
    return *this;
}

ModalAnswers& ModalAnswers::Answer(int nButton) {
    return Then([this, nButton](HWND hBox) {
        m_texts.push_back(BoxText(hBox));
        PressButton(hBox, nButton);
    });
}

std::vector<std::wstring> ModalAnswers::TakeTexts() {
    std::vector<std::wstring> texts;
    texts.swap(m_texts);
    return texts;
}

LRESULT CALLBACK ModalAnswers::OnCbt(int nCode, WPARAM wParam, LPARAM lParam) {
    ModalAnswers* self = t_pAnswers;
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    // Activation comes once the window is complete; a window activated again (after a box over
    // it closed) is not new.
    if (self && nCode == HCBT_ACTIVATE && IsDialog(hWnd) && self->m_seen.insert(hWnd).second) {
        self->m_arrived.push_back(hWnd);
        // The step runs from the window's own loop, not from inside its activation.
        SetTimer(nullptr, 0, 0, OnTimer);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK ModalAnswers::OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD) {
    KillTimer(nullptr, idEvent);
    if (t_pAnswers)
        t_pAnswers->RunSteps();
}

void ModalAnswers::RunSteps() {
    while (!m_arrived.empty()) {
        HWND hWnd = m_arrived.front();
        m_arrived.pop_front();
        if (!IsWindow(hWnd))
            continue;
        if (m_steps.empty()) {
            ++m_nUnexpected;
            m_texts.push_back(BoxText(hWnd));
            PostMessageW(hWnd, WM_CLOSE, 0, 0);
            continue;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(hWnd);
    }
}

std::wstring BoxText(HWND hBox) {
    wchar_t szText[2048] = {};
    GetDlgItemTextW(hBox, 0xFFFF, szText, 2048);
    return szText;
}

void PressButton(HWND hDialog, int nButton) {
    PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nButton)));
}
