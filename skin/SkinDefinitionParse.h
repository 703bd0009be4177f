#pragma once
// The parse of a skin definition into the skin component's element records, in twelve
// steps: frame borders, colours, title-bar buttons, push buttons, title text, the optional
// elements, frame counts, the built elements, the frame colour, the button-face brush, and
// finally marking the component as holding a skin (Win32). Images come through the
// component's LoadImage, so the parse runs inside TSkinData::LoadSkin.

#include <string>

#include "skin/WinSkinData.h"
#include "skin/WinSkinIni.h"

class TSkinDefinitionParse {
public:
    TSkinDefinitionParse(TSkinData& data, const TQuickIni& ini) : data_(data), ini_(ini) {}
    void Run();

    // Where a title-bar button with Action 4 goes when no earlier button recorded one.
    static constexpr POINT kNoRecordedHelpPosition{0, 0};

private:
    enum class TVariant { Plain, SecondImage, Progress, GroupBox, MenuBar };
    struct TElementDescription;
    static const TElementDescription kElements[kSkinElementCount];

    // Steps.
    void ReadBorders();
    void ReadColours();
    void ReadSysButtons(const TStrings& sections);
    void ReadMdiButtons();
    void ReadButtons();
    void ReadTitle();
    void ReadOptionalElements();
    void SetFrameCounts();
    void BuildComboImages();
    void BuildComboArrow();
    void BuildToolbar(TColor frameColour);
    TColor SampleFrameColour();

    // One optional element and its variants.
    void ReadElement(TSkinElement element);
    void ReadPlainKeys(TDataSkinObject& record, const std::string& section, bool withFrame);
    void ReadMargins(TDataSkinObject& record, const std::string& section);
    void MirrorComboButton();
    void AddBuiltInTrack(TSkinElement element, const char* resourceName);

    // Keys.
    int Integer(const std::string& section, const std::string& key, int defaultValue) const {
        return ini_.ReadInteger(section, key, defaultValue);
    }
    std::string Text(const std::string& section, const std::string& key) const {
        return ini_.ReadString(section, key, "");
    }
    TColor Colour(const std::string& section, const std::string& key, TColor defaultValue) const;
    void Image(const std::string& section, const std::string& key, TBitmap& bitmap) {
        data_.LoadImage(bitmap, Text(section, key));
    }

    TSkinData& data_;
    const TQuickIni& ini_;
};
