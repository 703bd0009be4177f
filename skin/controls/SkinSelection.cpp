#include "skin/controls/SkinSelection.h"

#include <array>
#include <commctrl.h>
#include <string_view>

#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadio.h"
#include "skin/controls/SkinCombo.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinScrollbarH.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/controls/WinSubClass.h"
#include "skin/engine/SkinManage.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinForm.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"

namespace {

using TMember = std::optional<TSkinControlType>;
constexpr size_t kMaxKindLength = 50;

bool Has(TSkinData& skin, TMember member) { return !member || skin.SkinControls().Contains(*member); }
bool HasTabs(TSkinData& skin) { return skin.Element(seTabs) != nullptr; }

// Whether the control's class or one of its bases has that name; the toolkit classes a row
// names need not all exist yet.
bool IsA(const TObject& object, std::string_view className) {
    for (const TClassInfo* c = &object.ClassType(); c; c = c->Parent)
        if (SameText(c->Name, className)) return true;
    return false;
}

bool NameIs(const std::string& upperName, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (upperName == name) return true;
    return false;
}

bool HasScrollBars(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed) return false;
    const auto style = static_cast<DWORD>(GetWindowLongA(windowed->Handle(), GWL_STYLE));
    return (style & (WS_VSCROLL | WS_HSCROLL)) != 0 || IsA(control, "TMemo") || IsA(control, "TCustomListBox");
}

// Window and client rectangles of different sizes.
bool HasBorder(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed) return false;
    RECT window{}, client{};
    GetWindowRect(windowed->Handle(), &window);
    GetClientRect(windowed->Handle(), &client);
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

std::optional<std::int64_t> NumButtons(TControl& control) { return GetOrdProp(control, "NumButtons"); }

// A page control with button-style tabs, another page control, another tab control.
TSkinChoice TabChoice(TControl& control) {
    if (IsA(control, "TPageControl")) {
        const std::optional<std::string> style = GetPropText(control, "Style");
        if (style && !SameText(*style, "tsTabs")) return {skTabBtn};
        return {skTab};
    }
    return {skTab, 2, false};
}

struct TToolkitRow {
    bool (*match)(TControl& control, const std::string& upperName);
    TMember member;
    bool needsTabs;
    TSkinChoice choice;
    TSkinChoice (*refine)(TControl& control);
};

