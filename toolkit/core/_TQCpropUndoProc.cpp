// Property-snapshot undo step.
#include "_TQCpropUndoProc.h"

#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQClistData.h"
#include "_TQN.h"

#include <cstdint>
#include <cstring>

namespace {

const char* const kRememberedVisibility = "TQ-VIS";

} // namespace

void TQCpropUndoProc::setTarget(TQCbase* object)
{
    target = object;
    targetClass = object != nullptr ? object->getClassName() : nullptr;
    snapshot.clear();
    if (object == nullptr)
        return;
    TQClistData pairs;
    object->getPropertyArray(&pairs, 1);
    for (long i = 0; i + 1 < pairs.getNum(); i += 2) {
        char* name = static_cast<char*>(pairs.getData(i));
        char* value = static_cast<char*>(pairs.getData(i + 1));
        snapshot.setData(name, TQCvariant(value));
        delete[] name;
        delete[] value;
    }
}

// The target is asked about only once the object list vouches for it: a
// step may outlive the object it recorded, and another object may since
// have been made at its address.
void TQCpropUndoProc::execute()
{
    if (target == nullptr || !TQGIappObjectList()->existInstance(target) ||
        std::strcmp(target->getClassName(), targetClass) != 0)
        return;
    if (target->cast("TQCnwbase") != nullptr && target->getVisible())
        target->clear();
    TQCbase::LifeGuard guard(target);
    for (long i = 0; i < snapshot.getNum() && guard.alive(); ++i) {
        const char* name = snapshot.getIndex(i);
        TQCvariant* value = snapshot.getData(i);
        if (std::strcmp(name, _TQNvis()) == 0) {
            long visible = value->getLong();
            target->setUserData(kRememberedVisibility,
                                reinterpret_cast<void*>(static_cast<intptr_t>(visible)));
        } else {
            target->setProperty(name, *value);
        }
    }
}
