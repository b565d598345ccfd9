#include "platform/kernel/DynLib.h"

#include <dlfcn.h>

namespace {

void TakeError(std::string* error)
{
    const char* text = dlerror();
    if (error)
        *error = text ? text : "unknown error";
}

} // namespace

LibHandle LoadLibraryFile(const std::string& pathOrName, std::string* error)
{
    LibHandle handle = dlopen(pathOrName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        TakeError(error);
    return handle;
}

void* GetLibrarySymbol(LibHandle handle, const std::string& name, std::string* error)
{
    dlerror();  // a symbol may legitimately be null: only a pending error means failure
    void* address = dlsym(handle, name.c_str());
    if (const char* text = dlerror()) {
        if (error)
            *error = text;
        return nullptr;
    }
    return address;
}

void FreeLibraryFile(LibHandle handle)
{
    if (handle)
        dlclose(handle);
}
