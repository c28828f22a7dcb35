// The property-name accessors, one per entry of TQ_PROPERTY_NAMES.
#include "_TQN.h"

// A function-local constant array, not a bare literal, so that every call
// returns the same object; callers compare names by pointer as well as by text.
#define TQ_DEFINE_PROPERTY_NAME(prop)           \
    char* _TQN##prop()                          \
    {                                           \
        static const char name[] = #prop;       \
        return const_cast<char*>(name);         \
    }

TQ_PROPERTY_NAMES(TQ_DEFINE_PROPERTY_NAME)
