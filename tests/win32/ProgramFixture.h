#pragma once
// What the settings and start-up tests share: the program started in-process beside the
// test executable (so its settings file is "Pelmar.INI" there), errors caught instead of
// shown in a box, and the windows taken down again without writing anything.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/UnitINI.h"
#include "platform/Platform.h"
#include "platform/Win.h"
#include "tests/support/RecordedErrors.h"
#include "toolkit/Forms.h"
#include "ui/FormMain.h"
#include "ui/FormSettings.h"
#include "util/MovraTPU.h"

// Frees both windows without writing the settings file and leaves the application ready
// for the next start, also when a closed main window ended its event loop.
inline void TakeDownProgram() {
    SettingsSaved = true;  // taking the windows down is no exit of the program
    Application->OnHint = {};
    EndProgram();
    if (FrmSettings) FrmSettings->Free();
    FrmSettings = nullptr;
    if (MainForm) MainForm->Free();
    MainForm = nullptr;
    Application->ProcessMessages();
    if (Application->Terminated()) Application->Run();
    SettingsSaved = false;
}

class ProgramTest : public ::testing::Test {
protected:
    const std::string iniPath = pelmar::GetAppDir() + "Pelmar.INI";
    pelmar::testing::RecordedErrors errors;

    void SetUp() override {
        RemoveFile(iniPath);
        RemoveFile(pelmar::GetAppDir() + "Keywords.txt");
        IsFirstRun = false;
        SettingsSaved = false;
    }

    void TearDown() override {
        TakeDownProgram();
        RemoveFile(iniPath);
    }

    static void RemoveFile(const std::string& path) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }

    void WriteIni(const std::string& text) {
        std::ofstream(iniPath, std::ios::binary) << text;
    }

    std::string ReadIni() const {
        std::ifstream in(iniPath, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The settings file's lines, line breaks and blank lines dropped.
    std::vector<std::string> IniLines() const {
        std::vector<std::string> lines;
        std::istringstream in(ReadIni());
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    }

    // The main window shown, as the event loop's start shows it.
    void StartAndShow() {
        StartProgram();
        MainForm->Show();
        Application->ProcessMessages();
    }
};
