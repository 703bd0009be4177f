#pragma once
// The main window created in-process as the program creates it (with the hidden settings
// window beside it), over a work folder of its own beside the test program. Beeps, warning
// boxes, shell calls and error boxes are caught, not shown, so that nothing modal blocks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Win.h"
#include "tests/support/RecordedErrors.h"
#include "tests/win32/RecordingShell.h"
#include "ui/FormMain.h"

class MainFormTest : public ::testing::Test {
protected:
    const std::string appDir;
    // The test's own folder of HTML files, with a trailing delimiter.
    const std::string work;
    pelmar::testing::RecordedErrors errors;
    std::vector<std::string> warnings;
    std::vector<unsigned> tones;
    pelmar::testing::RecordingShell shell;

    MainFormTest();
    void SetUp() override;
    void TearDown() override;

    // Creates the windows for a first run or a later run. The main window stays hidden
    // unless a test shows it: under a display without a window manager, hiding a shown
    // window again (as freeing it does) waits seconds for a manager that never answers.
    void Start(bool firstRun);
    // Points the folder list (and so the file list and path edit) at `folder`.
    void Browse(const std::string& folder);

    // A click on the button as the user's mouse makes it.
    void Click(TButton* button);
    // Keys as the user's keyboard delivers them, through the message loop.
    void KeyDown(HWND target, WORD key);
    void KeyUp(HWND target, WORD key);
    void PressF9();
    void PressF10();
    void PressF12();

    // The run log's lines after its first line "Log:".
    std::vector<std::string> LogLines() const;
    // The file list's names in the order shown.
    std::vector<std::string> ListedNames() const;

    static void WriteFile(const std::string& path, const std::string& bytes);
    static std::string ReadFile(const std::string& path);
    static void RemoveFile(const std::string& path);
    static void RemoveTree(const std::string& folder);
    static void MakeFolder(const std::string& folder);

private:
    pelmar::platform::ToneSink previousTone_;
    pelmar::platform::WarningSink previousWarning_;
};

// One HTML file whose single image tag lacks an alt attribute, and what a run with the
// default keyword "keywords" makes of it.
inline constexpr const char* kOneTag = "<p>\n<img src=\"a.png\" width=\"5\">\n</p>";
inline constexpr const char* kOneTagDone = "<p>\r\n<img src=\"a.png\" alt=\"keywords\" width=\"5\">\r\n</p>";
