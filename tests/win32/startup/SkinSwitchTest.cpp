// The skin switch at start-up: "skin.skn" beside the program and "Use skins" decide whether
// the windows are skinned; a skin that cannot be used never stops the program.
#include <fstream>

#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "tests/support/Pump.h"
#include "tests/win32/ProgramFixture.h"
#include "tests/win32/skin/TestSkins.h"

namespace {

class SkinSwitch : public ProgramTest {
protected:
    const std::string skinPath = pelmar::GetAppDir() + "skin.skn";
    std::vector<std::string> warnings;
    pelmar::platform::WarningSink previous;

    void SetUp() override {
        ProgramTest::SetUp();
        previous = pelmar::platform::SetWarningSink(
            [this](const std::string&, const std::string& text) { warnings.push_back(text); });
    }
    void TearDown() override {
        ProgramTest::TearDown();
        pelmar::platform::SetWarningSink(previous);
        RemoveFile(skinPath);
    }
    void WriteSkin(const std::vector<std::uint8_t>& bytes) {
        std::ofstream(skinPath, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> UsableSkin() {
        skintest::TTestSkin skin;
        skin.definition = "[Personality]\nLeft=left.bmp\n";
        skin.Image("left.bmp", skintest::SolidBmp(4, 8, clRed));
        return skin.File();
    }
    // The main window shown and the manager's request carried out.
    bool MainWindowSkinned() {
        MainForm->Show();
        pelmar::testing::Pump(400);
        return SendMessageA(MainForm->Handle(), SKM_QUERYSKINNED, 0, 0) == 1;
    }
};

TEST_F(SkinSwitch, TheSkinFileAndTheOptionDecide) {
    const struct {
        bool file;
        const char* ini;
        bool loaded, active, skinned;
    } rows[] = {
        {true, "", true, true, true},                                    // ticked by default
        {true, "[FormSettings]\r\nchkSkins=0\r\n", false, false, false},  // not even read
        {false, "", false, false, false},
        {false, "[FormSettings]\r\nchkSkins=1\r\n", false, false, false},
    };
    for (const auto& row : rows) {
        if (row.file) WriteSkin(UsableSkin());
        WriteIni(row.ini);
        StartProgram();
        EXPECT_EQ(!MainForm->SkinData->Empty(), row.loaded) << row.file << row.ini;
        EXPECT_EQ(MainForm->SkinData->Active(), row.active) << row.file << row.ini;
        EXPECT_EQ(MainWindowSkinned(), row.skinned) << row.file << row.ini;
        TakeDownProgram();
        RemoveFile(skinPath);
    }
    EXPECT_TRUE(warnings.empty());
}

TEST_F(SkinSwitch, ASkinThatCannotBeUsedIsToldAndTheProgramStartsUnskinned) {
    WriteSkin(skintest::OtherVersionSkinFile());
    StartProgram();
    EXPECT_EQ(warnings, std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
    EXPECT_FALSE(MainWindowSkinned());
    TakeDownProgram();

    // A file that cannot be opened: named, with the system's reason.
    warnings.clear();
    WriteSkin(UsableSkin());
    HANDLE locked = CreateFileA(skinPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    StartProgram();
    CloseHandle(locked);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("Cannot use the skin file \"" + skinPath + "\". Cannot open file", 0), 0u) << warnings[0];
    EXPECT_FALSE(MainWindowSkinned());
    EXPECT_TRUE(errors.empty());
}

TEST_F(SkinSwitch, AStartThatFailsWritesNoSettingsFile) {
    WriteSkin(skintest::OtherVersionSkinFile());
    pelmar::platform::SetWarningSink([](const std::string&, const std::string&) { throw std::runtime_error("no"); });
    EXPECT_THROW(StartProgram(), std::runtime_error);
    // The program's end frees its windows in reverse order of creation.
    FrmSettings->Free();
    FrmSettings = nullptr;
    MainForm->Free();
    MainForm = nullptr;
    EXPECT_FALSE(pelmar::platform::FileExists(iniPath));
}

}  // namespace
