// Nothing refers to this object by symbol; its static initialiser is the
// only thing that makes its registration visible.
#include "linkprobe.h"

namespace {
struct Registration {
    Registration() { linkProbeRegistrations()++; }
} registration;
}
