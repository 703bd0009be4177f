#pragma once
// TSkinManage: the one process-wide object that decides which top-level windows get a skinned
// frame, keeps the live frame and pop-up menu skinners, and carries out the skin components'
// requests (skin everything, unskin everything, refresh) on a timer (Win32).
//
// It watches window creation, activation and destruction of the program's thread through a
// CBT hook, so forms, dialogs, MDI children and pop-up menus that appear later are adopted
// without any call from the program. It never paints.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Win.h"

class TSkinData;
class TWinSkinForm;
class TWinControl;
class TCustomForm;
class TTimer;

enum TSkinCommand { cmdNone = 0, cmdSkinAll = 1, cmdUnskinAll = 2, cmdRefresh = 3 };

// What the next pop-up menu window is: its kind decides which SkinControls member it needs.
enum TMenuKind { mkContext = 0, mkMenuBar = 1, mkSystemMenu = 2 };

// A skinner of one pop-up menu window ("#32768").
class TPopupMenuSkinner {
public:
    virtual ~TPopupMenuSkinner() = default;
    virtual HWND Window() const = 0;
    virtual void Detach() = 0;
};
// Makes the skinner of an adopted pop-up menu window with the chosen skin.
using TPopupMenuSkinnerFactory = std::function<std::unique_ptr<TPopupMenuSkinner>(HWND, TSkinData&)>;

class TSkinManage {
public:
    TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;
    ~TSkinManage();

    void InstallHook();
    void AddSkinData(TSkinData* data);
    void RemoveSkinData(TSkinData* data);

    bool SkinWindow(HWND window);
    void SkinVisibleForm(TCustomForm* form);
    TWinSkinForm* FindFormSkinner(HWND window) const;
    void PurgeFormSkinners();

    void SkinPopupMenu(HWND window);
    bool UnskinPopupMenu(HWND window);
    bool IsPopupMenuSkinned(HWND window) const;
    void SetPopupMenuSkinnerFactory(TPopupMenuSkinnerFactory factory) { popupFactory_ = std::move(factory); }

    void SetMDIChildMaximized(bool maximized);
    bool MDIChildMaximized() const { return mdiChildMaximized_; }

    void PostCommand(TSkinCommand command, int delayMs);
    void ResetSkinData();

    TSkinData* FindSkinData(HWND window) const;
    bool CanSkinWindow(HWND window, const std::string& className) const;
    static TWinControl* FindToolkitForm(HWND window);

    bool Active() const { return active_; }
    void SetActive(bool on) { active_ = on; }
    int LifecycleState() const { return lifecycle_; }
    void SetLifecycleState(int state) { lifecycle_ = state; }
    TMenuKind NextMenuKind() const { return nextMenuKind_; }
    void SetNextMenuKind(TMenuKind kind) { nextMenuKind_ = kind; }
    TSkinData* RequestingComponent() const { return requesting_; }
    void SetRequestingComponent(TSkinData* data) { requesting_ = data; }
    TSkinData* DefaultComponent() const { return default_; }
    TSkinCommand PendingCommand() const { return pending_; }
    DWORD PlatformVersion() const { return version_; }
    HWND MDIClient() const { return mdiClient_; }
    void SetMDIFrame(HWND client, TWinControl* frame) { mdiClient_ = client, mdiFrame_ = frame; }
    const std::vector<std::unique_ptr<TWinSkinForm>>& FormSkinners() const { return formSkinners_; }
    const std::vector<TSkinData*>& SkinComponents() const { return components_; }
    const std::vector<std::unique_ptr<TPopupMenuSkinner>>& MenuSkinners() const { return menuSkinners_; }

    // The request of the pending command, carried out now (the timer's tick).
    void CommandTimer();

private:
    static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    void OnWindowCreated(HWND window, const CBT_CREATEWNDA& create);
    bool AdoptionAllowed(HWND window, const std::string& className, TWinControl* form) const;
    void SkinAllForms();
    void UnskinAndFree(TWinSkinForm* skinner);
    void RefreshSkinnersOf(TSkinData* data, bool firstOnly);

    std::unique_ptr<TTimer> timer_;
    HHOOK hook_ = nullptr;
    std::vector<std::unique_ptr<TWinSkinForm>> formSkinners_;
    std::vector<std::unique_ptr<TPopupMenuSkinner>> menuSkinners_;
    std::vector<TSkinData*> components_;
    bool active_ = false;
    bool sweeping_ = false;
    int lifecycle_ = 0;
    TMenuKind nextMenuKind_ = mkContext;
    bool mdiChildMaximized_ = false;
    HWND mdiClient_ = nullptr;
    TWinControl* mdiFrame_ = nullptr;
    TSkinCommand pending_ = cmdNone;
    TSkinData* requesting_ = nullptr;
    TSkinData* default_ = nullptr;
    DWORD version_ = 0;
    TPopupMenuSkinnerFactory popupFactory_;
};

// The process's manager, or null before a skin component has loaded.
TSkinManage* SkinManager();
// Creates the manager when there is none.
TSkinManage& EnsureSkinManager();
// Restores every skinned window and removes the hook: at the end of the program.
void DestroySkinManager();

// A window's class name as registered, and lower-cased.
std::string ClassNameOfWindow(HWND window);
std::string LowerClassNameOfWindow(HWND window);
