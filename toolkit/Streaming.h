#pragma once
// Form files: the text description of a window and its components (portable).
//
//   object MainForm: TMainForm           an object: its name, its registered class
//     Caption = 'Pelmar'                 a string: 'quoted', '' for a quote, #13#10 codes,
//                                        parts joined by adjacency or '+'
//     Left = 310                         an integer (decimal or $hex)
//     Align = alClient                   an identifier: enumeration, True/False, colour name,
//                                        handler name (events), component name (references)
//     Font.Style = [fsBold]              a nested property; a set
//     Lines.Strings = (                  a string list
//       'first'
//       'second')
//     OnCreate = FormCreate              an event bound to a published handler of the root
//     SkinStream = {00000000}            binary data of a property the component defines for
//                                        itself (TPersistent::DefineProperties), in hex
//     object PageControl: TPageControl   a child: owned by the root, its parent component is
//       ...                              the enclosing object
//     end
//   end
//
// Reading (ReadComponent): the root is the object being read into (a form); each nested
// object is created by registered class name with the root as owner, named, stored in the
// root's published field of that name, handed its enclosing object (SetParentComponent), and
// given its properties in file order (events bind to the root's published handlers at once).
// References to components are resolved once the whole file has been read; then Loaded runs on the root and on every new component,
// in the order they were read. Errors raise EReadError "Line n: ..." (EClassNotFound for an
// unknown class).
//
// Writing (WriteComponent): the stored published properties of the root (see TypInfo.h),
// its defined binary properties, then the children its GetChildren lists, recursively.

#include <string>
#include <string_view>

#include "toolkit/Classes.h"

// Reads `text` into `root`, whose class must be the one the file names (or derive from it).
void ReadComponent(TComponent& root, std::string_view text);
// Creates the component the file describes (by registered class) and reads it; the new
// component is owned by `owner`. Nothing is left behind when reading fails.
TComponent* ReadNewComponent(std::string_view text, TComponent* owner);

std::string WriteComponent(const TComponent& root);

// A string as form files write it: 'It''s'#13#10'ok'.
std::string QuoteFormString(std::string_view s);
