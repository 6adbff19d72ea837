#pragma once

#include <windows.h>

// Velnor is a program that people run from wherever they saved it, most
// often a downloads folder: a DLL that lands beside it must never run.

// Narrows the DLL search of the whole process to the system folder and
// takes the current folder out of it. Call first thing, before anything
// can load a library.
void RestrictDllSearchToSystem();

// Loads one of Windows' own DLLs from the system folder alone.
HMODULE LoadSystemLibrary(const char* fileName);