// Controls that show the user's text (edits, memos, lists, combo boxes) keep their own
// colours: in the skin's face colour a dark skin leaves their text unreadable.
const TToolkitRow kToolkitRows[] = {
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomTabControl"); }, xcTab, true, {}, &TabChoice},
    {[](TControl&, const std::string& n) { return n == "TTABSET"; }, xcTab, true, {skTab31}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TTabSheet"); }, xcTab, true, {skTabSheet}, nullptr},
    {[](TControl&, const std::string& n) { return n == "TTABBEDNOTEBOOK"; }, xcTab, true, {skTab}, nullptr},
    {[](TControl&, const std::string& n) { return n == "TMVCPANEL"; }, {}, false, {skNone, 0, true, csOnly}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomCheckBox"); }, xcCheckBox, false, {skCheckBox}, nullptr},
    {[](TControl&, const std::string& n) { return NameIs(n, {"TUPDOWN", "TSPINBUTTON"}); }, xcSpin, false, {skUpDown}, nullptr},
    {[](TControl&, const std::string& n) { return n == "TMEDIAPLAYER"; }, xcButton, false, {skMediaPlayer}, nullptr},
    {[](TControl&, const std::string& n) { return n == "TDBNAVIGATOR"; }, xcPanel, false, {skBox, 0, true, csAfter}, nullptr},
    {[](TControl&, const std::string& n) { return NameIs(n, {"TRZCHECKBOX", "TRZDBCHECKBOX"}); }, xcCheckBox, false, {skObjImage, 1}, nullptr},
    {[](TControl&, const std::string& n) { return NameIs(n, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}); }, xcRadioButton, false, {skObjImage, 2}, nullptr},
    {[](TControl&, const std::string& n) { return NameIs(n, {"TCXCHECKBOX", "TCXDBCHECKBOX"}); }, xcCheckBox, false, {skObjImage, 3}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomGroupBox"); }, xcPanel, false, {skGroupBox, 0, true, csBefore}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TRadioButton"); }, xcRadioButton, false, {skRadioButton}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomStatusBar"); }, xcStatusBar, false, {skStatusBar}, nullptr},
    {[](TControl& c, const std::string& n) { return n == "TTNTCOMBOBOX" || IsA(c, "TCustomComboBox"); }, xcCombo, false, {skComBox, 0, false}, nullptr},
    {[](TControl&, const std::string& n) { return n == "TRICHEDIT"; }, xcScrollbar, false, {skScrollbar, 0, false}, nullptr},
    {[](TControl&, const std::string& n) { return NameIs(n, {"TWWDBRICHEDIT", "TDXDBMEMO"}); }, xcScrollbar, false, {skScrollbar, 0, false}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TSpeedButton"); }, xcSpeedButton, false, {skSpeedButton}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomPanel"); }, xcPanel, false, {skBox, 0, true, csBefore}, nullptr},
    {[](TControl&, const std::string& n) { return NameIs(n, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}); }, xcScrollbar, false, {skScrollbar, 0, false}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomMemo"); }, xcScrollbar, false, {skScrollbar, 0, false}, nullptr},
    // Our own toolkit's classes, taken before the row of controls with scroll bars, which a
    // list view and a scroll box would otherwise fall into.
    {[](TControl& c, const std::string&) { return IsA(c, "THeaderControl"); }, xcButton, false, {skHeader}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomListView"); }, xcScrollbar, false, {skListView, 0, false}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TScrollBox"); }, xcScrollbar, false, {skScControl, 0, true, csAfter}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TProgressBar"); }, xcProgress, false, {skProgress}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TTrackBar"); }, xcTrackBar, false, {skTrackBar}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TDateTimePicker"); }, xcCombo, false, {skDateTime, 0, false}, nullptr},
    {[](TControl& c, const std::string&) { return HasScrollBars(c); }, xcScrollbar, false, {skScrollbar, 0, false}, nullptr},
    // A glyph button descends from the push button, so it comes first.
    {[](TControl& c, const std::string&) { return IsA(c, "TBitBtn"); }, xcButton, false, {skBitButton}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TButton"); }, xcButton, false, {skButton}, nullptr},
    {[](TControl& c, const std::string&) { return IsA(c, "TCustomEdit"); }, xcEdit, false, {skEdit, 0, false}, nullptr},
    {[](TControl& c, const std::string& n) { return IsA(c, "TCustomForm") && !NameIs(n, {"TDCEDIT", "TDCDBEDIT"}); }, {}, false, {skBox, 0, true, csAfter}, nullptr},
    {[](TControl& c, const std::string&) { return NumButtons(c) == 1; }, xcCombo, false, {skComBox, 0, false}, nullptr},
    {[](TControl& c, const std::string&) { return NumButtons(c) == 0; }, xcEdit, false, {skEdit, 0, false, csNone, false, skNone, {}, {}, true}, nullptr},
};

// Classes that are never skinned.
constexpr std::array<const char*, 3> kNeverSkinned{"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"};

struct TKindRow {
    const char* kind;
    TMember member;
    bool needsTabs;
    TSkinChoice choice;
};

const TKindRow kKindRows[] = {
    {"nil", {}, false, {}},
    {"combobox", xcCombo, false, {skComBox, 0, false}},
    {"edit", xcEdit, false, {skEdit, 0, false}},
    {"radiobutton", xcRadioButton, false, {skRadioButton}},
    {"panel", xcPanel, false, {skBox, 0, true, csNone, true}},
    {"trackbar", xcButton, false, {skTrackBar, 0, true, csNone, true}},
    {"button", xcButton, false, {skButton}},
    {"datetimepicker", xcCombo, false, {skDateTime, 0, false}},
    {"mediaplayer", xcButton, false, {skMediaPlayer}},
    {"bitbtn", xcButton, false, {skBitButton}},
    {"pngbitbtn", xcButton, false, {skBitButton, 1}},
    {"menubtn", xcButton, false, {skMenuButton}},
    {"speedbutton", xcSpeedButton, false, {skSpeedButton}},
    {"tab", xcTab, true, {skTab}},
    {"progress", xcProgress, false, {skProgress}},
    {"scrollbar", xcScrollbar, false, {skScrollbar, 0, true, csAfter}},
    {"singlescrollbar", xcScrollbar, false, {skScrollbar, 1}},
    {"embedscrollbar", xcScrollbar, false, {skNone, 0, true, csNone, false, skScrollbar}},
    {"container", {}, false, {skNone, 0, true, csOnly}},
    {"groupbox", xcGroupBox, false, {skGroupBox}},
    {"advpagecontrol", xcTab, false, {skAdvPage, 4}},
    {"radiogroup", xcGroupBox, false, {skGroupBox, 0, true, csNone, false, skRadioButton, xcRadioButton}},
    {"checkgroup", xcPanel, false, {skGroupBox, 0, true, csNone, false, skCheckBox, xcRadioButton, xcGroupBox}},
    {"checkbox", xcCheckBox, false, {skCheckBox}},
};

