// Two direct-mapped 32-slot caches in front of a resource set's list, one by
// source name and one by number. A slot holds the resource last found for a
// name or number of that slot; the list stays the authority.
#ifndef _TQCRESOURCECACHE_H
#define _TQCRESOURCECACHE_H

class TQClistData;
class TQDres;

class TQCresourceCache {
public:
    TQCresourceCache();

    // The cached resource of the name, or null.
    TQDres* byName(const char* name) const;
    void keepByName(const char* name, TQDres* res);
    // The resource of the number from its slot, else the first one in the
    // list that carries it (which then takes the slot); null when none does.
    TQDres* findByNumber(const TQClistData& list, short no);
    // Empties every slot that holds res.
    void forget(TQDres* res);

    static bool hasName(TQDres* res, const char* name);

private:
    enum { SLOTS = 32 };

    static long nameSlot(const char* name);
    static long numberSlot(short no) { return no & (SLOTS - 1); }

    TQDres* m_byName[SLOTS];
    TQDres* m_byNumber[SLOTS];
};

#endif
