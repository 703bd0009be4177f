#pragma once
// The settings window: the skin and sound options, the choice of how help hints show and
// how long a tool-tip stays up. Created hidden at start-up, it lives until the program ends;
// closing it only hides it. Its controls are the settings in memory: UnitINI reads them
// from and writes them to the settings file.

#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Spin.h"
#include "toolkit/StdCtrls.h"

class TFrmSettings : public TForm {
    TOOLKIT_CLASS(TFrmSettings, TForm)

public:
    using TForm::TForm;

    TPageControl* PageControl = nullptr;
    TTabSheet* tabGeneral = nullptr;
    TCheckBox* chkSkins = nullptr;
    TCheckBox* chkSounds = nullptr;
    TGroupBox* GroupHelp = nullptr;
    TRadioButton* radHintsOff = nullptr;
    TRadioButton* radHintsTooltips = nullptr;
    TRadioButton* radHintsStatBar = nullptr;
    TLabel* lblHintHide = nullptr;
    TSpinEdit* spnHideHint = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnApply = nullptr;

    void FormCreate(TObject* sender);
    // A new hint choice: the main window's status bar starts empty.
    void DecideHints(TObject* sender);
    void radHintsOffClick(TObject* sender);
    // The tool-tip display time follows the spin box at every change of its text.
    void spnHideHintChange(TObject* sender);
    void btnApplyClick(TObject* sender);
    void btnOkClick(TObject* sender);
};

// The one settings window; null until created (tests of the main window alone).
extern TFrmSettings* FrmSettings;
