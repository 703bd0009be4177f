#include "skin/controls/SkinTab31.h"

#include "skin/WinSkinData.h"
#include "toolkit/Tabs.h"

void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
    auto* set = dynamic_cast<TTabSet*>(Control());
    if (!set || !PrepareImages(set->TabPosition() == tpBottom ? sdBottom : sdTop)) return;
    const TOffscreen off(dc, rect);
    FillParentFace(off.DC(), rect);
    for (int i = 0; i < set->Tabs()->Count(); ++i)
        if (i != set->TabIndex()) DrawSetTab(off.DC(), *set, i);
    if (set->TabIndex() >= 0) DrawSetTab(off.DC(), *set, set->TabIndex());
}

void TSkinTab31::DrawSetTab(HDC dc, TTabSet& set, int index) const {
    RECT r = set.TabRect(index);
    InflateRect(&r, -set.Slant() / 2, 0);
    DrawTab(dc, r, AnsiToWide(set.Tabs()->Get(index)), index == set.TabIndex());
}
