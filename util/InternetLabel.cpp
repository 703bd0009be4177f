#include "util/InternetLabel.h"

#include "toolkit/Dialogs.h"
#include "util/MovraTPU.h"

const TClassInfo& TInternetLabel::StaticClass() {
    using C = TInternetLabel;
    using P = TProps<C>;
    // The mouse events are the control's own; they are listed again so that the label's
    // table reads as the component's whole published surface.
    static const TClassInfo info(
        "TInternetLabel", &TLabel::StaticClass(), Creator<C>(),
        {
            P::Boolean("About", &C::About, &C::SetAbout).Stored(false),
            P::String("Link", &C::Link, &C::SetLink),
            P::Boolean("LinkHint", &C::LinkHint, &C::SetLinkHint).Default(false),
            P::Boolean("Visited", &C::Visited, &C::SetVisited).Default(false),
            P::Color("VisitedColor", &C::VisitedColor, &C::SetVisitedColor).Default(clPurple),
            P::Color("NotVisitedColor", &C::NotVisitedColor, &C::SetNotVisitedColor).Default(clBlue),
            P::Color("OverColor", &C::OverColor, &C::SetOverColor).Default(clRed),
            P::Event("OnMouseEnter", static_cast<TNotifyEvent C::*>(&TControl::OnMouseEnter)),
            P::Event("OnMouseLeave", static_cast<TNotifyEvent C::*>(&TControl::OnMouseLeave)),
            P::Event("OnLinkActivating", &C::OnLinkActivating),
        });
    return info;
}

TOOLKIT_REGISTER(TInternetLabel);

TInternetLabel::TInternetLabel(TComponent* owner) : TLabel(owner) {
    SetCursor(crHandPoint);
    Font()->SetColor(notVisitedColor_);
    Font()->SetStyle({});
}

void TInternetLabel::SetAbout(bool show) {
    if (show) ShowMessage("Internet Label 2.0");
}

void TInternetLabel::SetLink(const std::string& link) {
    link_ = link;
    if (linkHint_) SetHint(link);
}

void TInternetLabel::SetVisited(bool visited) {
    visited_ = visited;
    Font()->SetColor(StateColor());
}

void TInternetLabel::SetVisitedColor(TColor color) {
    visitedColor_ = color;
    if (visited_ && !hovering_) Font()->SetColor(color);
}

void TInternetLabel::SetNotVisitedColor(TColor color) {
    notVisitedColor_ = color;
    if (!visited_ && !hovering_) Font()->SetColor(color);
}

void TInternetLabel::SetOverColor(TColor color) {
    overColor_ = color;
    if (hovering_) Font()->SetColor(color);
}

bool TInternetLabel::CanActivateLink() {
    bool canActivate = !link_.empty();
    OnLinkActivating(this, canActivate);
    return canActivate;
}

void TInternetLabel::ActivateLink() {
    if (CanActivateLink()) SetVisited(pelmar::ShellOpen(link_));
}

void TInternetLabel::Click() {
    TLabel::Click();
    ActivateLink();
}

void TInternetLabel::WndProc(TMessage& message) {
    if (message.Msg == CM_MOUSEENTER) PointerEntered();
    if (message.Msg == CM_MOUSELEAVE) PointerLeft();
    // The control raises OnMouseEnter / OnMouseLeave after the label has recoloured itself.
    TLabel::WndProc(message);
}

// A form file may set the font after the colour properties, or leave them out and inherit
// its form's font: either way the label shows the colour of its state once it is read.
void TInternetLabel::Loaded() {
    TLabel::Loaded();
    if (!hovering_) Font()->SetColor(StateColor());
}

void TInternetLabel::PointerEntered() {
    hovering_ = true;
    Font()->SetColor(overColor_);
    SetUnderline(true);
}

void TInternetLabel::PointerLeft() {
    hovering_ = false;
    SetUnderline(false);
    Font()->SetColor(StateColor());
}

void TInternetLabel::SetUnderline(bool on) {
    TFontStyles style = Font()->Style();
    Font()->SetStyle(on ? style.Include(fsUnderline) : style.Exclude(fsUnderline));
}
