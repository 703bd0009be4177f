#pragma once
// The program's start-up, up to the event loop: the application object titled, the first
// run detected, the main window and the hidden settings window created, the stored settings
// applied. The program's main block runs the loop after it; tests start the same way.

void StartProgram();
// After the event loop (or a failed start): skinned windows get their own look back while
// they still exist.
void EndProgram();
