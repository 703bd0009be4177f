#include "ui/FormAbout.h"

#include "util/MovraTPU.h"

namespace {
const char* const kOwnershipNotice = "Copyright (c) 2006 Tarvik. All rights reserved.";
}

const TClassInfo& TAboutBox::StaticClass() {
    using C = TAboutBox;
    using P = TProps<C>;
    static const TClassInfo info("TAboutBox", &TForm::StaticClass(), Creator<C>(), {},
                                 {P::Method("FormCreate", &C::FormCreate), P::Method("CloseOnClick", &C::CloseOnClick)},
                                 {P::Field("lblVersion", &C::lblVersion), P::Field("lblCopyRight", &C::lblCopyRight),
                                  P::Field("InternetLabel", &C::InternetLabel)});
    return info;
}

TOOLKIT_REGISTER(TAboutBox);

void TAboutBox::FormCreate(TObject*) {
    lblVersion->SetCaption("Version " + pelmar::GetAppVersion());
    lblCopyRight->SetCaption(kOwnershipNotice);
}

void TAboutBox::CloseOnClick(TObject*) { Close(); }
