#include "skin/engine/SkinManage.h"

#include <algorithm>
#include <cctype>

#include "skin/WinSkinData.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/WinSkinForm.h"
#include "skin/engine/WinSkinPopMenu.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

namespace {

std::unique_ptr<TSkinManage> gManager;

// A form's Tag that keeps it unskinned whatever the skin component says.
constexpr int kNeverSkinTag = 99;
constexpr int kStateRunning = 1;
constexpr int kStateDestroying = 4;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool HasStyle(HWND window, int index, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(window, index)) & bits) != 0;
}

}  // namespace

TSkinManage* SkinManager() { return gManager.get(); }

TSkinManage& EnsureSkinManager() {
    if (!gManager) {
        gManager = std::make_unique<TSkinManage>();
        gManager->SetPopupMenuSkinnerFactory(MakePopupMenuSkinner);
    }
    return *gManager;
}

void DestroySkinManager() { gManager.reset(); }

std::string ClassNameOfWindow(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string LowerClassNameOfWindow(HWND window) { return Lower(ClassNameOfWindow(window)); }

TSkinManage::TSkinManage() : timer_(std::make_unique<TTimer>(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(100);
    timer_->OnTimer = [this](TObject*) { CommandTimer(); };
}

TSkinManage::~TSkinManage() {
    lifecycle_ = kStateDestroying;
    active_ = false;
    timer_.reset();
    // Newest first, as the windows were adopted the other way round.
    while (!formSkinners_.empty()) {
        std::unique_ptr<TWinSkinForm> skinner = std::move(formSkinners_.back());
        formSkinners_.pop_back();
        skinner->Release();
    }
    for (auto& menu : menuSkinners_) menu->Detach();
    menuSkinners_.clear();
    components_.clear();
    if (hook_) UnhookWindowsHookEx(hook_);
}

void TSkinManage::InstallHook() {
    version_ = GetVersion();
    if (!hook_) hook_ = SetWindowsHookExA(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::AddSkinData(TSkinData* data) {
    if (std::find(components_.begin(), components_.end(), data) == components_.end()) components_.push_back(data);
    if (!default_ && data->SkinFormtype() == sfMainform) default_ = data;
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
    std::erase(components_, data);
    // A component going away leaves no reference behind to it.
    if (default_ == data) default_ = nullptr;
    if (requesting_ == data) requesting_ = nullptr;
}

LRESULT CALLBACK TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager();
    if (code >= 0 && manager) {
        const auto window = reinterpret_cast<HWND>(wParam);
        switch (code) {
            case HCBT_CREATEWND:
                manager->OnWindowCreated(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam));
                break;
            case HCBT_DESTROYWND:
                manager->UnskinPopupMenu(window);
                break;
            case HCBT_ACTIVATE:
                if (manager->lifecycle_ == 0) manager->lifecycle_ = kStateRunning;
                manager->SkinWindow(window);
                break;
            default:
                break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::OnWindowCreated(HWND window, const CBT_CREATEWNDA& create) {
    const CREATESTRUCTA& cs = *create.lpcs;
    const std::string className = ClassNameOfWindow(window);
    const auto style = static_cast<DWORD>(cs.style);
    if (className == "ScrollBar" && (style & SBS_SIZEGRIP))
        if (TWinSkinForm* parent = FindFormSkinner(cs.hwndParent)) parent->SkinChild(window);
    if (!(style & WS_CHILD) && className == "#32768") SkinPopupMenu(window);
    if (cs.dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

TWinControl* TSkinManage::FindToolkitForm(HWND window) {
    if (!window) return nullptr;
    if (Screen)
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->HandleAllocated() && Screen->Forms(i)->Handle() == window) return Screen->Forms(i);
    return FindControl(window);
}

bool TSkinManage::SkinWindow(HWND window) {
    if (!active_ || !IsWindow(window)) return false;
    PurgeFormSkinners();
    if (SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1) return false;
    if (FindFormSkinner(window)) return false;
    TWinControl* form = FindToolkitForm(window);
    const std::string className = ClassNameOfWindow(window);
    if (!AdoptionAllowed(window, className, form)) return false;
    TSkinData* skin = FindSkinData(window);
    if (!skin || skin->Empty()) return false;
    auto skinner = std::make_unique<TWinSkinForm>();
    if (auto* toolkitForm = dynamic_cast<TCustomForm*>(form))
        skinner->AttachForm(skin, toolkitForm);
    else
        skinner->Attach(skin, window);
    formSkinners_.push_back(std::move(skinner));
    PostMessageA(window, SKM_STARTSKIN, 0, 1000);
    return true;
}

// The checks of adoption that depend on the window alone, in their order.
bool TSkinManage::AdoptionAllowed(HWND window, const std::string& className, TWinControl* form) const {
    const bool mdiChild = HasStyle(window, GWL_EXSTYLE, WS_EX_MDICHILD);
    if (!sweeping_ && HasStyle(window, GWL_STYLE, WS_CHILD) && !mdiChild &&
        LowerClassNameOfWindow(GetParent(window)) != "mdiclient")
        return false;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    if (!form && instance != GetModuleHandleA(nullptr) && className != "#32770") return false;
    RECT r{};
    GetWindowRect(window, &r);
    if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
    if (form && form->Tag() == kNeverSkinTag) return false;
    if (className.find("TcxPopupEditPopupWindow") != std::string::npos ||
        className.find("TTERenderWindow") != std::string::npos || className == "TApplication")
        return false;
    return CanSkinWindow(window, className);
}

void TSkinManage::SkinVisibleForm(TCustomForm* form) {
    if (!form || !form->Visible() || !form->HandleAllocated()) return;
    if (HasStyle(form->Handle(), GWL_STYLE, WS_CHILD)) return;
    SkinWindow(form->Handle());
}

TWinSkinForm* TSkinManage::FindFormSkinner(HWND window) const {
    for (const auto& skinner : formSkinners_)
        if (skinner->Handle() == window) return skinner.get();
    return nullptr;
}

void TSkinManage::PurgeFormSkinners() {
    if (lifecycle_ == kStateDestroying) return;
    std::erase_if(formSkinners_, [](const auto& skinner) { return !skinner || skinner->Dead(); });
}

void TSkinManage::SkinPopupMenu(HWND window) {
    if (!active_ || !popupFactory_) return;
    if (SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1 || IsPopupMenuSkinned(window)) return;
    TSkinData* skin = FindSkinData(window);
    if (!skin || skin->Empty()) return;
    const TSkinControlTypes controls = skin->SkinControls();
    const bool wanted = nextMenuKind_ == mkContext    ? controls.Contains(xcPopupMenu)
                        : nextMenuKind_ == mkMenuBar ? controls.Contains(xcMainMenu) || controls.Contains(xcMenuItem)
                                                     : controls.Contains(xcSystemMenu);
    if (!wanted) return;
    if (auto skinner = popupFactory_(window, *skin)) menuSkinners_.push_back(std::move(skinner));
}

bool TSkinManage::UnskinPopupMenu(HWND window) {
    auto it = std::find_if(menuSkinners_.begin(), menuSkinners_.end(),
                           [window](const auto& skinner) { return skinner->Window() == window; });
    if (it == menuSkinners_.end()) return false;
    (*it)->Detach();
    menuSkinners_.erase(it);
    if (menuSkinners_.empty()) nextMenuKind_ = mkContext;
    return true;
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
    return std::any_of(menuSkinners_.begin(), menuSkinners_.end(),
                       [window](const auto& skinner) { return skinner->Window() == window; });
}

void TSkinManage::SetMDIChildMaximized(bool maximized) {
    mdiChildMaximized_ = maximized;
    if (default_ && default_->Options().Contains(xoMDIChildBorder)) return;
    for (const auto& skinner : formSkinners_)
        if (!skinner->Dead() && skinner->IsMDIChild()) skinner->MDIChildMaximizedChanged(maximized);
}

void TSkinManage::PostCommand(TSkinCommand command, int delayMs) {
    pending_ = command;
    timer_->SetInterval(delayMs);
    if (lifecycle_ != 0) {
        timer_->SetEnabled(true);
        return;
    }
    // No window has been activated yet: the hook adopts windows as they are activated.
    if (command == cmdSkinAll) active_ = true;
    if (command == cmdUnskinAll) active_ = false;
}

void TSkinManage::ResetSkinData() {
    for (const auto& skinner : formSkinners_)
        if (!skinner->Dead() && skinner->Skin() == requesting_) skinner->ReleaseButtons();
}

TSkinData* TSkinManage::FindSkinData(HWND window) const {
    const auto lastOf = [this](const std::function<bool(TSkinData*)>& match) -> TSkinData* {
        TSkinData* found = nullptr;
        for (TSkinData* data : components_)
            if (match(data)) found = data;
        return found;
    };
    if (TSkinData* own = lastOf([window](TSkinData* d) {
            auto* owner = dynamic_cast<TWinControl*>(d->Owner());
            return d->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() &&
                   owner->Handle() == window;
        }))
        return own;
    const std::string className = LowerClassNameOfWindow(window);
    if (className == "tmessageform" || className == "#32770")
        if (TSkinData* dialog = lastOf([](TSkinData* d) { return d->SkinFormtype() == sfDialog; })) return dialog;
    if (TSkinData* main = lastOf([](TSkinData* d) { return d->SkinFormtype() == sfMainform; })) return main;
    return components_.empty() ? nullptr : components_.front();
}

bool TSkinManage::CanSkinWindow(HWND window, const std::string& className) const {
    bool result = true;
    if (!default_) return result;
    if (!default_->Options().Contains(xoPreview) && Lower(className).find("preview") != std::string::npos)
        result = false;
    if (className == "#32770" && HasStyle(window, GWL_STYLE, 0x200)) result = false;
    default_->DoFormSkin(window, className, result);
    return result;
}

void TSkinManage::CommandTimer() {
    timer_->SetEnabled(false);
    TSkinData* data = requesting_;
    if (!data) return;
    const bool onlyThisForm = data->SkinFormtype() == sfOnlyThisForm;
    switch (pending_) {
        case cmdSkinAll:
            active_ = true;
            sweeping_ = true;
            if (onlyThisForm) {
                for (int i = Screen->FormCount() - 1; i >= 0; --i)
                    if (Screen->Forms(i) == data->Owner()) SkinVisibleForm(Screen->Forms(i));
            } else {
                PurgeFormSkinners();
                SkinAllForms();
            }
            sweeping_ = false;
            break;
        case cmdUnskinAll:
            active_ = false;
            PurgeFormSkinners();
            if (onlyThisForm) {
                for (auto it = formSkinners_.rbegin(); it != formSkinners_.rend(); ++it)
                    if ((*it)->Skin() == data) {
                        UnskinAndFree(it->get());
                        break;
                    }
            } else {
                while (!formSkinners_.empty()) UnskinAndFree(formSkinners_.front().get());
            }
            break;
        case cmdRefresh:
            PurgeFormSkinners();
            RefreshSkinnersOf(data, onlyThisForm);
            break;
        case cmdNone:
            break;
    }
    pending_ = cmdNone;
    data->DoSkinChanged();
    requesting_ = nullptr;
}

void TSkinManage::SkinAllForms() {
    for (int i = Screen->FormCount() - 1; i >= 0; --i) SkinVisibleForm(Screen->Forms(i));
}

void TSkinManage::UnskinAndFree(TWinSkinForm* skinner) {
    const HWND window = skinner->Handle();
    skinner->Unskin();
    if (IsWindow(window)) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    auto it = std::find_if(formSkinners_.begin(), formSkinners_.end(),
                           [skinner](const auto& entry) { return entry.get() == skinner; });
    if (it != formSkinners_.end()) formSkinners_.erase(it);
}

void TSkinManage::RefreshSkinnersOf(TSkinData* data, bool firstOnly) {
    std::vector<TWinSkinForm*> users;
    for (const auto& skinner : formSkinners_)
        if (skinner->Skin() == data) users.push_back(skinner.get());
    if (firstOnly && users.size() > 1) users.resize(1);
    for (TWinSkinForm* skinner : users) skinner->RebuildButtons();
    for (TWinSkinForm* skinner : users) skinner->Repaint();
}
