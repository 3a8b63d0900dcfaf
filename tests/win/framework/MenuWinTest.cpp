// A menu's lifetime with its object, and the sub-menus handed out as temporaries.
#include "FrameTestResources.h"

#include "framework/CMenu.h"

#include <gtest/gtest.h>

namespace {

TEST(Menu, DestroyedWithItsObjectUnlessDetached) {
    HMENU hLoaded = nullptr;
    HMENU hSubMenu = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TESTFRAME));
        hLoaded = menu;
        EXPECT_FALSE(menu.Attach(CreatePopupMenu())) << "it holds a menu already";
        CMenu* pSubMenu = menu.GetSubMenu(0);
        ASSERT_NE(pSubMenu, nullptr);
        hSubMenu = *pSubMenu;
        EXPECT_EQ(GetMenuItemCount(hSubMenu), 6);
        CMenu::DeleteTempMap();
        EXPECT_TRUE(IsMenu(hSubMenu)) << "a temporary does not own its menu";
        EXPECT_EQ(menu.GetSubMenu(5), nullptr) << "item 5 is a command, not a sub-menu";
    }
    EXPECT_FALSE(IsMenu(hLoaded));

    CMenu kept;
    ASSERT_TRUE(kept.Attach(CreatePopupMenu()));
    HMENU hKept = kept.Detach();
    kept.DestroyMenu();
    EXPECT_TRUE(IsMenu(hKept));
    DestroyMenu(hKept);
}

} // namespace
