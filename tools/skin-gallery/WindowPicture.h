#pragma once
// A picture of a window as the screen shows it, frame included, saved as a PNG or a BMP
// file by the name's extension (Win32).

#include <string>

#include "platform/Win.h"

// Raises an error when the name has neither extension or the file cannot be written.
void SaveWindowPicture(HWND window, const std::string& fileName);
