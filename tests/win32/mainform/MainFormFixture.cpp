#include "tests/win32/mainform/MainFormFixture.h"

#include <fstream>
#include <sstream>

#include "app/UnitINI.h"
#include "tests/win32/ProgramFixture.h"
#include "toolkit/Forms.h"
#include "ui/FormSettings.h"
#include "util/MovraTPU.h"

MainFormTest::MainFormTest() : appDir(pelmar::GetAppDir()), work(appDir + "mainform-work\\") {}

void MainFormTest::SetUp() {
    SetCurrentDirectoryA(appDir.c_str());
    RemoveFile(appDir + "Pelmar.INI");
    RemoveFile(appDir + "Keywords.txt");
    RemoveTree(work);
    MakeFolder(work);
    previousTone_ = pelmar::platform::SetToneSink([this](unsigned hz, unsigned) { tones.push_back(hz); });
    previousWarning_ = pelmar::platform::SetWarningSink(
        [this](const std::string&, const std::string& text) { warnings.push_back(text); });
}

void MainFormTest::TearDown() {
    TakeDownProgram();
    pelmar::platform::SetToneSink(previousTone_);
    pelmar::platform::SetWarningSink(previousWarning_);
    SetCurrentDirectoryA(appDir.c_str());
    RemoveTree(work);
    RemoveFile(appDir + "Pelmar.INI");
    RemoveFile(appDir + "Keywords.txt");
}

void MainFormTest::Start(bool firstRun) {
    IsFirstRun = firstRun;
    SettingsSaved = false;
    Application->CreateForm(MainForm);
    Application->CreateForm(FrmSettings);
    Application->ProcessMessages();
}

void MainFormTest::Browse(const std::string& folder) {
    MainForm->Directory->SetDirectory(folder);
    Application->ProcessMessages();
}

void MainFormTest::Click(TButton* button) {
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    Application->ProcessMessages();
}

void MainFormTest::KeyDown(HWND target, WORD key) {
    const UINT msg = key == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
    PostMessageA(target, msg, key, 1);
    Application->ProcessMessages();
}

void MainFormTest::KeyUp(HWND target, WORD key) {
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Application->ProcessMessages();
}

// F10's release is not sent: on its own it would open the menu bar's keyboard mode.
void MainFormTest::PressF9() { KeyDown(MainForm->FileList->Handle(), VK_F9); }
void MainFormTest::PressF10() { KeyDown(MainForm->FileList->Handle(), VK_F10); }
void MainFormTest::PressF12() { KeyDown(MainForm->FileList->Handle(), VK_F12); }

std::vector<std::string> MainFormTest::LogLines() const {
    std::vector<std::string> lines = MainForm->mmOutput->Lines()->Lines();
    EXPECT_FALSE(lines.empty());
    if (!lines.empty()) {
        EXPECT_EQ(lines.front(), "Log:");
        lines.erase(lines.begin());
    }
    return lines;
}

std::vector<std::string> MainFormTest::ListedNames() const { return MainForm->FileList->Items()->Lines(); }

void MainFormTest::WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string MainFormTest::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void MainFormTest::RemoveFile(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

void MainFormTest::RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + "\\");
            else
                RemoveFile(folder + name);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

void MainFormTest::MakeFolder(const std::string& folder) { CreateDirectoryA(folder.c_str(), nullptr); }
