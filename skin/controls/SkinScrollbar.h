#pragma once
// TSkinScrollbar: a control's own scroll bars covered by two painted scroll-bar windows
// (Win32). After each message the control handles, the windows follow its bars: scrolling
// by keys, wheel, typing or the bar itself, resizing, moving, hiding and disabling all
// show up there, since each changes what the system reports about the bars. A toolkit
// control that makes its window anew (a memo's bars changed) gets a fresh skinner from the
// frame skinner.

#include <memory>

#include "skin/controls/WinSubClass.h"

class TWScrollbar;

class TSkinScrollbar : public TSkinControl {
public:
    TSkinScrollbar();
    ~TSkinScrollbar() override;

    // Attaches as AttachControl does, leaving the control's colours alone: it shows text of
    // the user's in colours of its own.
    void AttachScrolling(TWinControl& control, TSkinData& skin, TWinSkinForm* frame);
    void Detach() override;
    // The painted window over the vertical (true) or horizontal bar; null when detached.
    TWScrollbar* Bar(bool vertical) const { return (vertical ? vertical_ : horizontal_).get(); }

protected:
    void Attached() override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void SkinSwitched() override;
    // Whether the control's bars may have changed with the message it just handled.
    virtual bool MayChangeBars(const TMessage&) const { return true; }

private:
    void Follow();
    void AskForRenewal() const;

    std::unique_ptr<TWScrollbar> vertical_;
    std::unique_ptr<TWScrollbar> horizontal_;
    bool following_ = false;
};
