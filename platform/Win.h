#pragma once
// The one way our Win32 code includes <windows.h>. The header's function-name macros
// (TextOut → TextOutA, LoadImage → LoadImageA, …) would silently rename our own
// methods of the same names, so they are undone here; call the explicit ...A
// functions instead.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef TextOut
#undef DrawText
#undef LoadImage
#undef GetObject
#undef CreateWindow
#undef SendMessage
#undef PostMessage
#undef GetMessage
#undef MessageBox
#undef LoadBitmap
#undef LoadIcon
#undef LoadCursor
#undef GetClassName
#undef CreateFont
#undef DrawState
#undef CopyFile
#undef DeleteFile
#undef FindResource
#undef GetUserName
#undef SetProp
#undef GetProp
#undef RemoveProp
#undef CreateDialog
#undef DrawTextEx
#undef GetCharWidth
#undef GetTextMetrics
#undef AppendMenu
#undef InsertMenu
#undef ModifyMenu
#undef GetMenuString
#undef GetMenuItemInfo
#undef SetMenuItemInfo
#undef InsertMenuItem
#undef RegisterClass
#undef UnregisterClass
#undef GetWindowText
#undef SetWindowText
#undef GetWindowTextLength
#undef DefWindowProc
#undef CallWindowProc
#undef GetWindowLong
#undef SetWindowLong
#undef GetWindowLongPtr
#undef SetWindowLongPtr
#undef GetClassLong
#undef SetClassLong
#undef GetClassLongPtr
#undef SetClassLongPtr
#undef IsDialogMessage
#undef TranslateAccelerator
#undef DispatchMessage
#undef PeekMessage
#undef FindWindow
