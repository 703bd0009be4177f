#include "skin/WinSkinData.h"

#include "platform/Platform.h"
#include "skin/SkinDefinitionParse.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinIni.h"
#include "toolkit/Forms.h"

namespace {

TSkinManagerLink* managerLink = nullptr;

const TSkinControlTypes kDefaultSkinControls = TSkinControlTypes::FromBits(0x1FFFFB);
const TSkinOptions kDefaultOptions{xoPreview, xoToolbarBK};

}  // namespace

TSkinManagerLink* SkinManagerLink() { return managerLink; }
void SetSkinManagerLink(TSkinManagerLink* link) { managerLink = link; }

template <>
const TEnumInfo& EnumInfo<TSkinControlType>() {
    static const TEnumInfo info{"TSkinControlType",
                                {"xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo",
                                 "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton",
                                 "xcBitBtn", "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar",
                                 "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport"}};
    return info;
}

template <>
const TEnumInfo& EnumInfo<TSkinOption>() {
    static const TEnumInfo info{"TSkinOption",
                                {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
                                 "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",
                                 "xoFormScrollbar"}};
    return info;
}

template <>
const TEnumInfo& EnumInfo<TSkinFormType>() {
    static const TEnumInfo info{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};
    return info;
}

const TClassInfo& TSkinData::StaticClass() {
    using C = TSkinData;
    using P = TProps<C>;
    auto ignoreText = [](C&, const std::string&) {};
    static const TClassInfo info(
        "TSkinData", &TComponent::StaticClass(), Creator<C>(),
        {
            P::Boolean("Active", &C::Active, &C::SetActive),
            P::Integer("DisableTag", &C::DisableTag, &C::SetDisableTag),
            P::Set("SkinControls", &C::SkinControls, &C::SetSkinControls),
            P::Set("Options", &C::Options, &C::SetOptions),
            P::StringList("Skin3rd", [](const C& c) { return c.Skin3rd()->Lines(); },
                          [](C& c, const std::vector<std::string>& lines) { c.Skin3rd()->SetLines(lines); }),
            P::String("SkinFile", &C::SkinFile, &C::SetSkinFile),
            P::String("SkinStore", &C::SkinStore, ignoreText),
            P::Enum("SkinFormtype", &C::SkinFormtype, &C::SetSkinFormtype),
            P::String("Version", &C::Version, ignoreText),
            P::Boolean("MenuUpdate", &C::MenuUpdate, &C::SetMenuUpdate),
            P::Boolean("MenuMerge", &C::MenuMerge, &C::SetMenuMerge),
            P::Event("OnFormSkin", &C::OnFormSkin),
            P::Event("OnSkinChanged", &C::OnSkinChanged),
            P::Event("OnSkinControl", &C::OnSkinControl),
            P::Event("OnBeforeSkinForm", &C::OnBeforeSkinForm),
            P::Event("OnAfterSkinForm", &C::OnAfterSkinForm),
        });
    return info;
}
TOOLKIT_REGISTER(TSkinData);

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      skinControls_(kDefaultSkinControls),
      options_(kDefaultOptions),
      skin3rd_(std::make_unique<TStringList>()),
      title_(std::make_unique<TDataSkinTitle>("Title")),
      button_(std::make_unique<TDataSkinButton>("Buttons")),
      menuGlyphs_(std::make_unique<TImageList>(nullptr)) {
    const char* borderNames[] = {"Left", "Right", "Top", "Bottom"};
    for (int side = 0; side < 4; ++side) borders_[side] = std::make_unique<TDataSkinBorder>(borderNames[side]);
    skin3rd_->SetLines(DefaultSkin3rd());
    appIcon_.SetPixelFormat(pf24bit);
    TBitmap glyphs;
    glyphs.LoadFromResourceName(GetModuleHandleA(nullptr), "DORAVEXMENU");
    menuGlyphs_->AddMasked(glyphs, clWhite);
}

TSkinData::~TSkinData() {
    if (managerLink) managerLink->ComponentDestroyed(*this);
    if (buttonFaceBrush_) DeleteObject(buttonFaceBrush_);
}

std::string TSkinData::SkinStore() const {
    return Designing() && !rawSkin_.Bytes().empty() ? "(Good)" : "(none)";
}

void TSkinData::SetSkinBytes(const std::vector<std::uint8_t>& bytes) {
    rawSkin_.Clear();
    if (!bytes.empty()) rawSkin_.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (Designing() || Reading()) return;
    if (managerLink) managerLink->ActiveChanged(*this);
}

