// The application object list: application-wide events broadcast to their
// registered objects, and the global event procedures.
#include "_TQCbaseList.h"

#include <cstdint>
#include <vector>

#include "_TQCbase.h"
#include "_TQGFstring.h"
#include "_TQCbaseList_internal.h"

using tqbaselist::FrameScope;
using tqbaselist::sameName;

namespace {

// Event codes and numeric data are kept in pointer slots.
long numberAt(const TQClistData& list, long i)
{
    return static_cast<long>(reinterpret_cast<std::intptr_t>(list.getData(i)));
}

void* numberSlot(long code)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(code));
}

} // namespace

// ---------------------------------------------------------------------------
// Application-wide events

long TQCbaseList::addEvent(TQCbase* object, long code)
{
    eventCodes.add(numberSlot(code));
    eventInstances.add(object);
    return 0;
}

long TQCbaseList::delEvent(TQCbase* object, long code)
{
    for (long i = 0; i < eventInstances.getNum(); ++i) {
        if (eventInstances.getData(i) == object &&
            numberAt(eventCodes, i) == code) {
            eventInstances.delPos(i);
            eventCodes.delPos(i);
            return 0;
        }
    }
    return -1;
}

bool TQCbaseList::isRegistered(TQCbase* object, long code) const
{
    for (long i = 0; i < eventInstances.getNum(); ++i) {
        if (eventInstances.getData(i) == object &&
            numberAt(eventCodes, i) == code)
            return true;
    }
    return false;
}

namespace {

void deliverEventProc(TQCbase* object, long code, void* data)
{
    object->execEventProc(code, data);
}

void deliverProcedure(TQCbase* object, long code, void*)
{
    object->execProcedure(code);
}

void deliverNamedProcedure(TQCbase* object, long, void* name)
{
    object->execProcedure(static_cast<const char*>(name));
}

} // namespace

// A broadcast walks a snapshot of its (code, object) registrations. A
// registration withdrawn by an earlier call of the same broadcast, or an
// object destroyed meanwhile, is passed over.
void TQCbaseList::broadcast(bool anyCode, long code, Delivery deliver, void* arg)
{
    std::vector<TQCbase*> objects;
    std::vector<long> codes;
    for (long i = 0; i < eventInstances.getNum(); ++i) {
        long registered = numberAt(eventCodes, i);
        if (anyCode || registered == code) {
            objects.push_back(static_cast<TQCbase*>(eventInstances.getData(i)));
            codes.push_back(registered);
        }
    }
    if (objects.empty())
        return;

    RunFrame frame = {objects.data(), static_cast<long>(objects.size()), runningFrames};
    FrameScope<RunFrame> scope(runningFrames, &frame);
    for (std::size_t k = 0; k < objects.size(); ++k) {
        TQCbase* object = objects[k];
        if (object != nullptr && isRegistered(object, codes[k]))
            deliver(object, codes[k], arg);
    }
}

void TQCbaseList::execEvent(long code, void* data)
{
    broadcast(false, code, deliverEventProc, data);
}

void TQCbaseList::execEvent(long code)
{
    broadcast(false, code, deliverProcedure, nullptr);
}

void TQCbaseList::execEvent(const char* procedureName)
{
    if (procedureName != nullptr)
        broadcast(true, 0, deliverNamedProcedure, const_cast<char*>(procedureName));
}

// ---------------------------------------------------------------------------
// Global event procedures

long TQCbaseList::findEventProc(EventProc function, const char* functionName,
                                const char* eventName) const
{
    for (long i = 0; i < eventProcEventNames.getNum(); ++i) {
        if (!sameName(static_cast<const char*>(eventProcEventNames.getData(i)), eventName))
            continue;
        if (function != nullptr) {
            if (reinterpret_cast<EventProc>(eventProcFunctions.getData(i)) == function)
                return i;
        } else if (sameName(static_cast<const char*>(eventProcFunctionNames.getData(i)),
                            functionName)) {
            return i;
        }
    }
    return -1;
}

long TQCbaseList::addEventProc(EventProc function, const char* eventName, void* data)
{
    if (eventName == nullptr)
        return -1;
    long pos = function ? findEventProc(function, nullptr, eventName) : -1;
    if (pos >= 0) {
        eventProcData.setData(pos, data);
        return 1;
    }
    eventProcFunctions.add(reinterpret_cast<void*>(function));
    eventProcFunctionNames.add(nullptr);
    eventProcEventNames.add(TQGFstrdup(eventName));
    eventProcData.add(data);
    return 0;
}

long TQCbaseList::addEventProcByName(const char* functionName, const char* eventName, void* data)
{
    if (functionName == nullptr || eventName == nullptr)
        return -1;
    long pos = findEventProc(nullptr, functionName, eventName);
    if (pos >= 0) {
        eventProcFunctions.setData(pos, nullptr);
        eventProcData.setData(pos, data);
        return 1;
    }
    eventProcFunctions.add(nullptr);
    eventProcFunctionNames.add(TQGFstrdup(functionName));
    eventProcEventNames.add(TQGFstrdup(eventName));
    eventProcData.add(data);
    return 0;
}

long TQCbaseList::addEventProc(const char* functionName, const char* eventName, void* data)
{
    return addEventProcByName(functionName, eventName, data);
}

long TQCbaseList::addEventProc(const char* functionName, const char* eventName, long data)
{
    return addEventProcByName(functionName, eventName, numberSlot(data));
}

void TQCbaseList::removeEventProc(long pos)
{
    delete[] static_cast<char*>(eventProcFunctionNames.getData(pos));
    delete[] static_cast<char*>(eventProcEventNames.getData(pos));
    eventProcFunctions.delPos(pos);
    eventProcFunctionNames.delPos(pos);
    eventProcEventNames.delPos(pos);
    eventProcData.delPos(pos);
}

long TQCbaseList::delEventProc(EventProc function, const char* eventName)
{
    long pos = function ? findEventProc(function, nullptr, eventName) : -1;
    if (pos < 0)
        return -1;
    removeEventProc(pos);
    return 0;
}

long TQCbaseList::delEventProc(const char* functionName, const char* eventName)
{
    long pos = functionName ? findEventProc(nullptr, functionName, eventName) : -1;
    if (pos < 0)
        return -1;
    removeEventProc(pos);
    return 0;
}

void TQCbaseList::delAllEventProc()
{
    for (long i = 0; i < eventProcEventNames.getNum(); ++i) {
        delete[] static_cast<char*>(eventProcFunctionNames.getData(i));
        delete[] static_cast<char*>(eventProcEventNames.getData(i));
    }
    eventProcFunctions.clear();
    eventProcFunctionNames.clear();
    eventProcEventNames.clear();
    eventProcData.clear();
}

// Entries are re-read at every step, so a procedure may add or remove entries
// while the event runs. An entry carries either a function or a function
// name, never both.
void TQCbaseList::execEventProc(const char* eventName)
{
    if (eventName == nullptr)
        return;
    for (long i = 0; i < eventProcEventNames.getNum(); ++i) {
        if (!sameName(static_cast<const char*>(eventProcEventNames.getData(i)), eventName))
            continue;
        EventProc function = reinterpret_cast<EventProc>(eventProcFunctions.getData(i));
        char* functionName = static_cast<char*>(eventProcFunctionNames.getData(i));
        void* data = eventProcData.getData(i);
        if (function != nullptr)
            function(data);
        else if (functionName != nullptr && eventProcHandler != nullptr)
            eventProcHandler(functionName, data);
    }
}
