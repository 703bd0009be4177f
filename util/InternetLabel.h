#pragma once
// A label that behaves like a web link: one colour until its link has been followed and
// another afterwards, a third colour and an underline while the pointer is over it, a hand
// cursor, and on a click it hands its link to the system shell.
//
// The colour properties recolour the text when they are written, and once a form file has
// been read the text takes the colour of the label's state: the state colour always wins
// over whatever font colour the form gives the label.

#include <string>

#include "toolkit/StdCtrls.h"

// Raised before the link is opened; the handler may change CanActivate.
using TOnLinkActivating = TEvent<TObject*, bool&>;

class TInternetLabel : public TLabel {
    TOOLKIT_CLASS(TInternetLabel, TLabel)

public:
    explicit TInternetLabel(TComponent* owner);

    // Reads false; writing true shows the component's name and version in a message box.
    bool About() const { return false; }
    void SetAbout(bool show);

    const std::string& Link() const { return link_; }
    // With LinkHint on, the hint follows the link.
    void SetLink(const std::string& link);
    bool LinkHint() const { return linkHint_; }
    // Takes effect at the next write of Link.
    void SetLinkHint(bool on) { linkHint_ = on; }

    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    TColor VisitedColor() const { return visitedColor_; }
    void SetVisitedColor(TColor color);
    TColor NotVisitedColor() const { return notVisitedColor_; }
    void SetNotVisitedColor(TColor color);
    TColor OverColor() const { return overColor_; }
    void SetOverColor(TColor color);

    bool Hovering() const { return hovering_; }

    // Whether a click may open the link now: a link is needed, and OnLinkActivating may
    // overrule that either way.
    virtual bool CanActivateLink();
    // Opens the link through the shell when CanActivateLink allows it; the label counts as
    // visited exactly when the shell reports that it started.
    void ActivateLink();

    TOnLinkActivating OnLinkActivating;

protected:
    void Click() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    void PointerEntered();
    void PointerLeft();
    TColor StateColor() const { return visited_ ? visitedColor_ : notVisitedColor_; }
    void SetUnderline(bool on);

    bool hovering_ = false;
    std::string link_;
    bool linkHint_ = false;
    bool visited_ = false;
    TColor visitedColor_ = clPurple;
    TColor notVisitedColor_ = clBlue;
    TColor overColor_ = clRed;
};
