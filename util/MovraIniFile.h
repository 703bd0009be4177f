#pragma once
// The settings-file class of the program's utility routines: the toolkit's INI file as it
// is, under the name the program's units use. Every read and write goes to the file.

#include "toolkit/IniFiles.h"

namespace pelmar {

using TMovraIniFile = ::TIniFile;

}  // namespace pelmar
