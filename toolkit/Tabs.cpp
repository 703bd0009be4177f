#include "toolkit/Tabs.h"

const TClassInfo& TTabSet::StaticClass() {
    using C = TTabSet;
    using P = TProps<C>;
    static const TClassInfo info("TTabSet", &TCustomControl::StaticClass(), Creator<C>(),
                                 {
                                     P::Object("Tabs", &C::Tabs),
                                     P::Integer("TabIndex", &C::TabIndex, &C::SetTabIndex).Default(-1),
                                     P::Color("SelectedColor", &C::SelectedColor, &C::SetSelectedColor).Default(clBtnFace),
                                     P::Color("UnselectedColor", &C::UnselectedColor, &C::SetUnselectedColor)
                                         .Default(clWindow),
                                     P::Color("BackgroundColor", &C::BackgroundColor, &C::SetBackgroundColor)
                                         .Default(clBtnFace),
                                     P::Enum("TabPosition", &C::TabPosition, &C::SetTabPosition).Default(tpBottom),
                                     P::Integer("StartMargin", &C::StartMargin, &C::SetStartMargin).Default(5),
                                     P::Integer("TabHeight", &C::TabHeight, &C::SetTabHeight).Default(20),
                                     P::Boolean("TabStop", &C::TabStop, &C::SetTabStop).Default(true),
                                     P::Event("OnChange", &C::OnChange),
                                 });
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), tabs_(std::make_unique<TStringList>()) {
    SetBounds(0, 0, 185, 21);
    SetTabStop(true);
    tabs_->OnChange = [this](TObject*) {
        if (tabIndex_ >= tabs_->Count() && !ComponentState().Contains(csLoading)) tabIndex_ = tabs_->Count() - 1;
        Invalidate();
    };
}

TTabSet::~TTabSet() { tabs_->OnChange = TNotifyEvent(); }

void TTabSet::SetTabIndex(int index) {
    if (!ComponentState().Contains(csLoading) && (index < -1 || index >= tabs_->Count()))
        throw EPropertyError(Format("Tab index %d is out of range", index));
    if (ChangeField(tabIndex_, index)) Invalidate();
}

void TTabSet::SetSelectedColor(TColor color) {
    if (ChangeField(selectedColor_, color)) Invalidate();
}

void TTabSet::SetUnselectedColor(TColor color) {
    if (ChangeField(unselectedColor_, color)) Invalidate();
}

void TTabSet::SetBackgroundColor(TColor color) {
    if (ChangeField(backgroundColor_, color)) Invalidate();
}

void TTabSet::SetTabPosition(TTabPosition position) {
    if (position != tpTop && position != tpBottom) throw EPropertyError("A tab set's tabs are at its top or bottom");
    if (ChangeField(tabPosition_, position)) Invalidate();
}

void TTabSet::SetStartMargin(int margin) {
    if (ChangeField(startMargin_, margin)) Invalidate();
}

void TTabSet::SetTabHeight(int height) {
    if (height < 6) throw EPropertyError("TabHeight must be at least 6");
    if (ChangeField(tabHeight_, height)) Invalidate();
}

void TTabSet::Loaded() {
    TCustomControl::Loaded();
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = -1;
}

// Each tab is as wide as its caption plus room for both slanted sides; tabs overlap by one
// slant, as the sides of neighbouring tabs do on a notebook.
TRect TTabSet::TabRect(int index) {
    if (index < 0 || index >= tabs_->Count()) return TRect{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    int x = startMargin_;
    TRect r{};
    for (int i = 0; i <= index; ++i) {
        SIZE size{};
        const std::string caption = tabs_->Get(i);
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        const int width = size.cx + 2 * Slant() + 8;
        const int top = tabPosition_ == tpBottom ? 0 : Height() - tabHeight_;
        r = Bounds(x, top, width, tabHeight_);
        x += width - Slant();
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return r;
}

int TTabSet::ItemAtPos(TPoint p) {
    // The selected tab lies over its neighbours, then later tabs over earlier ones.
    if (tabIndex_ >= 0) {
        const TRect r = TabRect(tabIndex_);
        if (PtInRect(&r, p)) return tabIndex_;
    }
    for (int i = tabs_->Count() - 1; i >= 0; --i) {
        const TRect r = TabRect(i);
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    const int index = ItemAtPos(TPoint{x, y});
    if (index < 0 || index == tabIndex_) return;
    bool allow = true;
    OnChange(this, index, allow);
    if (allow) SetTabIndex(index);
    if (CanFocus()) SetFocus();
}

void TTabSet::DrawTab(TCanvas& canvas, int index) {
    const TRect r = TabRect(index);
    const bool selected = index == tabIndex_;
    // The edge that joins the page, and the tab's outer edge.
    const int joinY = tabPosition_ == tpBottom ? r.top : r.bottom - 1;
    const int outerY = tabPosition_ == tpBottom ? r.bottom - 1 : r.top;
    canvas.Brush()->SetColor(selected ? selectedColor_ : unselectedColor_);
    canvas.Pen()->SetColor(clWindowFrame);
    canvas.Polygon({{r.left, joinY}, {r.left + Slant(), outerY}, {r.right - Slant(), outerY}, {r.right, joinY}});
    if (selected) {
        // The selected tab opens onto the page: no line along its joining edge.
        canvas.Pen()->SetColor(selectedColor_);
        canvas.MoveTo(r.left + 1, joinY);
        canvas.LineTo(r.right, joinY);
    }
    TRect text = r;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(Enabled() ? clBtnText : clGrayText);
    canvas.DrawText(tabs_->Get(index), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    canvas.Brush()->SetStyle(bsSolid);
    if (selected && Focused()) {
        InflateRect(&text, -Slant(), -3);
        DrawFocusRect(canvas.Handle(), &text);
    }
}

void TTabSet::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(backgroundColor_);
    canvas.FillRect(ClientRect());
    // The page's edge that the tabs hang from.
    const int edge = tabPosition_ == tpBottom ? 0 : Height() - 1;
    canvas.Pen()->SetColor(clWindowFrame);
    canvas.MoveTo(0, edge);
    canvas.LineTo(Width(), edge);
    for (int i = tabs_->Count() - 1; i >= 0; --i)
        if (i != tabIndex_) DrawTab(canvas, i);
    if (tabIndex_ >= 0) DrawTab(canvas, tabIndex_);
}

TOOLKIT_REGISTER(TTabSet);
