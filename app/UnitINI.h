#pragma once
// The program's shell state: first-run detection, the settings file "Pelmar.INI" beside
// the program, and applying the stored settings to the two long-lived windows.
//
// The file is read once at start-up (ApplySettings) and written once at exit: the first of
// the main window's close query, close, destroy and log-off handlers calls
// SaveSettingsOnce, the others find SettingsSaved set.

// True when "Pelmar.INI" did not exist when the program started; set by DetectFirstRun.
extern bool IsFirstRun;
// Set just before the settings file is written, never reset: a write that fails part-way
// is not tried again.
extern bool SettingsSaved;

// Sets IsFirstRun from the settings file's absence in the application folder.
void DetectFirstRun();
// Makes the application folder current and reads the settings file into MainForm and
// FrmSettings (defaults for anything missing).
void LoadSettings();
// Writes MainForm's placement and FrmSettings' options to the settings file; raises
// "Unable to write to <file>" when the file cannot be written.
void SaveSettings();
// The guarded save: does nothing once SettingsSaved is set; else sets it, then SaveSettings.
void SaveSettingsOnce();
// With "skin.skn" beside the program: loads it when "Use skins" is ticked (a skin that cannot
// be used is reported and the program goes on unskinned), then switches skinning to the tick.
void ApplySkinSetting();
// LoadSettings, the skin, then the application's hint colour and delays, then FrmSettings'
// Apply.
void ApplySettings();
