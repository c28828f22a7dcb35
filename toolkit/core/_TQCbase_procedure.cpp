// Base object: its event procedures, how they are attached and detached,
// and the passes that run them, with their debug log and trace lines.
#include "_TQCbase.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCclassInformation.h"
#include "_TQCprocedure.h"
#include "_TQCstring.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQGFdebug.h"
#include "_TQGFtrigger.h"
#include "_TQCbase_internal.h"

using tqbase::ClosingLogLine;
using tqbase::kSourceName;
using tqbase::listHolds;

namespace {

const size_t kTraceLineSize = 1024;

// Trace lines go, in UTF-8, to the trace viewer's channel.
void sendTraceLine(const char* line)
{
    const long kUtf8 = 16;
    TQCstring text(line);
    TQGFsendMessage("TQ-TRACER", text.getString(kUtf8));
}

} // namespace

// The snapshot a pass walks: the object's own array, reused from run to
// run, or, for a pass nested in another pass of the same object, an array
// of the pass's own so the outer pass keeps its entries.
class TQCbase::PassSnapshot {
public:
    PassSnapshot(TQCbase* object, long count, const LifeGuard& guardArg)
        : guard(guardArg), borrowedFrom(nullptr), own(nullptr), entries(nullptr)
    {
        if (!object->runSnapshotInUse && count <= 0xFFFF) {
            if (object->runSnapshotCapacity < count) {
                delete[] object->runSnapshot;
                object->runSnapshot = new TQCprocedure*[count];
                object->runSnapshotCapacity = static_cast<u16>(count);
            }
            object->runSnapshotInUse = true;
            borrowedFrom = object;
            entries = object->runSnapshot;
        } else {
            own = new TQCprocedure*[count];
            entries = own;
        }
    }
    // A destroyed object took its array with it.
    ~PassSnapshot()
    {
        if (borrowedFrom != nullptr && guard.alive())
            borrowedFrom->runSnapshotInUse = false;
        delete[] own;
    }
    TQCprocedure*& operator[](long i) { return entries[i]; }

private:
    PassSnapshot(const PassSnapshot&) = delete;
    PassSnapshot& operator=(const PassSnapshot&) = delete;

    const LifeGuard& guard;
    TQCbase* borrowedFrom;
    TQCprocedure** own;
    TQCprocedure** entries;
};

void TQCbase::releaseProcedures()
{
    if (procedureList == nullptr)
        return;
    for (long i = 0; i < procedureList->getNum(); ++i)
        delete static_cast<TQCprocedure*>(procedureList->getData(i));
    delete procedureList;
    procedureList = nullptr;
}

TQClistData* TQCbase::getProcedureList()
{
    if (procedureList != nullptr)
        return procedureList;
    static TQClistData* none = new TQClistData;
    none->clear();
    return none;
}

TQClistData TQCbase::getProcedures()
{
    return procedureList != nullptr ? TQClistData(*procedureList) : TQClistData();
}

long TQCbase::delAllProcedure()
{
    if (procedureList != nullptr) {
        for (long i = procedureList->getNum() - 1; i >= 0; --i) {
            TQCprocedure* p = static_cast<TQCprocedure*>(procedureList->getData(i));
            if (p->getTrigger() == TQEV_DELETE)
                continue;
            procedureList->delPos(i);
            delete p;
        }
    }
    ++procedureRemovals;
    return 0;
}

void TQCbase::appendProcedure(TQCprocedure* procedure)
{
    if (procedureList == nullptr)
        procedureList = new TQClistData(8);
    procedure->attachSerial = ++procedureAttaches;
    procedureList->add(procedure);
}

// A snapshot entry runs only while it is attached and was so when the pass
// began; its record is read only once it is known to be attached.
bool TQCbase::stillDue(TQCprocedure* procedure, unsigned long attachesAtStart) const
{
    return holdsProcedure(procedure) && procedure->attachSerial <= attachesAtStart;
}

bool TQCbase::holdsProcedure(TQCprocedure* procedure) const
{
    return listHolds(procedureList, procedure);
}

long TQCbase::addProcedure(TQCprocedure* procedure)
{
    if (procedure == nullptr)
        return -1;
    long trigger = procedure->getTrigger();
    if (!existTrigger(trigger) && !procedure->getInternal())
        return -1;
    eventMask |= static_cast<unsigned long>(procedure->getEffectiveTriggerMask());
    if (trigger == TQEV_INITIALIZE && !state.initializeQueued) {
        state.initializeQueued = 1;
        TQGIappObjectList()->addNeedInitialize(this);
        appendProcedure(procedure);
        return 0;
    }
    if (trigger == TQEV_EXPOSE)
        state.hasExpose = 1;
    appendProcedure(procedure);
    if (ownDevice != nullptr && procedure->getEffectiveTriggerMask() != 0)
        ownDevice->setEnableEvent(trigger);
    return 0;
}

TQCprocedure* TQCbase::addProcedure(const char* procName, const char* functionName, long trigger)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setFunction(nullptr, functionName);
    addProcedure(procedure);
    return procedure;
}

// A refused procedure has no owner here, so it is not kept.
long TQCbase::addProcedureV(const char* procName, const char* functionName,
                            TQCprocedureFunction function, long trigger)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setFunction(function, functionName);
    if (addProcedure(procedure) != 0)
        delete procedure;
    return 0;
}

long TQCbase::addInternalProcedure(const char* procName, long trigger,
                                   TQCprocedureFunction function, const char* functionName)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setInternal(1);
    procedure->setFunction(function, functionName);
    if (addProcedure(procedure) == 0)
        return 0;
    delete procedure;
    return -1;
}