bool ClassContains(const std::string& name, const char* part) { return name.find(part) != std::string::npos; }

}  // namespace

std::unique_ptr<TSkinControl> MakeSkinner(TSkinnerKind kind) {
    switch (kind) {
        case skButton: return std::make_unique<TSkinButton>();
        case skBitButton: return std::make_unique<TSkinBitButton>();
        case skMenuButton: return std::make_unique<TSkinMenuButton>();
        case skSpeedButton: return std::make_unique<TSkinSpeedButton>();
        case skObjImage: return std::make_unique<TSkinObjImage>();
        case skCheckBox: return std::make_unique<TSkinCheckBox>();
        case skRadioButton: return std::make_unique<TSkinRadioButton>();
        case skComBox: return std::make_unique<TSkinComBox>();
        case skEdit: return std::make_unique<TSkinEdit>();
        case skDateTime: return std::make_unique<TSkinDateTime>();
        case skUpDown: return std::make_unique<TSkinUpDown>();
        case skGroupBox: return std::make_unique<TSkinGroupBox>();
        case skBox: return std::make_unique<TSkinBox>();
        case skBoxH: return std::make_unique<TSkinBoxH>();
        case skSizer: return std::make_unique<TSkinSizer>();
        case skTab: return std::make_unique<TSkinTab>();
        case skTabBtn: return std::make_unique<TSkinTabBtn>();
        case skTabSheet: return std::make_unique<TSkinTabSheet>();
        case skProgress: return std::make_unique<TSkinProgress>();
        case skTrackBar: return std::make_unique<TSkinTrackBar>();
        case skStatusBar: return std::make_unique<TSkinStatusBar>();
        case skScrollbar: return std::make_unique<TSkinScrollbar>();
        case skListView: return std::make_unique<TSkinListView>();
        case skScControl: return std::make_unique<TSkinScControl>();
        case skHeader: return std::make_unique<TSkinHeader>();
        case skTab31: return std::make_unique<TSkinTab31>();
        case skAdvPage: return std::make_unique<TSkinAdvPage>();
        case skMediaPlayer: return std::make_unique<TSkinMP>();
        case skScrollbarH: return std::make_unique<TSkinScrollbarH>();
        default: return nullptr;
    }
}

std::optional<std::string> Skin3rdKind(const TStrings& map, const std::string& className) {
    const std::string key = LowerCase(className) + "=";
    for (int i = 0; i < map.Count(); ++i) {
        const std::string line = LowerCase(map.Strings(i));
        if (line.rfind(key, 0) != 0) continue;
        const std::string kind = line.substr(line.find('='));
        return kind.substr(1, kMaxKindLength);
    }
    return std::nullopt;
}

TSkinChoice ChoiceForKind(const std::string& kind, const std::string& className, TSkinData& skin,
                          TControl& control) {
    for (const TKindRow& row : kKindRows) {
        if (kind != row.kind) continue;
        if (!Has(skin, row.member) || (row.needsTabs && !HasTabs(skin))) return {};
        TSkinChoice choice = row.choice;
        if (kind == "bitbtn" && LowerCase(className) == "tcxbutton") {
            const std::optional<std::string> buttonKind = GetPropText(control, "Kind");
            if (buttonKind && SameText(*buttonKind, "cxbkDropDownButton")) choice.kind = skMenuButton;
        }
        if (kind == "edit" && !HasBorder(control)) return {};
        if ((kind == "radiogroup" || kind == "checkgroup") && ClassContains(UpperCase(className), "TRZ")) {
            choice.childKind = skObjImage;
        }
        return choice;
    }
    return {};
}

std::optional<TSkinChoice> ChoiceForToolkitControl(TControl& control, TSkinData& skin) {
    const std::string upperName = UpperCase(control.ClassName());
    for (const TToolkitRow& row : kToolkitRows) {
        if (!Has(skin, row.member) || (row.needsTabs && !HasTabs(skin))) continue;
        if (!row.match(control, upperName)) continue;
        return row.refine ? row.refine(control) : row.choice;
    }
    return std::nullopt;
}

TButtonStyleKind ButtonStyleKind(DWORD style) {
    const DWORD low = style & 0xF;
    if ((low & 7) == 7 || (style & 0x80)) return bkNoSkin;
    if ((low & 3) == 3 || (low & 2) || (low & 5) == 5) return bkCheck;
    if ((low & 9) == 9 || (low & 4)) return bkRadio;
    return bkPush;
}

