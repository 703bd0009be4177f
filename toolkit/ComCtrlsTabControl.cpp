#include "toolkit/ComCtrls.h"

#include <commctrl.h>

const TClassInfo& TTabControl::StaticClass() {
    using C = TTabControl;
    using P = TProps<C>;
    static const TClassInfo info("TTabControl", &TCustomTabControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Object("Tabs", &C::Tabs),
                                     P::Integer("TabIndex", &C::TabIndex, &C::SetTabIndex).Default(-1),
                                     P::Event("OnChange", &C::OnChange),
                                     P::Event("OnChanging", &C::OnChanging),
                                 });
    return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner), tabs_(std::make_unique<TStringList>()) {
    tabs_->OnChange = [this](TObject*) { TabsChanged(); };
}

TTabControl::~TTabControl() { tabs_->OnChange = TNotifyEvent(); }

void TTabControl::SetTabIndex(int index) {
    if (!ComponentState().Contains(csLoading) && (index < -1 || index >= tabs_->Count()))
        throw EPropertyError(Format("Tab index %d is out of range", index));
    tabIndex_ = index;
    if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TTabControl::TabsChanged() {
    if (ComponentState().Contains(csLoading)) return;
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
    ShowTabs(tabs_->Lines(), tabIndex_);
}

void TTabControl::CreateHandleExtras() { ShowTabs(tabs_->Lines(), tabIndex_); }

void TTabControl::Loaded() {
    TCustomTabControl::Loaded();
    TabsChanged();
}

void TTabControl::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY) {
        const UINT code = reinterpret_cast<NMHDR*>(m.LParam)->code;
        if (code == TCN_SELCHANGING) {
            bool allow = true;
            OnChanging(this, allow);
            m.Result = allow ? 0 : 1;
            return;
        }
        if (code == TCN_SELCHANGE) {
            tabIndex_ = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
            OnChange(this);
            return;
        }
    }
    TCustomTabControl::WndProc(m);
}

TOOLKIT_REGISTER(TTabControl);
