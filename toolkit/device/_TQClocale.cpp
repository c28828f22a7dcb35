// One locale's message catalogue.
#include "_TQClocale.h"

#include "_TQCindexData.h"
#include "_TQClocaleSet.h"
#include "_TQCstring.h"
#include "_TQDcodeConvert.h"
#include "_TQGFstring.h"

#include <cstdio>
#include <cstring>

namespace {

const char kTag[] = ":TQSTR";

// The low five bits of first + 4 * last byte; an empty key is bucket 0.
int bucketOf(const char* key)
{
    const size_t n = std::strlen(key);
    if (n == 0)
        return 0;
    const unsigned first = static_cast<unsigned char>(key[0]);
    const unsigned last = static_cast<unsigned char>(key[n - 1]);
    return static_cast<int>((first + 4 * last) & 31);
}

long resolveEncoding(long encoding)
{
    if (encoding == -2)
        encoding = TQGFgetDefaultEncoding();
    if (encoding == -1)
        encoding = TQGFgetSystemDefaultEncoding();
    return encoding;
}

} // namespace

TQClocale::TQClocale() : name(nullptr), encoding(0)
{
    for (int i = 0; i < kBuckets; ++i) {
        texts[i] = nullptr;
        converted[i] = nullptr;
    }
}

TQClocale::~TQClocale()
{
    for (int i = 0; i < kBuckets; ++i) {
        delete texts[i];
        if (converted[i]) {
            for (long n = 0; n < converted[i]->getNum(); ++n)
                delete static_cast<TQCstring*>(converted[i]->getData(n));
            delete converted[i];
        }
    }
    delete[] name;
}

void TQClocale::setLocaleName(const char* newName)
{
    encoding = newName ? TQGFgetEncoding(newName) : 0;
    if (encoding == 0)
        encoding = 1;
    char* copy = TQGFstrdup(newName);
    delete[] name;
    name = copy;
}

long TQClocale::setString(const char* key, const char* text)
{
    if (!key)
        return 0;
    const int bucket = bucketOf(key);
    if (!texts[bucket]) {
        texts[bucket] = new TQCindexData;
        texts[bucket]->setNoAllocIndex(1);
    }
    texts[bucket]->setData(key, const_cast<char*>(text));
    return 0;
}

char* TQClocale::getString(const char* key, long requested)
{
    if (!key)
        return nullptr;
    const int bucket = bucketOf(key);
    const char* text = texts[bucket] ? static_cast<const char*>(texts[bucket]->getData(key)) : nullptr;
    if (!text)
        return missingText(key, requested);

    const long target = resolveEncoding(requested);
    if (target == 0 || target == encoding)
        return const_cast<char*>(text);
    return convertedText(bucket, key, text, target);
}

// Each text is converted once per encoding; the copy lives with the locale.
// The converted index copies its keys, because callers may pass a key from
// a buffer of their own that is gone by the next lookup.
char* TQClocale::convertedText(int bucket, const char* key, const char* text, long target)
{
    if (!converted[bucket])
        converted[bucket] = new TQCindexData;
    TQCstring* copy = static_cast<TQCstring*>(converted[bucket]->getData(key));
    if (!copy) {
        copy = new TQCstring;
        copy->setString(text, encoding);
        converted[bucket]->setData(key, copy);
    }
    return copy->getString(target);
}

char* TQClocale::missingText(const char* key, long requested)
{
    if (!std::strstr(key, kTag))
        return const_cast<char*>(key);
    TQClocale* english = TQGIappLocaleSet()->getLocale("en_US");
    if (english && english != this)
        return english->getString(key, requested);
    fprintf(stderr, "TQClocale::getString locale=%s index=%s not found.\n",
            name ? name : "", key);
    return const_cast<char*>(key);
}

long TQClocale::getNum() const
{
    long n = 0;
    for (int i = 0; i < kBuckets; ++i) {
        if (texts[i])
            n += texts[i]->getNum();
    }
    return n;
}
