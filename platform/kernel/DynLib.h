#pragma once
// Dynamic libraries, loaded and bound at run time.

#include <string>

using LibHandle = void*;

// Loads a library by full path, or by name through the system's library search; every symbol
// is resolved at once and nothing is exported to libraries loaded later. On failure returns
// nullptr and, when error is given, the system's text for the failure.
LibHandle LoadLibraryFile(const std::string& pathOrName, std::string* error);

// Looks a symbol up in a loaded library (and the libraries it depends on). On failure returns
// nullptr and the system's text for the failure.
void* GetLibrarySymbol(LibHandle handle, const std::string& name, std::string* error);

void FreeLibraryFile(LibHandle handle);
