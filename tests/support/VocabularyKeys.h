// The catalogue keys that the object model's vocabulary hands out: every
// builder title of _TQS.h and every label of a _TQR display array, each key
// once. The input-method status labels, which only the Japanese catalogues
// translate, are kept apart.
#ifndef VOCABULARYKEYS_H
#define VOCABULARYKEYS_H

#include "_TQR.h"
#include "_TQS.h"

#include <cstring>
#include <vector>

struct VocabularyKeys {
    std::vector<const char*> everyLocale;
    std::vector<const char*> japaneseOnly;
};

inline void addKeyOnce(std::vector<const char*>& keys, const char* key)
{
    for (const char* known : keys)
        if (std::strcmp(known, key) == 0)
            return;
    keys.push_back(key);
}

inline VocabularyKeys vocabularyKeys()
{
    VocabularyKeys keys;
#define TQ_ADD_TITLE(prop, key) addKeyOnce(keys.everyLocale, _TQS##prop());
    TQ_PROPERTY_TITLES(TQ_ADD_TITLE)
#undef TQ_ADD_TITLE
    char** const fepStatus = _TQRfepStatus();
#define TQ_LABELS_OF(e) _TQR##e(),
    for (char** labels : {TQ_ENUMERATIONS(TQ_LABELS_OF)}) {
        for (char** label = labels; *label; ++label)
            addKeyOnce(labels == fepStatus ? keys.japaneseOnly : keys.everyLocale, *label);
    }
#undef TQ_LABELS_OF
    return keys;
}

#endif
