#pragma once
// TSkinAdvPage: other libraries' page controls, which draw their tabs on background
// bitmaps of their own (Win32). The control's "TabBackGround" takes frame 1 of the skin's
// Tabs image and its "TabBackGroundActive" frame 2, until Detach gives it back the bitmaps
// it had. The control paints itself; the skinner does not hook its messages.

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/WinSubClass.h"

class TSkinAdvPage : public TSkinControl {
public:
    TSkinAdvPage() { hooksMessages_ = false; }
    ~TSkinAdvPage() override;
    void Detach() override;

protected:
    void Attached() override;

private:
    struct TSavedBackground {
        std::string property;
        std::unique_ptr<TBitmap> bitmap;
    };
    // The control's bitmap property of that name; null when it has none.
    TBitmap* Background(const std::string& property) const;

    std::vector<TSavedBackground> saved_;
};
