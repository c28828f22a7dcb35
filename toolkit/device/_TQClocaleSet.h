// The application-wide store of message catalogues, one TQClocale per
// locale name, and the lookup of texts by key through the default locale.
#ifndef _TQCLOCALESET_H
#define _TQCLOCALESET_H

#include "_TQClistData.h"

class TQClocale;

class TQClocaleSet {
public:
    TQClocaleSet();
    // Deletes every locale.
    virtual ~TQClocaleSet();

    // Chooses the default locale once: the locale named like the system
    // locale, or a new empty one of that name.
    void initialize();
    TQClocale* getDefaultLocale();
    char* getDefaultLocaleName();
    // Makes the named locale (created empty when missing) the default.
    long setDefaultLocale(const char* name);

    TQClocale* getLocale(const char* name);
    // Stores key -> text in the named locale, creating it when missing. The
    // set keeps the pointers: keys and texts must live as long as the set.
    long setLocaleString(const char* locale, const char* key, const char* text);
    // Stores a catalogue's texts of one locale, texts[i] for keys[i], under
    // the same rule.
    void setLocaleStrings(const char* locale, const char* const* keys,
                          const char* const* texts, long count);
    // The locale's text of key; the locale argument itself for an unknown
    // locale.
    char* getLocaleString(const char* locale, const char* key, long encoding);

    char* getSystemLocaleName();
    long getSystemLocaleEncoding();
    // The set's default encoding; while none is set, the system's.
    long getDefaultEncoding();
    // On the application set this is also the application default encoding.
    void setDefaultEncoding(long encoding);

private:
    TQClocaleSet(const TQClocaleSet&) = delete;
    TQClocaleSet& operator=(const TQClocaleSet&) = delete;

    TQClocale* addLocale(const char* name);

    TQClistData locales;
    TQClocale* defaultLocale;
    int initialised;
    long defaultEncoding;
};

// The application's locale set, created empty on first use, never destroyed.
TQClocaleSet* TQGIappLocaleSet();

// The text of key in the default locale, in the application default encoding.
char* TQGFgettext(const char* key);

#endif
