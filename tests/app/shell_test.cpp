// The button panels: places, captions, ids, styles and fonts of the real
// buttons, for the client sizes a lecture hall's projectors have.
#include "app.h"
#include "button_panels.h"
#include "controls.h"
#include "language.h"
#include "test_windows.h"

#include <gtest/gtest.h>

namespace {

constexpr LONG kButtonStyle = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;

#ifdef KESTRUM_LANGUAGE_RU
constexpr int kColumnX1366 = 460;
constexpr int kColumnX1920 = 698;
#else
constexpr int kColumnX1366 = 482;
constexpr int kColumnX1920 = 728;
#endif

void ExpectButton(HWND button, int id, const wchar_t* caption, int x, int y, int width,
                  int height) {
    ASSERT_TRUE(IsWindow(button)) << "button " << id;
    EXPECT_EQ(GetDlgCtrlID(button), id);
    EXPECT_EQ(WindowText(button), caption);
    const RECT rect = ChildRect(button);
    EXPECT_EQ(rect.left, x) << "button " << id;
    EXPECT_EQ(rect.top, y) << "button " << id;
    EXPECT_EQ(rect.right - rect.left, width) << "button " << id;
    EXPECT_EQ(rect.bottom - rect.top, height) << "button " << id;
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & ~WS_TABSTOP, kButtonStyle);
    EXPECT_EQ(GetWindowLongW(button, GWL_EXSTYLE), WS_EX_CLIENTEDGE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), g_font);
    wchar_t className[16] = {};
    GetClassNameW(button, className, 16);
    EXPECT_EQ(std::wstring(className), L"Button");
}

class Panels : public ::testing::Test {
protected:
    void SetUp() override { PrepareProgramState(); }
};

TEST_F(Panels, TitlePanelAt1366x768) {
    HWND parent = CreateTestParent(1366, 768);
    CreateMenuButtons(parent);
    EXPECT_EQ(ListChildren(parent).size(), 5u);
    ExpectButton(g_theoryButton, ID_THEORY, kTheoryCaption, kColumnX1366, 385, 400, 50);
    ExpectButton(g_propagationButton, ID_PROPAGATION, kPropagationCaption, kColumnX1366, 435,
                 400, 50);
    ExpectButton(g_formationButton, ID_FORMATION, kFormationCaption, kColumnX1366, 485, 400, 50);
    ExpectButton(g_exitButton, ID_EXIT, kExitCaption, 1106, 718, 250, 50);
    ExpectButton(g_authorsButton, ID_AUTHORS, kAuthorsCaption, 10, 718, 250, 50);
    DestroyWindow(parent);
}

TEST_F(Panels, TitlePanelAt1920x1080) {
    HWND parent = CreateTestParent(1920, 1080);
    CreateMenuButtons(parent);
    ExpectButton(g_theoryButton, ID_THEORY, kTheoryCaption, kColumnX1920, 573, 400, 50);
    ExpectButton(g_propagationButton, ID_PROPAGATION, kPropagationCaption, kColumnX1920, 623,
                 400, 50);
    ExpectButton(g_formationButton, ID_FORMATION, kFormationCaption, kColumnX1920, 673, 400, 50);
    ExpectButton(g_exitButton, ID_EXIT, kExitCaption, 1660, 1030, 250, 50);
    ExpectButton(g_authorsButton, ID_AUTHORS, kAuthorsCaption, 10, 1030, 250, 50);
    DestroyWindow(parent);
}

TEST_F(Panels, FormationPanelAt1366x768) {
    HWND parent = CreateTestParent(1366, 768);
    CreateFormationButtons(parent);
    EXPECT_EQ(ListChildren(parent).size(), 6u);
    ExpectButton(g_startPauseButton, ID_START_PAUSE, kStartCaption, 10, 568, 250, 50);
    ExpectButton(g_resetButton, ID_RESET, kResetCaption, 10, 643, 250, 50);
    ExpectButton(g_menuButton, ID_MENU, kMenuCaption, 10, 718, 250, 50);
    ExpectButton(g_scale1Button, ID_SCALE_1, L"x1", 270, 568, 250, 50);
    ExpectButton(g_scale5Button, ID_SCALE_5, L"x5", 270, 643, 250, 50);
    ExpectButton(g_scale10Button, ID_SCALE_10, L"x10", 270, 718, 250, 50);
    DestroyWindow(parent);
}

TEST_F(Panels, LoneMenuButtonStandsLeftOrBesideThePlot) {
    HWND parent = CreateTestParent(1366, 768);
    CreateLoneMenuButton(parent, MenuButtonLeft);
    SendControlFont(g_menuButton);
    ExpectButton(g_menuButton, ID_MENU, kMenuCaption, 10, 718, 250, 50);
    DestroyControl(g_menuButton);
    CreateLoneMenuButton(parent, MenuButtonPropagation);
    SendControlFont(g_menuButton);
    ExpectButton(g_menuButton, ID_MENU, kMenuCaption, 270, 718, 250, 50);
    EXPECT_EQ(ListChildren(parent).size(), 1u);
    DestroyWindow(parent);
}

TEST_F(Panels, ReplacingStartPauseLeavesOneButtonInTheSamePlace) {
    HWND parent = CreateTestParent(1366, 768);
    CreateFormationButtons(parent);
    HWND old = g_startPauseButton;
    ReplaceStartPauseButton(parent, kPauseCaption);
    SendControlFont(g_startPauseButton);
    EXPECT_FALSE(IsWindow(old));
    int startPauseButtons = 0;
    for (const ChildWindow& child : ListChildren(parent)) {
        if (child.id == ID_START_PAUSE) ++startPauseButtons;
    }
    EXPECT_EQ(startPauseButtons, 1);
    ExpectButton(g_startPauseButton, ID_START_PAUSE, kPauseCaption, 10, 568, 250, 50);

    // Destroying through a stale handle reaches nothing.
    EXPECT_FALSE(DestroyWindow(old));
    EXPECT_EQ(ListChildren(parent).size(), 6u);
    DestroyWindow(parent);
}

TEST_F(Panels, DestroyedPanelsForgetTheirHandles) {
    HWND parent = CreateTestParent(1024, 768);
    CreateMenuButtons(parent);
    DestroyTitlePanel();
    EXPECT_EQ(g_theoryButton, nullptr);
    EXPECT_EQ(g_authorsButton, nullptr);
    DestroyTitlePanel();
    EXPECT_TRUE(ListChildren(parent).empty());
    DestroyWindow(parent);
}

}  // namespace