namespace {

struct TForeignRow {
    const char* className;
    TMember member;
    TSkinChoice choice;
};

// By lower-cased window class; "button", "combobox" and "comboboxex32" look at more than the
// class and are decided before this table.
const TForeignRow kForeignRows[] = {
    {"systreeview32", {}, {}},
    {"tpanel", {}, {skNone, 0, true, csOnly}},
    {"ttntpanel.unicodeclass", {}, {skNone, 0, true, csOnly}},
    {"ttntsilentpaintpanel.unicodeclass", {}, {skNone, 0, true, csOnly}},
    {"tcheckbox", xcCheckBox, {skCheckBox}},
    {"tcombobox", xcCombo, {skComBox}},
    {"tbutton", xcButton, {skButton}},
    {"tprogressbar", {}, {skProgress}},
    {"tsilentpaintpanel", {}, {}},
    {"toolbarwindow32", {}, {skBoxH}},
    {"edit", xcEdit, {skEdit}},
};

}  // namespace

TSkinChoice ChoiceForForeignWindow(const std::string& name, DWORD style, TSkinData& skin) {
    if (name == "button") {
        if ((style & 0xF) == static_cast<DWORD>(BS_OWNERDRAW)) return {};
        switch (ButtonStyleKind(style)) {
            case bkCheck: return Has(skin, xcCheckBox) ? TSkinChoice{skCheckBox} : TSkinChoice{};
            case bkRadio: return Has(skin, xcRadioButton) ? TSkinChoice{skRadioButton} : TSkinChoice{};
            case bkPush: return Has(skin, xcButton) ? TSkinChoice{skButton} : TSkinChoice{};
            default: return {};
        }
    }
    if (name == "combobox")
        return Has(skin, xcCombo) && (style & 3) != static_cast<DWORD>(CBS_SIMPLE) ? TSkinChoice{skComBox} : TSkinChoice{};
    if (name == "comboboxex32") return Has(skin, xcCombo) ? TSkinChoice{skNone, 0, true, csNone, false, skComBox} : TSkinChoice{};
    if (name == "scrollbar") return (style & WS_TABSTOP) ? TSkinChoice{} : TSkinChoice{skSizer};
    if (name == "#32770") return (style & WS_TABSTOP) ? TSkinChoice{} : TSkinChoice{skBoxH, 0, true, csBefore};
    if (name == "systabcontrol32")
        return Has(skin, xcTab) && !(style & 0x2000) ? TSkinChoice{skTab} : TSkinChoice{};
    for (const TForeignRow& row : kForeignRows)
        if (name == row.className) return Has(skin, row.member) ? row.choice : TSkinChoice{};
    return {};
}

bool TSkinSelection::AlreadySkinned(HWND window) const {
    return frame_.FindControlSkinner(window) || SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1;
}

bool TSkinSelection::AlreadySkinned(TControl& control) const {
    if (auto* windowed = dynamic_cast<TWinControl*>(&control))
        return windowed->HandleAllocated() && AlreadySkinned(windowed->Handle());
    for (const auto& skinner : frame_.ControlSkinners())
        if (!skinner->Dead() && skinner->Control() == &control) return true;
    return false;
}

void TSkinSelection::SkinForm(TWinControl& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(form.Components(i))) DispatchControl(*control);
    for (TWinControl* control : form.TabOrderList()) {
        if (!control->HandleAllocated() || control->Tag() == skin_.DisableTag()) continue;
        if (SendMessageA(control->Handle(), SKM_QUERYSKINNED, 0, 0) == 1) continue;
        DispatchControl(*control);
    }
}

void TSkinSelection::DispatchControl(TControl& control) {
    const std::string className = control.ClassName();
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (control.Tag() == skin_.DisableTag()) {
        const std::string lower = LowerCase(className);
        if (windowed && (ClassContains(lower, "radiogroup") || ClassContains(lower, "checkgroup")))
            for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->SetTag(skin_.DisableTag());
        return;
    }
    if (!control.Parent() || AlreadySkinned(control)) return;
    try {
        if (windowed) windowed->HandleNeeded();
    } catch (...) {
        return;
    }
    if (RunEvent(control)) return;
    if (const std::optional<std::string> kind = Skin3rdKind(*skin_.Skin3rd(), className)) {
        Apply(ChoiceForKind(*kind, className, skin_, control), control);
        return;
    }
    const std::string upper = UpperCase(className);
    for (const char* never : kNeverSkinned)
        if (upper == never) return;
    if (const std::optional<TSkinChoice> choice = ChoiceForToolkitControl(control, skin_)) Apply(*choice, control);
}

