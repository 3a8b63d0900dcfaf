// The program's document, main frame and view, made as the application makes them at start
// but with the profile in a scratch registry key, and message boxes answered by the test and
// recorded.
#pragma once

#include "app/MainFrame.h"
#include "app/WendrakeApp.h"
#include "listview/WendrakeView.h"
#include "support/ScratchRegistryKey.h"
#include "support/StoredShortcuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ShellFixture : public ::testing::Test {
protected:
    ShellFixture();
    void SetUp() override;
    void TearDown() override;

    // The start-up command with the frame kept hidden, as at the program's start; the frame,
    // or nullptr.
    CMainFrame* Start();
    CWendrakeView* View() const;
    // Whether the application was asked to end; the request is taken.
    static bool TakeQuitRequest();
    // The texts and types of the message boxes shown so far, and the answer the next ones get.
    const std::vector<std::wstring>& Boxes() const { return m_boxes; }
    const std::vector<UINT>& BoxTypes() const { return m_boxTypes; }
    void AnswerBoxesWith(int nAnswer) { m_nAnswer = nAnswer; }

    CWendrakeApp m_app;
    ScratchRegistryKey m_scratch;
    StoredShortcuts m_stored;
    CMainFrame* m_pFrame = nullptr;

private:
    std::vector<std::wstring> m_boxes;
    std::vector<UINT> m_boxTypes;
    int m_nAnswer = IDOK;
};
