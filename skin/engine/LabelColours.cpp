#include "skin/engine/LabelColours.h"

#include "toolkit/StdCtrls.h"

namespace {

bool IsSystemText(TColor colour) { return colour == clWindowText || colour == clBtnText; }

}  // namespace

void TLabelColours::Apply(TComponent& form, TColor text) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* label = dynamic_cast<TCustomLabel*>(form.Components(i));
        if (!label) continue;
        if (!saved_.contains(label)) {
            if (!IsSystemText(label->Font()->Color())) continue;
            saved_[label] = label->Font()->Color();
        }
        label->Font()->SetColor(text);
    }
}

void TLabelColours::Restore(TComponent& form) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* label = dynamic_cast<TCustomLabel*>(form.Components(i));
        if (const auto found = saved_.find(label); label && found != saved_.end()) label->Font()->SetColor(found->second);
    }
    saved_.clear();
}
