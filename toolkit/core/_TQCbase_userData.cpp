// Base object: user data kept by reference or as a copy under a text key,
// and variant data.
#include "_TQCbase.h"

#include <cstdint>
#include <cstring>

#include "_TQCindexVariantData.h"
#include "_TQGFstring.h"
#include "_TQCbase_internal.h"

using tqbase::kExportNameKey;

namespace {

const long kUserDataLimit = 127;
const long kUserDataStep = 4;

bool sameText(const char* a, const char* b)
{
    return a[0] == b[0] && std::strcmp(a, b) == 0;
}

} // namespace

long TQCbase::findKey(const UserDataEntry* table, signed char count, const char* key)
{
    for (long i = 0; i < count; ++i) {
        if (sameText(table[i].key, key))
            return i;
    }
    return -1;
}

// Tables grow by four pairs and hold at most 127.
long TQCbase::appendEntry(UserDataEntry*& table, signed char& count, const char* key, void* value)
{
    if (count >= kUserDataLimit)
        return -1;
    if (count % kUserDataStep == 0) {
        UserDataEntry* grown = new UserDataEntry[count + kUserDataStep];
        for (long i = 0; i < count; ++i)
            grown[i] = table[i];
        delete[] table;
        table = grown;
    }
    table[count].key = key;
    table[count].value = value;
    ++count;
    return 0;
}

void** TQCbase::findUserData(const char* key)
{
    if (key == nullptr)
        return nullptr;
    long i = findKey(refUserData, refUserDataCount, key);
    if (i >= 0)
        return &refUserData[i].value;
    i = findKey(copyUserData, copyUserDataCount, key);
    return i >= 0 ? &copyUserData[i].value : nullptr;
}

long TQCbase::storeByReference(const char* key, void* value)
{
    if (key == nullptr)
        return -1;
    long i = findKey(copyUserData, copyUserDataCount, key);
    if (i >= 0) {
        copyUserData[i].value = value;
        return 0;
    }
    i = findKey(refUserData, refUserDataCount, key);
    if (i >= 0) {
        refUserData[i].value = value;
        return 0;
    }
    return appendEntry(refUserData, refUserDataCount, key, value);
}

long TQCbase::storeCopied(const char* key, void* value)
{
    if (key == nullptr)
        return -1;
    void** slot = findUserData(key);
    if (slot != nullptr) {
        *slot = value;
        return 0;
    }
    char* copy = TQGFstrdup(key);
    if (appendEntry(copyUserData, copyUserDataCount, copy, value) != 0) {
        delete[] copy;
        return -1;
    }
    return 0;
}

long TQCbase::setUserData(const char* key, void* value)
{
    return storeByReference(key, value);
}

long TQCbase::setUserData(char* key, void* value)
{
    return storeCopied(key, value);
}

void* TQCbase::getUserData(const char* key)
{
    void** slot = findUserData(key);
    return slot != nullptr ? *slot : nullptr;
}

long TQCbase::setUserLongData(const char* key, unsigned long value)
{
    return storeCopied(key, reinterpret_cast<void*>(static_cast<uintptr_t>(value)));
}

unsigned long TQCbase::getUserLongData(const char* key)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(getUserData(key)));
}

long TQCbase::setUserStringData(const char* key, const char* text)
{
    // Copied before the old string goes: the text may be that string.
    char* copy = TQGFstrdup(text);
    void** slot = findUserData(key);
    if (slot != nullptr) {
        delete[] static_cast<char*>(*slot);
        *slot = copy;
        return 0;
    }
    long result = storeCopied(key, copy);
    if (result != 0)
        delete[] copy;
    return result;
}

const char* TQCbase::getUserStringData(const char* key)
{
    const char* text = static_cast<const char*>(getUserData(key));
    return text != nullptr ? text : "";
}

void TQCbase::setVariantData(const char* key, const TQCvariant& value)
{
    if (variantData == nullptr)
        variantData = new TQCindexVariantData;
    if (key != nullptr)
        variantData->setData(key, value);
}

TQCvariant* TQCbase::getVariantData(const char* key)
{
    if (variantData == nullptr)
        variantData = new TQCindexVariantData;
    if (key != nullptr)
        return variantData->getData(key);
    // No entry can have a null key; hand out an empty variant of our own.
    static TQCvariant* none = new TQCvariant;
    *none = TQCvariant();
    return none;
}

// Values belong to their owners; only the export name is the object's own.
void TQCbase::releaseUserData()
{
    void** exportName = findUserData(kExportNameKey);
    if (exportName != nullptr)
        delete[] static_cast<char*>(*exportName);
    delete[] refUserData;
    refUserData = nullptr;
    refUserDataCount = 0;
    for (long i = 0; i < copyUserDataCount; ++i)
        delete[] const_cast<char*>(copyUserData[i].key);
    delete[] copyUserData;
    copyUserData = nullptr;
    copyUserDataCount = 0;
}
