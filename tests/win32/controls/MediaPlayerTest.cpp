// The media player: its button sets from a form file and by name, its strip of buttons, and
// a real sound file opened through the system's media control interface.
#include <gtest/gtest.h>

#include <cstdint>

#include "PropertyTable.h"
#include "tests/support/TempFolder.h"
#include "toolkit/MPlayer.h"

#include <mmsystem.h>

namespace {

const char* const kForm = R"(object Probe: TForm
  object mpSound: TMediaPlayer
    Width = 200
    VisibleButtons = [btPlay, btStop, btEject]
    EnabledButtons = [btPlay, btStop]
    ColoredButtons = [btPlay]
    DeviceType = dtWaveAudio
  end
end
)";

// A mono 8-bit WAV file of `milliseconds` of a square wave at 8000 samples a second.
std::string WaveFile(int milliseconds) {
    const std::uint32_t samples = 8 * static_cast<std::uint32_t>(milliseconds);
    std::string bytes;
    auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes += "RIFF";
    put(36 + samples, 4);
    bytes += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(8000, 4), put(8000, 4), put(1, 2), put(8, 2);
    bytes += "data";
    put(samples, 4);
    for (std::uint32_t i = 0; i < samples; ++i) bytes += static_cast<char>((i / 10) % 2 ? 0xC0 : 0x40);
    return bytes;
}

}  // namespace

TEST(MediaPlayer, PropertiesComeFromTheFormFileAndGoByName) {
    FormFileScene s(kForm);
    CheckPropsByName(s, {
                            {"mpSound", "VisibleButtons", "[btPlay,btStop,btEject]", "[btPlay,btPause]"},
                            {"mpSound", "EnabledButtons", "[btPlay,btStop]", "[]"},
                            {"mpSound", "ColoredButtons", "[btPlay]", "[btPause,btNext,btPrev]"},
                            {"mpSound", "DeviceType", "dtWaveAudio", "dtAutoSelect"},
                        });
}

TEST(MediaPlayer, OnlyTheVisibleButtonsShareTheStrip) {
    FormFileScene s(kForm);
    auto* player = s.Get<TMediaPlayer>("mpSound");
    using enum TMPBtnType;
    struct Case {
        TMPBtnType button;
        int left, right;
    } const cases[] = {{btPlay, 0, 66}, {btStop, 66, 132}, {btEject, 132, 200}, {btPause, 0, 0}};
    for (const Case& c : cases) {
        const TRect r = player->ButtonRect(c.button);
        EXPECT_EQ(r.left, c.left) << static_cast<int>(c.button);
        EXPECT_EQ(r.right, c.right) << static_cast<int>(c.button);
    }
    // A click on an enabled button asks first; a disabled one does nothing.
    std::vector<TMPBtnType> asked;
    player->OnClick = [&](TObject*, TMPBtnType button, bool& doDefault) {
        asked.push_back(button);
        doDefault = false;
    };
    player->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
    player->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 10));
    EXPECT_EQ(asked, (std::vector<TMPBtnType>{btStop}));
}

TEST(MediaPlayer, OpensAGeneratedWaveFileReadsItsLengthAndPlaysOrSaysWhyNot) {
    pelmar::testing::TempFolder folder;
    FormFileScene s(kForm);
    auto* player = s.Get<TMediaPlayer>("mpSound");
    player->SetFileName(folder.Write("tone.wav", WaveFile(500)));
    player->Open();
    EXPECT_EQ(player->Length(), 500);
    EXPECT_EQ(player->Mode(), mpStopped);
    // Without a sound device the system refuses, and the player says what the system said.
    try {
        player->Play();
        player->Stop();
        EXPECT_EQ(player->Mode(), mpStopped);
    } catch (const EMCIDeviceError& e) {
        EXPECT_FALSE(std::string(e.what()).empty());
        EXPECT_EQ(waveOutGetNumDevs(), 0u) << e.what();
    }
    player->Close();
    EXPECT_THROW(player->Length(), EMCIDeviceError);  // nothing open: the system's error again
}
