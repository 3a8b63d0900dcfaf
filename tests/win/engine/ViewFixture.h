// A shortcut view on a real list control in a hidden window, with its own application object
// whose profile lives in a scratch registry key, and message boxes answered and recorded.
#pragma once

#include "framework/MessageBoxHook.h"
#include "framework/CListCtrl.h"
#include "framework/CWinApp.h"
#include "listview/WendrakeView.h"
#include "support/ScratchRegistryKey.h"

#include <gtest/gtest.h>

#include <vector>

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the view; with bLoad, runs its initial update, which loads the profile.
    void CreateView(bool bLoad = true);
    // Destroys the view window, which saves the list to the profile.
    void DestroyView();

    CListCtrl& List() { return m_pView->GetListCtrl(); }
    CString ItemText(int nItem, int nSubItem) { return List().GetItemText(nItem, nSubItem); }
    std::vector<CString> Column(int nSubItem);
    // Registry path of the shortcuts section in the scratch key.
    CString SectionPath() const;

    CWinApp m_app{L"Wendrake"};
    ScratchRegistryKey m_scratch;
    CWnd m_parent; // a framework window, so that it reflects the list's notifications
    CWendrakeView* m_pView = nullptr;
    std::vector<CString> m_boxes; // texts of the message boxes shown, in order
};