long TQCbase::delProcedure(TQCprocedure* procedure)
{
    if (procedureList == nullptr || procedureList->del(procedure) != 0)
        return -1;
    ++procedureRemovals;
    return 0;
}

long TQCbase::delProcedure(long procedure)
{
    TQCprocedure* p = reinterpret_cast<TQCprocedure*>(static_cast<intptr_t>(procedure));
    long result = delProcedure(p);
    delete p;
    return result;
}

void TQCbase::execProcedure(long trigger)
{
    if (procedureList == nullptr)
        return;
    unsigned int code = static_cast<unsigned int>(trigger);
    bool logged = __dbprintf("TQCbase::execProcedure %s:%d %s start ev=0x%x\n", kSourceName,
                             __LINE__, getInstanceName(), code) >= 0;
    if (trigger == TQEV_EXPOSE && !state.hasExpose) {
        __dbprintf("TQCbase::execProcedure %s:%d %s done ev=0x%x\n", kSourceName, __LINE__,
                   getInstanceName(), code);
        return;
    }
    ClosingLogLine done;
    if (logged)
        done.prepare("TQCbase::execProcedure %s:%d %s done2 ev=0x%x\n", kSourceName, __LINE__,
                     getInstanceName(), code);
    runPasses(trigger, nullptr, true);
}

void TQCbase::execProcedure(const char* procName)
{
    if (procedureList == nullptr)
        return;
    if (procName == nullptr)
        procName = "";
    ClosingLogLine done;
    if (__dbprintf("TQCbase::execProcedure %s:%d %s start opname=%s\n", kSourceName, __LINE__,
                   getInstanceName(), procName) >= 0)
        done.prepare("TQCbase::execProcedure %s:%d %s done opname=%s\n", kSourceName, __LINE__,
                     getInstanceName(), procName);
    runPasses(0, procName, false);
}

void TQCbase::_exec_del_procedure()
{
    if (procedureList == nullptr)
        return;
    runPasses(TQEV_DELETE, nullptr, false);
}

// External procedures first, then the toolkit's own wiring.
void TQCbase::runPasses(long trigger, const char* procName, bool runUpdates)
{
    LifeGuard guard(this);
    runPass(PassFilter{trigger, procName, 0}, runUpdates, guard);
    if (!guard.alive())
        return;
    runPass(PassFilter{trigger, procName, 1}, runUpdates, guard);
}

// Procedures attached during the pass wait for the next one; procedures
// detached during it are skipped. The pass ends when a procedure destroyed
// the object.
void TQCbase::runPass(const PassFilter& filter, bool runUpdates, LifeGuard& guard)
{
    if (filter.procName == nullptr && filter.trigger == TQEV_INITIALIZE)
        state.initializeQueued = 0;
    if (procedureList == nullptr || procedureList->getNum() == 0)
        return;
    long count = procedureList->getNum();
    PassSnapshot snapshot(this, count, guard);
    for (long i = 0; i < count; ++i)
        snapshot[i] = static_cast<TQCprocedure*>(procedureList->getData(i));
    unsigned long removalsAtStart = procedureRemovals;
    unsigned long attachesAtStart = procedureAttaches;

    for (long i = 0; i < count; ++i) {
        TQCprocedure* p = snapshot[i];
        if (procedureRemovals != removalsAtStart && !stillDue(p, attachesAtStart))
            continue;
        if (p->getInternal() != filter.internal)
            continue;
        if (filter.procName != nullptr ? std::strcmp(p->getProcName(), filter.procName) != 0
                                       : p->getTrigger() != filter.trigger)
            continue;
        _exec_procedure(p);
        if (!guard.alive())
            return;
        if (runUpdates) {
            TQGIappObjectList()->execUpdate();
            if (!guard.alive())
                return;
        }
    }
}

void TQCbase::_exec_procedure(TQCprocedure* procedure)
{
    bool traced = !procedure->getInternal() && TQDappDev::getTraceMode() != 0 &&
                  TQGIappDev() != nullptr;
    // The end line is made before the run: the procedure may be gone after it.
    char endLine[kTraceLineSize] = "";
    if (traced) {
        char line[kTraceLineSize];
        std::snprintf(line, sizeof line, "%s %s execute event procedure <%s>\n", getClassName(),
                      getInstanceName(), procedure->getProcName());
        sendTraceLine(line);
        std::snprintf(line, sizeof line, "function %s() start  ev=%s\n",
                      procedure->getFunctionName(), TQGFeventToName(procedure->getTrigger()));
        sendTraceLine(line);
        std::snprintf(endLine, sizeof endLine, "function %s() end\n",
                      procedure->getFunctionName());
    }
    ClosingLogLine done;
    if (__dbprintf("TQCbase::_exec_procedure %s:%d %s start op=%s\n", kSourceName, __LINE__,
                   getInstanceName(), procedure->getFunctionName()) >= 0)
        done.prepare("TQCbase::_exec_procedure %s:%d %s done op=%s\n", kSourceName, __LINE__,
                     getInstanceName(), procedure->getFunctionName());
    TQCprocedureFunction function = procedure->getProc();
    TQCprocedureHandler handler = reinterpret_cast<TQCprocedureHandler>(TQGFgetProcedureHandler());
    if (function != nullptr)
        function(this);
    else if (handler != nullptr)
        handler(const_cast<char*>(procedure->getFunctionName()), this);
    if (traced)
        sendTraceLine(endLine);
}

long TQCbase::existTrigger(long code)
{
    TQCclassInformation* info = classInfo != nullptr ? classInfo : getClassInformation();
    return info->existTrigger(code);
}

TQCindexData* TQCbase::getExtTriggerList()
{
    TQCclassInformation* info = classInfo != nullptr ? classInfo : getClassInformation();
    return info->getAllExtTriggerList();
}
