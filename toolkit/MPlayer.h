#pragma once
// TMediaPlayer: a strip of buttons over the system's media control interface (Win32).
//
// The buttons (TMPBtnType, in this order) show as VisibleButtons says; those in
// EnabledButtons work, and those also in ColoredButtons show their glyph in colour. A click
// on a button does its command on the open device: Play, Pause (pause and resume), Stop,
// Next (to the end), Prev (to the start), Step and Back (one step on), Record, Eject.
// FileName names what Open opens (AutoOpen opens it once the form file is read). Length and
// Position are in the device's time format, milliseconds here. Every command that the
// device refuses raises EMCIDeviceError with the system's description of the error.

#include <string>

#include "toolkit/Controls.h"

enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TButtonSet = TSet<TMPBtnType>;
enum TMPDeviceTypes { dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther, dtOverlay,
                      dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio };
enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

template <>
const TEnumInfo& EnumInfo<TMPBtnType>();
template <>
const TEnumInfo& EnumInfo<TMPDeviceTypes>();
template <>
const TEnumInfo& EnumInfo<TMPModes>();

TOOLKIT_EXCEPTION(EMCIDeviceError, Exception);

using TMPNotifyEvent = TEvent<TObject*, TMPBtnType, bool&>;

// A button's glyph, a shape in a box of the middle of r that scales with the button: filled
// with `fill`, outlined with `outline`. Painters of the strip other than the player's own
// (a skin's) draw the same glyphs.
void DrawMediaGlyph(TCanvas& canvas, TMPBtnType button, const TRect& r, TColor fill, TColor outline);
// The fill of a button's glyph when the button is in ColoredButtons.
TColor MediaGlyphColour(TMPBtnType button);

class TMediaPlayer : public TCustomControl {
    TOOLKIT_CLASS(TMediaPlayer, TCustomControl)

public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    TButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TButtonSet buttons);
    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet buttons);
    TButtonSet ColoredButtons() const { return colored_; }
    void SetColoredButtons(TButtonSet buttons);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    TMPDeviceTypes DeviceType() const { return deviceType_; }
    void SetDeviceType(TMPDeviceTypes type) { deviceType_ = type; }
    bool AutoOpen() const { return autoOpen_; }
    void SetAutoOpen(bool on) { autoOpen_ = on; }

    void Open();
    void Close();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Step();
    void Back();
    void StartRecording();
    void Eject();
    bool IsOpen() const { return deviceId_ != 0; }
    int Length();
    int Position();
    TMPModes Mode();

    // Where a visible button is drawn (an empty rectangle for a hidden one).
    TRect ButtonRect(TMPBtnType button) const;

    // Before a button's command: setting the flag false keeps the command from running.
    TMPNotifyEvent OnClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Loaded() override;

private:
    unsigned Command(unsigned message, unsigned flags, void* params);
    unsigned Status(unsigned item);
    void Run(TMPBtnType button);

    TButtonSet visible_;
    TButtonSet enabled_;
    TButtonSet colored_;
    std::string fileName_;
    TMPDeviceTypes deviceType_ = dtAutoSelect;
    bool autoOpen_ = false;
    unsigned deviceId_ = 0;
    TMPBtnType pressed_ = TMPBtnType::btPlay;
    bool isPressed_ = false;
};
