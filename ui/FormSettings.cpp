#include "ui/FormSettings.h"

#include "ui/FormMain.h"

TFrmSettings* FrmSettings = nullptr;

const TClassInfo& TFrmSettings::StaticClass() {
    using C = TFrmSettings;
    using P = TProps<C>;
    static const TClassInfo info(
        "TFrmSettings", &TForm::StaticClass(), Creator<C>(), {},
        {P::Method("FormCreate", &C::FormCreate), P::Method("DecideHints", &C::DecideHints),
         P::Method("radHintsOffClick", &C::radHintsOffClick), P::Method("spnHideHintChange", &C::spnHideHintChange),
         P::Method("btnApplyClick", &C::btnApplyClick), P::Method("btnOkClick", &C::btnOkClick)},
        {P::Field("PageControl", &C::PageControl), P::Field("tabGeneral", &C::tabGeneral),
         P::Field("chkSkins", &C::chkSkins), P::Field("chkSounds", &C::chkSounds), P::Field("GroupHelp", &C::GroupHelp),
         P::Field("radHintsOff", &C::radHintsOff), P::Field("radHintsTooltips", &C::radHintsTooltips),
         P::Field("radHintsStatBar", &C::radHintsStatBar), P::Field("lblHintHide", &C::lblHintHide),
         P::Field("spnHideHint", &C::spnHideHint), P::Field("btnOk", &C::btnOk), P::Field("btnApply", &C::btnApply)});
    return info;
}
TOOLKIT_REGISTER(TFrmSettings);

void TFrmSettings::FormCreate(TObject*) {
    Icon()->LoadFromResourceName(GetModuleHandleA(nullptr), "MAINICON");
    lblHintHide->SetHint(
        "The hints will automatically disipear after this interval.\r\n"
        "If you don't have time to read the hints, please increase this value with few seconds.");
}

void TFrmSettings::DecideHints(TObject*) {
    // The choice itself takes effect at the main window's next hint event.
    if (MainForm) MainForm->StatBar->SetSimpleText("");
}

void TFrmSettings::radHintsOffClick(TObject* sender) { DecideHints(sender); }

void TFrmSettings::spnHideHintChange(TObject*) { Application->SetHintHidePause(spnHideHint->Value()); }

void TFrmSettings::btnApplyClick(TObject* sender) { spnHideHintChange(sender); }

void TFrmSettings::btnOkClick(TObject* sender) {
    btnApplyClick(sender);
    Close();
}
