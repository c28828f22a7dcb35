// Handles and heap bytes of the test process.
#include "ProcessCounts.h"

#include "TQwin32.h"

#include <vector>

namespace {

// The system's list of every process's handles; Wine's GetProcessHandleCount
// answers 0.
struct HandleEntry {
    ULONG process;
    BYTE type;
    BYTE flags;
    USHORT handle;
    void* object;
    ACCESS_MASK access;
};
struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};
const ULONG kSystemHandleInformation = 16;

unsigned long handlesOfThisProcess()
{
    typedef LONG(WINAPI * Query)(ULONG, void*, ULONG, ULONG*);
    Query query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr)
        return 0;
    std::vector<char> room(1 << 16);
    ULONG needed = 0;
    LONG status;
    while ((status = query(kSystemHandleInformation, room.data(), static_cast<ULONG>(room.size()),
                           &needed))
           != 0) {
        if (room.size() >= (64u << 20))
            return 0;
        room.resize(room.size() * 2);
    }
    const HandleList* list = reinterpret_cast<const HandleList*>(room.data());
    unsigned long mine = 0;
    for (ULONG i = 0; i < list->count; ++i)
        mine += list->entries[i].process == GetCurrentProcessId() ? 1 : 0;
    return mine;
}

std::size_t bytesInUse(HANDLE heap)
{
    std::size_t bytes = 0;
    if (!HeapLock(heap))
        return 0;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            bytes += entry.cbData;
    }
    HeapUnlock(heap);
    return bytes;
}

} // namespace

ProcessCounts processCounts()
{
    ProcessCounts counts = {handlesOfThisProcess(), 0};
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    DWORD listed = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    heaps.resize(listed < heaps.size() ? listed : heaps.size());
    for (HANDLE heap : heaps)
        counts.heapBytes += bytesInUse(heap);
    return counts;
}
