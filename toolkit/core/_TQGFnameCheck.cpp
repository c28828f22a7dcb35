// Name checks and string-list helpers of the builder. Letters and digits
// are those of ASCII: names end up in source files and property records.
#include "_TQGFnameCheck.h"

#include "_TQClistData.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A non-empty run of the allowed characters, digits never first.
bool isNameOf(const char* begin, const char* end, const char* punctuation)
{
    if (begin == end)
        return false;
    for (const char* p = begin; p != end; ++p) {
        bool allowed = isLetter(*p) || std::strchr(punctuation, *p) != nullptr ||
                       (p != begin && isDigit(*p));
        if (*p == '\0' || !allowed)
            return false;
    }
    return true;
}

// Digits only between blanks; false for an index beyond a long.
bool parseIndex(const char* begin, const char* end, long* index)
{
    while (begin != end && isBlank(*begin))
        ++begin;
    while (end != begin && isBlank(end[-1]))
        --end;
    if (begin == end)
        return false;
    long value = 0;
    for (const char* p = begin; p != end; ++p) {
        if (!isDigit(*p))
            return false;
        long digit = *p - '0';
        if (value > (LONG_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    *index = value;
    return true;
}

} // namespace

TQCbool TQGFcheckNameString(const char* name)
{
    return name != nullptr && isNameOf(name, name + std::strlen(name), "._");
}

TQCbool TQGFcheckPureNameString(const char* name)
{
    return name != nullptr && isNameOf(name, name + std::strlen(name), "_");
}

TQCbool TQGFcheckDirNameString(const char* name)
{
    if (name == nullptr)
        return 0;
    return *name == '\0' || isNameOf(name, name + std::strlen(name), "/:~-.\\+=_");
}

TQCbool TQGFcheckArrayName(const char* name, long* index, char* base)
{
    if (name == nullptr)
        return 0;
    const char* open = std::strchr(name, '[');
    const char* close = open != nullptr ? std::strchr(open, ']') : nullptr;
    if (close == nullptr || !isNameOf(name, open, "._"))
        return 0;
    long value = 0;
    if (!parseIndex(open + 1, close, &value))
        return 0;
    for (const char* p = close + 1; *p != '\0'; ++p) {
        if (!isBlank(*p))
            return 0;
    }
    if (index != nullptr)
        *index = value;
    if (base != nullptr) {
        size_t length = static_cast<size_t>(open - name);
        std::memcpy(base, name, length);
        base[length] = '\0';
    }
    return 1;
}

TQCbool TQGFisArrayName(const char* name)
{
    return TQGFcheckArrayName(name, nullptr, nullptr);
}

long TQGFgetArrayNo(const char* name)
{
    long index = 0;
    return TQGFcheckArrayName(name, &index, nullptr) ? index : 0;
}

TQCstring TQGFgetArrayName(const char* name)
{
    if (!TQGFisArrayName(name))
        return TQCstring("");
    std::string base(name, static_cast<const char*>(std::strchr(name, '[')));
    return TQCstring(base.c_str());
}

// A stable sort: its time stays n log n on lists that are already in order.
void TQGFsortCharList(TQClistData* list)
{
    if (list == nullptr || list->getNum() < 2)
        return;
    void** first = list->getBuf();
    std::stable_sort(first, first + list->getNum(), [](void* a, void* b) {
        return std::strcmp(static_cast<const char*>(a), static_cast<const char*>(b)) < 0;
    });
}

void _get_2_words(const char* line, char* first, char* second)
{
    char* words[] = {first, second};
    for (char* word : words) {
        if (word != nullptr)
            *word = '\0';
    }
    if (line == nullptr)
        return;
    const char* p = line;
    for (char* word : words) {
        while (isBlank(*p))
            ++p;
        const char* start = p;
        while (*p != '\0' && !isBlank(*p))
            ++p;
        if (word != nullptr) {
            std::memcpy(word, start, static_cast<size_t>(p - start));
            word[p - start] = '\0';
        }
    }
}

void _append(TQClistData* list, TQCstring* text)
{
    if (list == nullptr || text == nullptr)
        return;
    for (long i = 0; i < list->getNum(); ++i) {
        if (TQCstring* part = static_cast<TQCstring*>(list->getData(i)))
            text->addString(*part);
    }
}

TQCbool _exist_name_(TQClistData* list, const char* name)
{
    if (list == nullptr || name == nullptr)
        return 0;
    for (long i = 0; i < list->getNum(); ++i) {
        const char* entry = static_cast<const char*>(list->getData(i));
        if (entry != nullptr && std::strcmp(entry, name) == 0)
            return 1;
    }
    return 0;
}
