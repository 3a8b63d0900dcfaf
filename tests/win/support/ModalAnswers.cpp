#include "ModalAnswers.h"

namespace {

thread_local ModalAnswers* t_pAnswers = nullptr;

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

LRESULT CALLBACK ModalAnswers::OnCbt(int nCode, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    wchar_t szClass[16] = {};
    GetClassNameW(hWnd, szClass, 16);
    // Activation comes once the window is complete, and again after a box over it closed. The
    // step runs from the window's own loop, not from inside its activation.
    if (t_pAnswers && nCode == HCBT_ACTIVATE && wcscmp(szClass, L"#32770") == 0 &&
        t_pAnswers->m_seen.insert(hWnd).second)
        SetTimer(hWnd, 1, 0, OnTimer);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK ModalAnswers::OnTimer(HWND hWnd, UINT, UINT_PTR idEvent, DWORD) {
    KillTimer(hWnd, idEvent);
    ModalAnswers* self = t_pAnswers;
    if (!self)
        return;
    if (self->m_steps.empty()) {
        ++self->m_nUnexpected;
        self->m_texts.push_back(BoxText(hWnd));
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
        return;
    }
    const Step step = std::move(self->m_steps.front());
    self->m_steps.pop_front();
    step(hWnd);
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
