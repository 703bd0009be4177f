// The about box as the main window uses it: read from the program's form file, shown,
// clicked on and closed, and made anew for every showing.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/DesignedSize.h"
#include "tests/win32/about/AboutTestSupport.h"
#include "ui/FormAbout.h"
#include "ui/FormMain.h"

using pelmar::testing::ClickAt;
using pelmar::testing::DesignedHeight;
using pelmar::testing::DesignedWidth;
using pelmar::testing::RecordingShell;

namespace {

// Our home page; the main window's "Web site" item opens the same address.
constexpr const char* kHomePage = "http://www.pelmar-tools.example/";

// Ends a modal showing that the test's clicks failed to close, so that the test fails
// instead of waiting for ever.
TAboutBox* watched = nullptr;
void CALLBACK EndForgottenModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (watched) watched->SetModalResult(mrAbort);
}

class AboutBox : public ::testing::Test {
protected:
    void Open() {
        box = TCustomForm::Create<TAboutBox>(nullptr);
        box->Show();
        Pump();
    }
    void TearDown() override {
        if (box) box->Free();
    }
    static POINT Inside(const TControl& control) { return POINT{control.Left() + 2, control.Top() + 2}; }
    POINT Background() const { return POINT{box->ClientWidth() - 20, 120}; }

    TAboutBox* box = nullptr;
    RecordingShell shell;
};

TEST_F(AboutBox, ShowsTheVersionTheNoticeAndTheHomePageLinkOnAFixedDimmedWindow) {
    Open();
    EXPECT_EQ(box->Caption(), "About");
    EXPECT_EQ(box->ClientWidth(), DesignedWidth(*box, 429));
    EXPECT_EQ(box->ClientHeight(), DesignedHeight(*box, 271));
    EXPECT_EQ(box->Color(), 13160660);
    EXPECT_EQ(box->AlphaBlendValue(), 240);
    EXPECT_TRUE(box->AlphaBlend());
    const LONG style = GetWindowLongA(box->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT window{};
    GetWindowRect(box->Handle(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    EXPECT_EQ(box->lblVersion->Caption(), "Version 1.0.0.19");
    EXPECT_EQ(box->lblCopyRight->Caption(), "Copyright (c) 2006 Tarvik. All rights reserved.");
    EXPECT_EQ(box->InternetLabel->Link(), kHomePage);

    box->SetClientHeight(371);  // the link keeps its distance from the bottom
    EXPECT_EQ(box->InternetLabel->Top(), 347);
}

TEST_F(AboutBox, TheLinkOpensBlueAndUnderlinedOverTheFormsBlackFontWithAHandPointer) {
    Open();
    EXPECT_EQ(box->InternetLabel->Cursor(), crHandPoint);
    EXPECT_EQ(box->Font()->Color(), clBlack);
    EXPECT_EQ(box->InternetLabel->Font()->Color(), clBlue);
    EXPECT_TRUE(box->InternetLabel->Font()->Style().Contains(fsUnderline));
    EXPECT_FALSE(box->InternetLabel->LinkHint());
    EXPECT_EQ(box->InternetLabel->Hint(), "");
}

TEST_F(AboutBox, AClickOnALabelLeavesItOpenAClickOnTheBackgroundClosesIt) {
    Open();
    ClickAt(*box, Inside(*box->lblVersion));
    ClickAt(*box, Inside(*box->lblCopyRight));
    EXPECT_TRUE(box->Visible());
    ClickAt(*box, Background());
    EXPECT_FALSE(box->Visible());
}

TEST_F(AboutBox, AClickOnTheLinkOpensTheHomePageTurnsItPurpleAndLeavesTheBoxOpen) {
    Open();
    ClickAt(*box, Inside(*box->InternetLabel));
    EXPECT_EQ(shell.opened, std::vector<std::string>{kHomePage});
    EXPECT_TRUE(box->Visible());
    EXPECT_EQ(box->InternetLabel->Font()->Color(), clPurple);
}

// As the main window's "About" command does it: modal, closed by a click, freed.
TEST_F(AboutBox, EachShowingIsANewBoxWhoseLinkIsBlueAgain) {
    auto showModallyAndClick = [&](bool followLink) {
        box = TCustomForm::Create<TAboutBox>(nullptr);
        const TColor colourAtOpening = box->InternetLabel->Font()->Color();
        if (followLink) {
            const POINT link = Inside(*box->InternetLabel);
            PostMessageA(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link.x, link.y));
            PostMessageA(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(link.x, link.y));
        }
        PostMessageA(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 120));
        PostMessageA(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(400, 120));
        watched = box;
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, EndForgottenModal);
        EXPECT_EQ(box->ShowModal(), mrCancel);
        KillTimer(nullptr, watchdog);
        watched = nullptr;
        const bool visited = box->InternetLabel->Visited();
        box->Free();
        box = nullptr;
        return std::make_pair(colourAtOpening, visited);
    };
    EXPECT_EQ(showModallyAndClick(true), std::make_pair(clBlue, true));
    EXPECT_EQ(showModallyAndClick(false), std::make_pair(clBlue, false));
    EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
