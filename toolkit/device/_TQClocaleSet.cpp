// The application-wide locale set and the lookup through its default locale.
#include "_TQClocaleSet.h"

#include "_TQClocale.h"
#include "_TQDcodeConvert.h"

#include <cstring>

TQClocaleSet::TQClocaleSet() : defaultLocale(nullptr), initialised(0), defaultEncoding(-1) {}

TQClocaleSet::~TQClocaleSet()
{
    for (long i = 0; i < locales.getNum(); ++i)
        delete static_cast<TQClocale*>(locales.getData(i));
}

TQClocale* TQClocaleSet::addLocale(const char* name)
{
    TQClocale* locale = new TQClocale;
    locale->setLocaleName(name);
    locales.add(locale);
    return locale;
}

// A default chosen earlier with setDefaultLocale gives way to the locale of
// the system's name when the set has one.
void TQClocaleSet::initialize()
{
    if (initialised)
        return;
    initialised = 1;
    const char* system = getSystemLocaleName();
    if (TQClocale* match = getLocale(system))
        defaultLocale = match;
    if (!defaultLocale)
        defaultLocale = addLocale(system);
}

TQClocale* TQClocaleSet::getDefaultLocale()
{
    if (!initialised)
        initialize();
    return defaultLocale;
}

char* TQClocaleSet::getDefaultLocaleName()
{
    return getDefaultLocale()->getLocaleName();
}

long TQClocaleSet::setDefaultLocale(const char* name)
{
    TQClocale* locale = getLocale(name);
    defaultLocale = locale ? locale : addLocale(name);
    return 0;
}

TQClocale* TQClocaleSet::getLocale(const char* name)
{
    if (!name)
        return nullptr;
    for (long i = 0; i < locales.getNum(); ++i) {
        TQClocale* locale = static_cast<TQClocale*>(locales.getData(i));
        if (locale && locale->getLocaleName() && std::strcmp(locale->getLocaleName(), name) == 0)
            return locale;
    }
    return nullptr;
}

long TQClocaleSet::setLocaleString(const char* localeName, const char* key, const char* text)
{
    if (!localeName || !key)
        return 0;
    TQClocale* locale = getLocale(localeName);
    if (!locale)
        locale = addLocale(localeName);
    locale->setString(key, text);
    return 0;
}

void TQClocaleSet::setLocaleStrings(const char* locale, const char* const* keys,
                                    const char* const* texts, long count)
{
    for (long i = 0; i < count; ++i)
        setLocaleString(locale, keys[i], texts[i]);
}

char* TQClocaleSet::getLocaleString(const char* localeName, const char* key, long encoding)
{
    TQClocale* locale = getLocale(localeName);
    if (!locale)
        return const_cast<char*>(localeName);
    return locale->getString(key, encoding);
}

char* TQClocaleSet::getSystemLocaleName()
{
    return TQGIappCodeConvert()->getSystemLocaleName();
}

long TQClocaleSet::getSystemLocaleEncoding()
{
    return TQGIappCodeConvert()->getSystemEncoding();
}

long TQClocaleSet::getDefaultEncoding()
{
    if (defaultEncoding == -1)
        return TQGIappCodeConvert()->getSystemEncoding();
    return defaultEncoding;
}

// TQGFsetDefaultEncoding may hand the value on to the application set in
// turn; the check keeps the two from calling each other without end.
void TQClocaleSet::setDefaultEncoding(long encoding)
{
    defaultEncoding = encoding;
    if (this == TQGIappLocaleSet() && TQGFgetDefaultEncoding() != encoding)
        TQGFsetDefaultEncoding(encoding);
}

TQClocaleSet* TQGIappLocaleSet()
{
    static TQClocaleSet* set = new TQClocaleSet;
    return set;
}

char* TQGFgettext(const char* key)
{
    return TQGIappLocaleSet()->getDefaultLocale()->getString(key, TQGFgetDefaultEncoding());
}
