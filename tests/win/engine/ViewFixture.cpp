#include "ViewFixture.h"

#include "engine/ProfileNames.h"

#include <commctrl.h>

namespace {

// Gives the protected initial update to the tests.
class TestableView : public CWendrakeView {
public:
    using CWendrakeView::OnInitialUpdate;
};

} // namespace

void ViewFixture::SetUp() {
    // The scratch key's path below HKCU\Software becomes the profile's registry key.
    const CString path = m_scratch.Path();
    m_app.SetRegistryKey(static_cast<const wchar_t*>(path) + wcslen(L"Software\\"));
    ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_OVERLAPPEDWINDOW, 0, 0,
                                  600, 400, nullptr, nullptr));
    AfxSetMessageBoxHook([this](const CString& text, UINT, const CString&) {
        m_boxes.push_back(text);
        return IDOK;
    });
}

void ViewFixture::TearDown() {
    DestroyView();
    m_parent.DestroyWindow();
    AfxSetMessageBoxHook(nullptr);
}

void ViewFixture::CreateView(bool bLoad) {
    auto* pView = new TestableView;
    ASSERT_TRUE(pView->CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 500, 300,
                                m_parent.m_hWnd, reinterpret_cast<HMENU>(1)));
    m_pView = pView;
    if (bLoad)
        pView->OnInitialUpdate();
}

void ViewFixture::DestroyView() {
    if (m_pView)
        m_pView->DestroyWindow(); // the view deletes itself afterwards
    m_pView = nullptr;
}

std::vector<CString> ViewFixture::Column(int nSubItem) {
    std::vector<CString> texts;
    for (int i = 0; i < List().GetItemCount(); ++i)
        texts.push_back(ItemText(i, nSubItem));
    return texts;
}

CString ViewFixture::SectionPath() const {
    return m_scratch.Path() + L"\\Wendrake\\" + kShortcutSection;
}
