#include "toolkit/MPlayer.h"

#include <mmsystem.h>

#include <array>

template <>
const TEnumInfo& EnumInfo<TMPBtnType>() {
    static const TEnumInfo info{"TMPBtnType", {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack",
                                               "btRecord", "btEject"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TMPDeviceTypes>() {
    static const TEnumInfo info{"TMPDeviceTypes",
                                {"dtAutoSelect", "dtAVIVideo", "dtCDAudio", "dtDAT", "dtDigitalVideo", "dtMMMovie",
                                 "dtOther", "dtOverlay", "dtScanner", "dtSequencer", "dtVCR", "dtVideodisc",
                                 "dtWaveAudio"}};
    return info;
}
template <>
const TEnumInfo& EnumInfo<TMPModes>() {
    static const TEnumInfo info{"TMPModes",
                                {"mpNotReady", "mpStopped", "mpPlaying", "mpRecording", "mpSeeking", "mpPaused", "mpOpen"}};
    return info;
}

namespace {

constexpr int kButtons = 9;
const TButtonSet kAllButtons = TButtonSet::FromBits((1u << kButtons) - 1);

// The system's names of the device types (none for automatic selection).
const char* DeviceName(TMPDeviceTypes type) {
    static const std::array<const char*, 13> names = {nullptr,   "avivideo", "cdaudio", "dat",       "digitalvideo",
                                                      "mmmovie", "other",    "overlay", "scanner",   "sequencer",
                                                      "vcr",     "videodisc", "waveaudio"};
    return names[type];
}

}  // namespace

const TClassInfo& TMediaPlayer::StaticClass() {
    using C = TMediaPlayer;
    using P = TProps<C>;
    static const TClassInfo info("TMediaPlayer", &TCustomControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Set("VisibleButtons", &C::VisibleButtons, &C::SetVisibleButtons)
                                         .Default(static_cast<std::int64_t>(kAllButtons.Bits())),
                                     P::Set("EnabledButtons", &C::EnabledButtons, &C::SetEnabledButtons)
                                         .Default(static_cast<std::int64_t>(kAllButtons.Bits())),
                                     P::Set("ColoredButtons", &C::ColoredButtons, &C::SetColoredButtons)
                                         .Default(static_cast<std::int64_t>(kAllButtons.Bits())),
                                     P::String("FileName", &C::FileName, &C::SetFileName),
                                     P::Enum("DeviceType", &C::DeviceType, &C::SetDeviceType).Default(dtAutoSelect),
                                     P::Boolean("AutoOpen", &C::AutoOpen, &C::SetAutoOpen).Default(false),
                                     P::Event("OnClick", &C::OnClick),
                                 });
    return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner)
    : TCustomControl(owner), visible_(kAllButtons), enabled_(kAllButtons), colored_(kAllButtons) {
    SetBounds(0, 0, 253, 30);
    SetColor(clBtnFace);
}

TMediaPlayer::~TMediaPlayer() {
    if (deviceId_) mciSendCommandA(deviceId_, MCI_CLOSE, MCI_WAIT, 0);
}

void TMediaPlayer::SetVisibleButtons(TButtonSet buttons) {
    visible_ = buttons;
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
    enabled_ = buttons;
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet buttons) {
    colored_ = buttons;
    Invalidate();
}

void TMediaPlayer::Loaded() {
    TCustomControl::Loaded();
    if (autoOpen_) Open();
}

// ---------------------------------------------------------------------------------------
// The device

unsigned TMediaPlayer::Command(unsigned message, unsigned flags, void* params) {
    const MCIERROR error = mciSendCommandA(deviceId_, message, flags, reinterpret_cast<DWORD_PTR>(params));
    if (error == 0) return 0;
    char text[MAXERRORLENGTH] = {};
    if (!mciGetErrorStringA(error, text, sizeof text)) wsprintfA(text, "Media control error %lu", error);
    throw EMCIDeviceError(text);
}

unsigned TMediaPlayer::Status(unsigned item) {
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    Command(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &status);
    return static_cast<unsigned>(status.dwReturn);
}

void TMediaPlayer::Open() {
    if (deviceId_) Close();
    MCI_OPEN_PARMSA open{};
    open.lpstrElementName = fileName_.c_str();
    open.lpstrDeviceType = DeviceName(deviceType_);
    unsigned flags = MCI_WAIT | (fileName_.empty() ? 0 : MCI_OPEN_ELEMENT) | (open.lpstrDeviceType ? MCI_OPEN_TYPE : 0);
    Command(MCI_OPEN, flags, &open);
    deviceId_ = open.wDeviceID;
    MCI_SET_PARMS set{};
    set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    Command(MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &set);
    Invalidate();
}

void TMediaPlayer::Close() {
    if (!deviceId_) return;
    const unsigned id = deviceId_;
    deviceId_ = 0;
    mciSendCommandA(id, MCI_CLOSE, MCI_WAIT, 0);
    Invalidate();
}

void TMediaPlayer::Play() {
    MCI_PLAY_PARMS play{};
    Command(MCI_PLAY, 0, &play);
}

void TMediaPlayer::Pause() {
    MCI_GENERIC_PARMS generic{};
    Command(Mode() == mpPaused ? MCI_RESUME : MCI_PAUSE, MCI_WAIT, &generic);
}

void TMediaPlayer::Stop() {
    MCI_GENERIC_PARMS generic{};
    Command(MCI_STOP, MCI_WAIT, &generic);
}

void TMediaPlayer::Next() {
    MCI_SEEK_PARMS seek{};
    Command(MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, &seek);
}

void TMediaPlayer::Previous() {
    MCI_SEEK_PARMS seek{};
    Command(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &seek);
}

void TMediaPlayer::Step() {
    MCI_GENERIC_PARMS generic{};
    Command(MCI_STEP, MCI_WAIT, &generic);
}

void TMediaPlayer::Back() {
    MCI_GENERIC_PARMS generic{};
    Command(MCI_STEP, MCI_WAIT | MCI_ANIM_STEP_REVERSE, &generic);
}

void TMediaPlayer::StartRecording() {
    MCI_RECORD_PARMS record{};
    Command(MCI_RECORD, 0, &record);
}

void TMediaPlayer::Eject() {
    MCI_SET_PARMS set{};
    Command(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &set);
}

int TMediaPlayer::Length() { return static_cast<int>(Status(MCI_STATUS_LENGTH)); }
int TMediaPlayer::Position() { return static_cast<int>(Status(MCI_STATUS_POSITION)); }

TMPModes TMediaPlayer::Mode() {
    const unsigned mode = Status(MCI_STATUS_MODE);
    return mode >= MCI_MODE_NOT_READY && mode <= MCI_MODE_OPEN ? static_cast<TMPModes>(mode - MCI_MODE_NOT_READY)
                                                              : mpNotReady;
}

// ---------------------------------------------------------------------------------------
// The button strip

TRect TMediaPlayer::ButtonRect(TMPBtnType button) const {
    if (!visible_.Contains(button)) return TRect{};
    int count = 0, place = 0;
    for (int i = 0; i < kButtons; ++i) {
        const auto b = static_cast<TMPBtnType>(i);
        if (!visible_.Contains(b)) continue;
        if (b == button) place = count;
        ++count;
    }
    const int width = Width() / count;
    return Rect(place * width, 0, place == count - 1 ? Width() : (place + 1) * width, Height());
}

void TMediaPlayer::Run(TMPBtnType button) {
    bool doDefault = true;
    OnClick(this, button, doDefault);
    if (!doDefault) return;
    switch (button) {
        case TMPBtnType::btPlay: Play(); break;
        case TMPBtnType::btPause: Pause(); break;
        case TMPBtnType::btStop: Stop(); break;
        case TMPBtnType::btNext: Next(); break;
        case TMPBtnType::btPrev: Previous(); break;
        case TMPBtnType::btStep: Step(); break;
        case TMPBtnType::btBack: Back(); break;
        case TMPBtnType::btRecord: StartRecording(); break;
        case TMPBtnType::btEject: Eject(); break;
    }
}

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    for (int i = 0; i < kButtons; ++i) {
        const auto b = static_cast<TMPBtnType>(i);
        const TRect r = ButtonRect(b);
        if (!PtInRect(&r, TPoint{x, y}) || !enabled_.Contains(b)) continue;
        pressed_ = b;
        isPressed_ = true;
        Repaint();
        isPressed_ = false;
        Invalidate();
        Run(b);
        return;
    }
}

TColor MediaGlyphColour(TMPBtnType button) {
    static const std::array<TColor, kButtons> colours = {clGreen, clYellow, clRed,    clYellow, clYellow,
                                                         clYellow, clYellow, clMaroon, clGreen};
    return colours[static_cast<int>(button)];
}

void DrawMediaGlyph(TCanvas& canvas, TMPBtnType button, const TRect& r, TColor fill, TColor outline) {
    const int size = std::min(RectWidth(r), RectHeight(r)) / 2;
    const int x = (r.left + r.right - size) / 2, y = (r.top + r.bottom - size) / 2, s = size, h = size / 2;
    canvas.Brush()->SetColor(fill);
    canvas.Pen()->SetColor(outline);
    auto rightward = [&](int left, int width) { canvas.Polygon({{left, y}, {left + width, y + h}, {left, y + s}}); };
    auto leftward = [&](int left, int width) { canvas.Polygon({{left + width, y}, {left, y + h}, {left + width, y + s}}); };
    switch (button) {
        case TMPBtnType::btPlay: rightward(x, s); break;
        case TMPBtnType::btPause: canvas.Rectangle(x, y, x + s / 3, y + s), canvas.Rectangle(x + 2 * s / 3, y, x + s, y + s); break;
        case TMPBtnType::btStop: canvas.Rectangle(x, y, x + s, y + s); break;
        case TMPBtnType::btNext: rightward(x, 2 * s / 3), canvas.Rectangle(x + 3 * s / 4, y, x + s, y + s); break;
        case TMPBtnType::btPrev: canvas.Rectangle(x, y, x + s / 4, y + s), leftward(x + s / 3, 2 * s / 3); break;
        case TMPBtnType::btStep: rightward(x, h), rightward(x + h, h); break;
        case TMPBtnType::btBack: leftward(x, h), leftward(x + h, h); break;
        case TMPBtnType::btRecord: canvas.Ellipse(x, y, x + s, y + s); break;
        case TMPBtnType::btEject: canvas.Polygon({{x, y + 2 * s / 3}, {x + h, y}, {x + s, y + 2 * s / 3}}), canvas.Rectangle(x, y + 5 * s / 6, x + s, y + s); break;
    }
}

void TMediaPlayer::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    for (int i = 0; i < kButtons; ++i) {
        const auto b = static_cast<TMPBtnType>(i);
        if (!visible_.Contains(b)) continue;
        TRect r = ButtonRect(b);
        const bool down = isPressed_ && pressed_ == b;
        DrawFrameControl(canvas.Handle(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0));
        if (down) OffsetRect(&r, 1, 1);
        const bool works = enabled_.Contains(b);
        const TColor fill = !works ? clGrayText : colored_.Contains(b) ? MediaGlyphColour(b) : clBlack;
        DrawMediaGlyph(canvas, b, r, fill, works ? clBlack : clGrayText);
    }
}

TOOLKIT_REGISTER(TMediaPlayer);
