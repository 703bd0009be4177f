#pragma once
// The gallery's window: every toolkit control, most of them several times, each in one of
// the states a skin draws (form file tools/skin-gallery/GalleryForm.dfm, RCDATA TGALLERYFORM).
// States that properties give (disabled, checked, indeterminate, down, default) are in the
// form file; the ones a user's pointer and keyboard give are forced on controls by name
// (GalleryStates.h).

#include <string>

#include "skin/WinSkinData.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"

class TGalleryForm : public TForm {
    TOOLKIT_CLASS(TGalleryForm, TForm)

public:
    using TForm::TForm;

    TSkinData* SkinData = nullptr;
    TStatusBar* StatusBar = nullptr;
    TListView* lvFiles = nullptr;
    TImage* imgPicture = nullptr;

    // Reads the skin file and switches skinning on; raises an error naming what is wrong
    // when the file is missing or is no skin.
    void UseSkin(const std::string& path);

    // What a form file cannot hold: list items and a picture drawn here.
    void FormCreate(TObject* sender);
    void mnuExitClick(TObject* sender);
};
