// The allocation count: the program's import address table entries of the
// heap functions are swapped for counting stand-ins and back.
#include "AllocationCount.h"

#include "TQwin32.h"

#include <cstring>

namespace {

struct Counts {
    DWORD thread;
    unsigned long long total;
    unsigned long long largest;
};
Counts counts = {};

void note(unsigned long long bytes)
{
    if (GetCurrentThreadId() != counts.thread)
        return;
    counts.total += bytes;
    if (bytes > counts.largest)
        counts.largest = bytes;
}

using Malloc = void*(__cdecl*)(std::size_t);
using Calloc = void*(__cdecl*)(std::size_t, std::size_t);
using Realloc = void*(__cdecl*)(void*, std::size_t);
using HeapAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, SIZE_T);
Malloc realMalloc;
Calloc realCalloc;
Realloc realRealloc;
HeapAllocFn realHeapAlloc;

void* __cdecl countedMalloc(std::size_t bytes)
{
    note(bytes);
    return realMalloc(bytes);
}

void* __cdecl countedCalloc(std::size_t count, std::size_t size)
{
    note(static_cast<unsigned long long>(count) * size);
    return realCalloc(count, size);
}

void* __cdecl countedRealloc(void* block, std::size_t bytes)
{
    note(bytes);
    return realRealloc(block, bytes);
}

LPVOID WINAPI countedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes)
{
    note(bytes);
    return realHeapAlloc(heap, flags, bytes);
}

// The program's import slot of function from dll, or null when the program
// does not import it.
void** importSlot(const char* dll, const char* function)
{
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; module->Name != 0; ++module) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + module->Name), dll) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* named = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(named->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void swapSlot(void** slot, void* replacement)
{
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = replacement;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

// Points the slot at the stand-in, or back at the real function. The real
// one is known before the slot changes and stays known after, since
// another thread may be inside a stand-in at that moment.
template <class Function>
void swap(const char* dll, const char* name, Function* real, Function counted, bool install)
{
    void** slot = importSlot(dll, name);
    if (slot == nullptr)
        return;
    if (*real == nullptr)
        *real = reinterpret_cast<Function>(*slot);
    swapSlot(slot, install ? reinterpret_cast<void*>(counted) : reinterpret_cast<void*>(*real));
}

void swapAll(bool install)
{
    swap("msvcrt.dll", "malloc", &realMalloc, countedMalloc, install);
    swap("msvcrt.dll", "calloc", &realCalloc, countedCalloc, install);
    swap("msvcrt.dll", "realloc", &realRealloc, countedRealloc, install);
    swap("KERNEL32.dll", "HeapAlloc", &realHeapAlloc, countedHeapAlloc, install);
}

} // namespace

AllocationCount::AllocationCount()
{
    counts = {GetCurrentThreadId(), 0, 0};
    swapAll(true);
}

AllocationCount::~AllocationCount()
{
    swapAll(false);
    counts.thread = 0;
}

void AllocationCount::reset()
{
    counts.total = 0;
    counts.largest = 0;
}

unsigned long long AllocationCount::total() const
{
    return counts.total;
}

unsigned long long AllocationCount::largest() const
{
    return counts.largest;
}

bool AllocationCount::counting() const
{
    void** slot = importSlot("msvcrt.dll", "malloc");
    return slot != nullptr && *slot == reinterpret_cast<void*>(countedMalloc);
}