void TSkinData::SetSkinFile(const std::string& path) {
    empty_ = true;
    skinFile_ = path;
    if (Designing()) {
        if (!path.empty()) rawSkin_.Clear();
        return;
    }
    if (!pelmar::platform::FileExists(path)) return;
    rawSkin_.LoadFromFile(path);
    LoadSkin();
    ApplySkin();
}

bool TSkinData::LoadSkin() {
    empty_ = true;
    if (Designing()) return false;
    TSkinReader reader;
    if (!reader.LoadFromStream(rawSkin_)) return false;
    TMemoryStream definition;
    std::string definitionName;
    reader.FindEntry(".ini", definition, definitionName);
    definition.SetPosition(0);
    TQuickIni ini;
    ini.LoadFromStream(&definition);
    reader_ = &reader;
    try {
        TSkinDefinitionParse(*this, ini).Run();
    } catch (...) {
        reader_ = nullptr;
        throw;
    }
    reader_ = nullptr;
    return true;
}

void TSkinData::LoadImage(TBitmap& bitmap, const std::string& imageName) {
    const std::size_t slash = imageName.find_last_of("\\:");
    const std::string fileName = slash == std::string::npos ? imageName : imageName.substr(slash + 1);
    const std::size_t dot = fileName.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : fileName.substr(dot);
    TMemoryStream entry;
    if (reader_ && !fileName.empty() && extension == ".bmp") reader_->GetEntry(fileName, entry);
    if (entry.Size() == 0) {
        bitmap.Clear();
        return;
    }
    // A damaged image counts as a missing one: a skin's missing parts give defaults.
    try {
        bitmap.LoadFromStream(entry);
    } catch (const Exception&) {
        bitmap.Clear();
    } catch (const pelmar::image::EInvalidGraphic&) {
        bitmap.Clear();
    }
}

void TSkinData::ApplySkin() {
    if (Designing() || Reading()) return;
    if (managerLink) managerLink->SkinReloaded(*this);
}

void TSkinData::DoFormSkin(HWND, const std::string& className, bool& doSkin) {
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32") doSkin = false;
    if (skinControls_.Contains(xcFastReport) && className.starts_with("Tfr")) doSkin = false;
}

void TSkinData::DefineProperties(TFiler& filer) {
    Inherited::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "SkinStream", [this](TStream& stream) { ReadSkinStream(stream); },
        [this](TStream& stream) { WriteSkinStream(stream); }, true);
}

void TSkinData::ReadSkinStream(TStream& stream) {
    const std::int32_t count = stream.ReadInt32();
    if (count <= 0) return;
    // The count is only what the form data claims: copying in steps holds no more memory
    // than the data really has, and data that ends early is the toolkit's read error.
    TMemoryStream bytes;
    bytes.CopyFrom(stream, count);
    SetSkinBytes(bytes.Bytes());
    if (!Designing()) LoadSkin();
}

void TSkinData::WriteSkinStream(TStream& stream) const {
    const auto& bytes = rawSkin_.Bytes();
    stream.WriteInt32(static_cast<std::int32_t>(bytes.size()));
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TSkinData::Loaded() {
    Inherited::Loaded();
    if (Designing()) return;
    if (!HasGetScrollBarInfo()) skinControls_.Exclude(xcScrollbar);
    if (skinFormType_ == sfMainform) {
        // A stored wish to skin without stored skin bytes cannot be met.
        if (active_ && empty_) active_ = false;
        if (skinControls_.Contains(xcMainMenu))
            skinControls_.Exclude(xcMenuItem);
        else
            skinControls_.Exclude(xcSystemMenu);
        CaptureAppIcon();
    }
    if (managerLink) managerLink->ComponentLoaded(*this);
}

void TSkinData::CaptureAppIcon() {
    HWND appWindow = Application ? Application->Handle() : nullptr;
    if (!appWindow) return;
    auto icon = reinterpret_cast<HICON>(SendMessageA(appWindow, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(appWindow, WM_GETICON, ICON_BIG, 0));
    if (!icon) return;
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    TBitmap captured;
    captured.SetPixelFormat(pf24bit);
    captured.SetSize(width, height);
    captured.Canvas()->Brush()->SetColor(clFuchsia);
    captured.Canvas()->FillRect(Rect(0, 0, width, height));
    auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
    DrawIconEx(captured.Canvas()->Handle(), 0, 0, copy ? copy : icon, width, height, 0, nullptr, DI_NORMAL);
    if (copy) DestroyIcon(copy);
    appIcon_.Assign(captured);
    appIcon_.SetTransparentColor(clFuchsia);
    appIcon_.SetTransparent(true);
}

void TSkinData::ReplaceButtonFaceBrush(TColor colour) {
    if (buttonFaceBrush_) DeleteObject(buttonFaceBrush_);
    buttonFaceBrush_ = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour)));
}
