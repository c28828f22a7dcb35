// The builder-title accessors, one per entry of TQ_PROPERTY_TITLES.
#include "_TQS.h"

// As with the names, a function-local array pins one object per key.
#define TQ_DEFINE_PROPERTY_TITLE(prop, key)     \
    char* _TQS##prop()                          \
    {                                           \
        static const char title[] = key;        \
        return const_cast<char*>(title);        \
    }

TQ_PROPERTY_TITLES(TQ_DEFINE_PROPERTY_TITLE)
