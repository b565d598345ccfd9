#pragma once
// Named bitmap resources: the pictures the program carries, registered once by name (by the
// program and the tests, from the embedded artwork) and loaded by name where a control wants a
// glyph or an icon.

#include "platform/kernel/Exceptions.h"

#include <string>
#include <string_view>

class TBitmap;

class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// Keeps a copy of a BMP or PNG file's bytes under the name (compared without regard to case);
// a later registration of the name replaces the earlier one.
void RegisterBitmapResource(const std::string& Name, std::string_view FileBytes);
bool BitmapResourceExists(const std::string& Name);
// Loads the named picture (PNG pictures as 32 bits with alpha). Raises EResNotFound
// "Resource <Name> not found" for a name nobody registered.
void LoadBitmapResource(TBitmap* Bitmap, const std::string& Name);
