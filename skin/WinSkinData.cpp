#include "skin/WinSkinData.h"

#include "platform/Platform.h"
#include "skin/SkinDefinitionParse.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinIni.h"
#include "skin/engine/SkinManage.h"
#include "toolkit/Forms.h"

namespace {

// Requests reach the manager's timer after this delay, so a setter returns before any window
// is skinned.
constexpr int kRequestDelayMs = 250;
const TSkinControlTypes kDefaultSkinControls = TSkinControlTypes::FromBits(0x1FFFFB);
const TSkinOptions kDefaultOptions{xoPreview, xoToolbarBK};

}  // namespace

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
            P::Object("Skin3rd", &C::Skin3rd),
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
    if (TSkinManage* manager = SkinManager()) manager->RemoveSkinData(this);
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
    if (skinFormType_ == sfDialog || skinFormType_ == sfDLL) return;
    // A component made in code was never read: it registers as one read from a form would.
    if (!SkinManager()) Register();
    TSkinManage& manager = *SkinManager();
    manager.SetRequestingComponent(this);
    if (!value) {
        manager.PostCommand(cmdUnskinAll, kRequestDelayMs);
        return;
    }
    // Switching on without a skin is remembered; it takes effect when switched off and on again.
    if (empty_) return;
    manager.PostCommand(cmdSkinAll, kRequestDelayMs);
    if (skinFormType_ == sfMainform) manager.SetLifecycleState(1);
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
    if (!SkinManager()) Register();
    TSkinManage& manager = *SkinManager();
    manager.SetRequestingComponent(this);
    manager.ResetSkinData();
    if (manager.LifecycleState() == 1) manager.PostCommand(cmdRefresh, kRequestDelayMs);
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
    Register();
    if (skinFormType_ != sfMainform) return;
    if (active_) {
        // A stored wish to skin without stored skin bytes cannot be met.
        if (empty_)
            active_ = false;
        else
            SkinManager()->PostCommand(cmdSkinAll, kRequestDelayMs);
    }
    if (skinControls_.Contains(xcMainMenu))
        skinControls_.Exclude(xcMenuItem);
    else
        skinControls_.Exclude(xcSystemMenu);
    CaptureAppIcon();
}

void TSkinData::Register() {
    if (!HasGetScrollBarInfo()) skinControls_.Exclude(xcScrollbar);
    TSkinManage& manager = EnsureSkinManager();
    manager.AddSkinData(this);
    if (skinFormType_ == sfMainform) {
        manager.InstallHook();
        return;
    }
    manager.SetActive(true);
    manager.SetLifecycleState(manager.LifecycleState() + 1);
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (form && active_ && form->HandleAllocated()) manager.SkinWindow(form->Handle());
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