bool TSkinSelection::RunEvent(TControl& control) {
    if (!skin_.OnSkinControl) return false;
    TComponent* skinned = nullptr;
    TControl* form = frame_.Form();
    skin_.OnSkinControl(form, &skin_, form, &control, UpperCase(control.ClassName()), skinned);
    auto* skinner = dynamic_cast<TSkinControl*>(skinned);
    if (!skinner) return false;
    std::unique_ptr<TSkinControl> owned(skinner);
    if (skinner->State() == scCreated) skinner->AttachControl(&frame_, skin_, control, skinner->Recolours());
    frame_.AddControlSkinner(std::move(owned));
    if (IsA(control, "TCustomPanel")) DispatchChildren(control);
    return true;
}

void TSkinSelection::Apply(const TSkinChoice& choice, TControl& control) {
    if (choice.transparent) SetPropText(control, "Transparent", "True");
    if (choice.children == csBefore || choice.children == csOnly) DispatchChildren(control);
    if (choice.childKind != skNone) SkinChildrenAs(choice, control);
    if (choice.kind != skNone && Has(skin_, choice.selfRequires)) {
        if (auto* windowed = dynamic_cast<TWinControl*>(&control); choice.asWindow && windowed)
            AttachForeign(choice.kind, windowed->Handle());
        else if (!choice.asWindow)
            Attach(choice.kind, choice.mode, choice.recolour, control);
    }
    if (choice.children == csAfter) DispatchChildren(control);
}

void TSkinSelection::Attach(TSkinnerKind kind, int mode, bool recolour, TControl& control) {
    // The other skinners paint a window of the control's own; without one they would leave
    // the control blank.
    if (!dynamic_cast<TWinControl*>(&control) && kind != skSpeedButton) return;
    std::unique_ptr<TSkinControl> skinner = MakeSkinner(kind);
    if (!skinner) return;
    skinner->SetMode(mode);
    if (kind == skScrollbar || kind == skListView)
        static_cast<TSkinScrollbar&>(*skinner).AttachScrolling(static_cast<TWinControl&>(control), skin_, &frame_);
    else
        skinner->AttachControl(&frame_, skin_, control, recolour);
    frame_.AddControlSkinner(std::move(skinner));
}

void TSkinSelection::DispatchChildren(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed) return;
    for (int i = 0; i < windowed->ControlCount(); ++i) DispatchControl(*windowed->Controls(i));
}

// Radio and check groups: every child gets the group's child skinner, under its member;
// "embedscrollbar" only the children that scroll.
void TSkinSelection::SkinChildrenAs(const TSkinChoice& choice, TControl& control) {
    auto* group = dynamic_cast<TWinControl*>(&control);
    if (!group || !Has(skin_, choice.childRequires)) return;
    for (int i = 0; i < group->ControlCount(); ++i) {
        TControl* child = group->Controls(i);
        if (AlreadySkinned(*child)) continue;
        if (choice.childKind == skScrollbar && !HasScrollBars(*child)) continue;
        Attach(choice.childKind, 0, true, *child);
    }
}

void TSkinSelection::DispatchWindows(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) DispatchWindow(child);
}

void TSkinSelection::DispatchWindow(HWND window) {
    if (frame_.FindControlSkinner(window)) return;
    const std::string name = LowerClassNameOfWindow(window).substr(0, 100);
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const TSkinChoice choice = ChoiceForForeignWindow(name, style, skin_);
    if (choice.children == csBefore || choice.children == csOnly) DispatchWindows(window);
    if (name == "tpanel" || name.find("silentpaintpanel") != std::string::npos || name == "ttntpanel.unicodeclass")
        if (TWinControl* control = FindControl(window)) control->SetColor(skin_.Colours().ButtonFace);
    if (choice.childKind == skComBox)
        if (HWND first = GetWindow(window, GW_CHILD)) AttachForeign(skComBox, first);
    if (choice.kind != skNone) AttachForeign(choice.kind, window);
}

void TSkinSelection::AttachForeign(TSkinnerKind kind, HWND window) {
    std::unique_ptr<TSkinControl> skinner = MakeSkinner(kind);
    if (!skinner) return;
    skinner->AttachWindow(window, skin_, &frame_);
    frame_.AddControlSkinner(std::move(skinner));
}
