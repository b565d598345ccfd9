#include "platform/gdi/GdiObjects.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace gdi {
namespace {

struct Entry {
    std::shared_ptr<Object> object;
    bool stock = false;
};

struct Table {
    std::mutex lock;
    std::unordered_map<std::uintptr_t, Entry> entries;
    // Handle values are never reused, so a deleted handle can never name a newer object.
    std::uintptr_t next = 0x10000;
};

Table& TheTable()
{
    static Table* table = new Table;  // lives until exit; stock objects are never freed
    return *table;
}

} // namespace

HGDIOBJ Register(std::shared_ptr<Object> object, bool stock)
{
    Table& t = TheTable();
    std::lock_guard guard(t.lock);
    std::uintptr_t key = t.next;
    t.next += 4;
    object->handle_ = reinterpret_cast<HGDIOBJ>(key);
    t.entries.emplace(key, Entry{std::move(object), stock});
    return reinterpret_cast<HGDIOBJ>(key);
}

std::shared_ptr<Object> Lookup(const void* handle)
{
    Table& t = TheTable();
    std::lock_guard guard(t.lock);
    auto it = t.entries.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == t.entries.end() ? nullptr : it->second.object;
}

bool Unregister(const void* handle)
{
    Table& t = TheTable();
    std::shared_ptr<Object> doomed;  // destroyed after the lock is released
    std::lock_guard guard(t.lock);
    auto it = t.entries.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.entries.end())
        return false;
    if (it->second.stock)
        return true;
    if (it->second.object.use_count() > 1)
        return false;
    doomed = std::move(it->second.object);
    t.entries.erase(it);
    return true;
}

int Complexity(const Region& region)
{
    if (region.IsEmpty())
        return NULLREGION;
    return region.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace gdi
