#pragma once

#include <windows.h>

#include <initializer_list>

// Velnor is a program that people run from wherever they saved it, most
// often a downloads folder: a DLL that lands beside it must never run.

// Narrows the DLL search of the whole process to the system folder and
// takes the current folder out of it. Call first thing, before anything
// can load a library.
void RestrictDllSearchToSystem();

// Loads one of Windows' own DLLs from the system folder alone.
HMODULE LoadSystemLibrary(const char* fileName);
// The first of the DLLs that loads from the system folder, in the order
// given; null when none does.
HMODULE LoadFirstSystemLibrary(std::initializer_list<const char*> fileNames);

// The function that the module exports under the name, as the caller's
// function type; null where the module lacks it.
template <typename Function> Function LibraryFunction(HMODULE module, const char* name)
{
    // Through a plain function pointer, which every function type converts to.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
