// Application timer: registration with its phase rule, and the tick's walks
// over the periodic and the one-shot lists.
#include "_TQDtimer.h"

#include <cstdint>
#include <vector>

// The walks run over a copy of the list taken when they start: a procedure
// may add or delete records (its own or others') while it runs. A record that
// left the list meanwhile is skipped; one added meanwhile waits for the next
// tick.
struct TQDtimer::Snapshot {
    struct Entry {
        ProcRecord* record;
        u32 serial;
    };

    explicit Snapshot(const TQClistData& list)
    {
        entries.reserve(static_cast<size_t>(list.getNum()));
        for (long i = 0; i < list.getNum(); ++i) {
            ProcRecord* record = static_cast<ProcRecord*>(list.getData(i));
            entries.push_back(Entry{ record, record->serial });
        }
    }

    // The record of entry, or null when the list no longer holds it. The
    // record is only read once the list is known to hold it.
    static ProcRecord* live(const TQClistData& list, const Entry& entry)
    {
        for (long i = 0; i < list.getNum(); ++i) {
            if (list.getData(i) == entry.record)
                return entry.record->serial == entry.serial ? entry.record : nullptr;
        }
        return nullptr;
    }

    std::vector<Entry> entries;
};

TQDtimer::TQDtimer() : m_tick(0), m_lastSerial(0)
{
}

TQDtimer::~TQDtimer()
{
    for (long i = 0; i < m_timerProcs.getNum(); ++i)
        delete static_cast<ProcRecord*>(m_timerProcs.getData(i));
    for (long i = 0; i < m_triggerProcs.getNum(); ++i)
        delete static_cast<ProcRecord*>(m_triggerProcs.getData(i));
}

// The phase is the low byte of the tick count minus one (wrapping at 256),
// modulo the rate: registered at tick T below 256, a procedure first runs at
// tick T - 1 + rate.
long TQDtimer::addRecord(TQClistData& list, TimerProc proc, unsigned char rate, void* data)
{
    if (rate == 0)
        rate = 1;
    ProcRecord* record = new ProcRecord;
    record->proc = proc;
    record->rate = rate;
    record->phase = static_cast<unsigned char>(((m_tick - 1) & 0xFF) % rate);
    record->flag = 0;
    record->data = data;
    record->serial = ++m_lastSerial;
    list.add(record);
    return static_cast<long>(reinterpret_cast<intptr_t>(record));
}

long TQDtimer::delRecord(TQClistData& list, long id)
{
    for (long i = 0; i < list.getNum(); ++i) {
        ProcRecord* record = static_cast<ProcRecord*>(list.getData(i));
        if (static_cast<long>(reinterpret_cast<intptr_t>(record)) == id) {
            list.delPos(i);
            delete record;
            return 0;
        }
    }
    return -1;
}

long TQDtimer::addTimerProc(TimerProc proc, unsigned char rate, void* data)
{
    return addRecord(m_timerProcs, proc, rate, data);
}

long TQDtimer::addTriggerProc(TimerProc proc, unsigned char rate, void* data)
{
    return addRecord(m_triggerProcs, proc, rate, data);
}

long TQDtimer::delTimerProc(long id)
{
    return delRecord(m_timerProcs, id);
}

long TQDtimer::delTriggerProc(long id)
{
    return delRecord(m_triggerProcs, id);
}

u32 TQDtimer::addTick()
{
    return ++m_tick;
}

bool TQDtimer::isDue(const ProcRecord* record, u32 tick)
{
    return tick % record->rate == record->phase;
}

void TQDtimer::execProcs()
{
    runTimerProcs(m_tick);
    runTriggerProcs(m_tick);
}

void TQDtimer::runTimerProcs(u32 tick)
{
    Snapshot snapshot(m_timerProcs);
    for (const Snapshot::Entry& entry : snapshot.entries) {
        ProcRecord* record = Snapshot::live(m_timerProcs, entry);
        if (record != nullptr && isDue(record, tick) && record->proc != nullptr)
            record->proc(static_cast<unsigned char>(tick & 0xFF), record->data);
    }
}

// A due trigger leaves the list before it runs, so that deleting it from
// inside its own procedure is harmless, and is freed after.
void TQDtimer::runTriggerProcs(u32 tick)
{
    Snapshot snapshot(m_triggerProcs);
    for (const Snapshot::Entry& entry : snapshot.entries) {
        ProcRecord* record = Snapshot::live(m_triggerProcs, entry);
        if (record == nullptr || !isDue(record, tick))
            continue;
        m_triggerProcs.del(record);
        if (record->proc != nullptr)
            record->proc(static_cast<unsigned char>(tick & 0xFF), record->data);
        delete record;
    }
}

TQDtimer* TQGIappTimer()
{
    return TQGFappInstance<TQDtimer>();
}
