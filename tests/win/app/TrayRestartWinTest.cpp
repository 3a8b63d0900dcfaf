// A restarted notification area: the frame adds its icon again, showing the picture of the
// current enable state, and never a second icon.
#include "ShellFixture.h"

#include "res/resource.h"
#include "support/MessagePump.h"
#include "support/NotificationArea.h"
#include "support/TestWindow.h"

#include <algorithm>

namespace {

bool Uniform(const std::vector<COLORREF>& pixels) {
    return std::all_of(pixels.begin(), pixels.end(),
                       [&](COLORREF pixel) { return pixel == pixels.front(); });
}

class TrayRestart : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        m_iconsBefore = TrayIconWindows();
    }
    // The one icon window added since the test began, or nullptr.
    HWND AddedIconWindow() const {
        std::vector<HWND> added;
        for (HWND hIcon : TrayIconWindows())
            if (std::find(m_iconsBefore.begin(), m_iconsBefore.end(), hIcon) == m_iconsBefore.end())
                added.push_back(hIcon);
        return added.size() == 1 ? added.front() : nullptr;
    }
    // The added icon's picture once the notification area has painted it as expected, else
    // as it is when waiting ends.
    std::vector<COLORREF> IconPictureOnceItIs(const std::vector<COLORREF>& expected) {
        std::vector<COLORREF> picture;
        PumpUntil([&] {
            HWND hIcon = AddedIconWindow();
            picture = hIcon ? ScreenPixels(hIcon) : std::vector<COLORREF>();
            return picture == expected;
        });
        return picture;
    }
    // How this notification area shows a newly added icon with that picture. The area paints
    // a changed picture over the old one, so only new icons are compared.
    std::vector<COLORREF> NewIconPicture(HICON hIcon) {
        TestWindow owner;
        NOTIFYICONDATAW nid = {};
        nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
        nid.hWnd = owner.Handle();
        nid.uFlags = NIF_ICON;
        nid.hIcon = hIcon;
        Shell_NotifyIconW(NIM_ADD, &nid);
        std::vector<COLORREF> picture;
        PumpUntil([&] {
            HWND hIconWnd = AddedIconWindow();
            picture = hIconWnd ? ScreenPixels(hIconWnd) : std::vector<COLORREF>();
            return !picture.empty() && !Uniform(picture);
        });
        Shell_NotifyIconW(NIM_DELETE, &nid);
        return picture;
    }
    // Explorer's announcement that a new notification area has come up.
    static void AnnounceRestart(CMainFrame* pFrame) {
        pFrame->SendMessage(RegisterWindowMessageW(L"TaskbarCreated"));
    }
    // What a restarted notification area does first: forget every icon.
    static void LoseIcon(CMainFrame* pFrame) {
        pFrame->NotifyTrayIcon(NIM_DELETE, kTrayIconId, nullptr);
    }

    std::vector<HWND> m_iconsBefore;
};

TEST_F(TrayRestart, IconComesBackWithThePictureOfTheEnableState) {
    const HICON hEnabled = m_app.LoadIcon(IDR_MAINFRAME), hDisabled = m_app.LoadIcon(IDI_DISABLED);
    const std::vector<COLORREF> enabled = NewIconPicture(hEnabled);
    const std::vector<COLORREF> disabled = NewIconPicture(hDisabled);
    ASSERT_FALSE(Uniform(enabled));
    ASSERT_NE(disabled, enabled) << "the screen does not tell the pictures apart";

    CMainFrame* pFrame = Start();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(IconPictureOnceItIs(enabled), enabled) << "enabled at start";

    View()->m_bEnabled = false;
    LoseIcon(pFrame);
    ASSERT_EQ(AddedIconWindow(), nullptr);
    AnnounceRestart(pFrame);
    EXPECT_EQ(IconPictureOnceItIs(disabled), disabled);

    View()->m_bEnabled = true;
    LoseIcon(pFrame);
    AnnounceRestart(pFrame);
    EXPECT_EQ(IconPictureOnceItIs(enabled), enabled);

    // An announcement while the icon is still there.
    AnnounceRestart(pFrame);
    EXPECT_NE(AddedIconWindow(), nullptr) << "one icon, not two";
}

} // namespace
