// The application object list: every live toolkit object by class and
// instance name, the deferred update and initialise queues, application-wide
// event registrations, named global event procedures, process-wide user data,
// the export lists that the conductor publishes, the instance directory
// that remote calls fill and query, and a lookup interface that walks
// objects, properties and procedures by numeric id.
#ifndef _TQCBASELIST_H
#define _TQCBASELIST_H

#include "_TQClistData.h"
#include "_TQCstring.h"

class TQCbase;
class TQCRbase;
class TQCremoteInstanceData;

// The instances of one class, in order of registration. Owns its copy of
// the class name and its list, never the instances.
class TQCbaseArray {
public:
    explicit TQCbaseArray(const char* className);
    ~TQCbaseArray();
    TQCbaseArray(const TQCbaseArray&) = delete;
    TQCbaseArray& operator=(const TQCbaseArray&) = delete;

    unsigned char getHash() const { return hash; }
    const char* getClassName() const { return className; }
    TQClistData* getItems() { return &items; }
    // 1 when the array is the one of className.
    bool isClass(const char* className, unsigned char hash) const;

private:
    unsigned char hash;
    char* className;
    TQClistData items;
};

class TQCbaseList {
public:
    typedef TQCbase* (*SearchHandler)(char* className, char* instanceName);
    typedef void (*EventProc)(void* data);
    typedef void (*EventProcHandler)(char* functionName, void* data);
    typedef void (*InternalWindowHandler)(TQCbase* object);

    // One entry of the export delete list. The names are copied when the
    // entry is made, so the entry outlives its object; the object pointer
    // only tells entries apart and is never read through.
    struct ExportDeleteEntry {
        TQCbase* object;
        char* publicName;
        char* instanceName;
        char* className;
    };

    TQCbaseList();
    virtual ~TQCbaseList();
    TQCbaseList(const TQCbaseList&) = delete;
    TQCbaseList& operator=(const TQCbaseList&) = delete;

    // Registry. array is the class record's instance array, or null for the
    // first instance of a class (the array is then made and stored in the
    // class record).
    long addClient(TQCbase* object, void* array);
    // Also drops the object from both queues and from any queue or event
    // broadcast being run. 0 when removed or when the class has no array,
    // -1 when the object was not in it.
    long delClient(TQCbase* object, void* array);
    // Under "TQCbase" every class is searched, else only that exact class;
    // the earliest registered instance of the name wins.
    TQCbase* getInstance(const char* className, const char* instanceName);
    TQCbase* searchInstance(const char* className, const char* instanceName);
    void setSearchInstanceHandler(void* handler);
    long existInstance(TQCbase* object);
    TQClistData* getInstanceList(const char* className);
    // For "TQCbase": the number of classes that ever had an instance.
    long countObject(const char* className);
    TQClistData* getClassList() { return classList; }

    // Deferred work, run after each handled message.
    void addNeedUpdate(TQCbase* object);
    void addNeedInitialize(TQCbase* object);
    void execUpdate();
    void execInitialize();

    // Application-wide events; an object may register for a code twice and
    // is then called twice.
    long addEvent(TQCbase* object, long code);
    long delEvent(TQCbase* object, long code);
    bool isRegistered(TQCbase* object, long code) const;
    void execEvent(long code, void* data);
    void execEvent(long code);
    void execEvent(const char* procedureName);

    // Named global event procedures. Result 0 for a new entry, 1 when an
    // existing entry only took the new data.
    long addEventProc(EventProc function, const char* eventName, void* data);
    long addEventProc(const char* functionName, const char* eventName, void* data);
    long addEventProc(const char* functionName, const char* eventName, long data);
    // 0 when an entry was removed, -1 when none matched.
    long delEventProc(EventProc function, const char* eventName);
    long delEventProc(const char* functionName, const char* eventName);
    void delAllEventProc();
    void execEventProc(const char* eventName);
    void setEventProcHandler(EventProcHandler handler) { eventProcHandler = handler; }

    // Process-wide user data, kept on a hidden object made by the first store.
    void setUserData(const char* key, void* value);
    void* getUserData(const char* key);
    void setUserLongData(const char* key, unsigned long value);
    unsigned long getUserLongData(const char* key);
    // The key must hold only strings stored here: the old one is freed.
    void setUserStringData(const char* key, const char* text);
    const char* getUserStringData(const char* key);

    // Export lists: -1 when the object is already listed, else 0.
    long addExportInstanceList(TQCbase* object);
    long addExportInstanceUpdateList(TQCbase* object);
    long addExportInstanceDeleteList(TQCbase* object);
    long delExportInstanceList(TQCbase* object);
    long delExportInstanceUpdateList(TQCbase* object);
    long delExportInstanceDeleteList(TQCbase* object);
    TQClistData* getExportInstanceList() { return &exportList; }
    TQClistData* getExportInstanceUpdateList() { return &exportUpdateList; }
    // Entries are ExportDeleteEntry*.
    TQClistData* getExportInstanceDeleteList() { return &exportDeleteList; }
    // Removes and frees the delete entry at pos; its object leaves the
    // export list too (one destroyed has left it already).
    void dropExportDeleteEntry(long pos);
    // An object that goes leaves every export list, also one it still waits
    // on after it was no longer exported; when it was exported, its
    // withdrawal is queued with its names.
    void exportedObjectGone(TQCbase* object, bool exported);

    // The instance directory: records owned by the list, in order of
    // addition. Adding a record equal to a listed one changes nothing; the
    // caller keeps its record. -1 for null, or a record not held on delete.
    TQClistData* getRemoteInstanceList() { return &remoteInstanceList; }
    long addRemoteInstanceData(TQCremoteInstanceData* record);
    long delRemoteInstanceData(TQCremoteInstanceData* record);
    // The first record of the public name, still the list's; null when none.
    TQCremoteInstanceData* getRemoteInstanceData(const char* publicName);
    unsigned char getRemoteInstanceListUpdated() const { return remoteInstanceListUpdated; }
    void setRemoteInstanceListUpdated(unsigned char on) { remoteInstanceListUpdated = on; }
    // A proxy, owned by the caller, for the object the directory at the
    // conductor's address offers under the public name; null when the
    // directory cannot be asked or does not know the name.
    TQCRbase* getRemoteInstance(const char* publicName);

    // Builder settings for new instances.
    void setNewInstancePositionMode(unsigned char mode) { newInstancePositionMode = mode; }
    unsigned char getNewInstancePositionMode() const { return newInstancePositionMode; }
    void setNewInstanceClassName(const char* className);
    TQCstring getNewInstanceClassName() const { return newInstanceClassName; }

    // Hooks the platform's window device calls for internal windows.
    static void setInternalWindowCreateHandler(InternalWindowHandler handler);
    static void setInternalWindowVisibleHandler(InternalWindowHandler handler);
    static void setInternalWindowUnvisibleHandler(InternalWindowHandler handler);
    static void setInternalWindowDestroyHandler(InternalWindowHandler handler);
    static InternalWindowHandler getInternalWindowCreateHandler();
    static InternalWindowHandler getInternalWindowVisibleHandler();
    static InternalWindowHandler getInternalWindowUnvisibleHandler();
    static InternalWindowHandler getInternalWindowDestroyHandler();

    // Lookup by id: an id is the address of an instance, property
    // descriptor, procedure or select-list entry.
    unsigned long getIdFromInstance(TQCbase* object);
    TQCbase* getInstanceFromId(unsigned long id);
    void setInstanceId(long kind, unsigned long id);
    // The next id of the walk of that kind after prev (from the start for
    // prev 0), or 0.
    unsigned long getInstanceId(unsigned long id, long kind, unsigned long prev);
    // A text about the id, in the default encoding; "" when nothing fits.
    TQCstring getInstanceData(unsigned long id, long kind, unsigned long extra);

private:
    struct RunFrame;

    TQCbaseArray* findArray(const char* className);
    static TQCbase* findIn(TQCbaseArray* array, const char* instanceName, unsigned char hash);
    TQCbaseArray* arrayOf(TQCbase* object, void* array);
    TQCbaseArray* arrayHolding(TQCbase* object);

    typedef void (*Delivery)(TQCbase* object, long code, void* arg);

    void runUpdates(TQCbase** snapshot, long n);
    void runInitializeQueue();
    void broadcast(bool anyCode, long code, Delivery deliver, void* arg);
    void forgetInRunningFrames(TQCbase* object);

    long findEventProc(EventProc function, const char* functionName,
                       const char* eventName) const;
    long addEventProcByName(const char* functionName, const char* eventName, void* data);
    void removeEventProc(long pos);

    TQCbase* userDataHolder(bool create);
    void clearRemoteInstanceList();
    const char* registeredClassName(TQCbase* object);

    unsigned long nextChild(unsigned long id, unsigned long prev);
    unsigned long nextProperty(unsigned long id, unsigned long prev);
    unsigned long nextProcedure(unsigned long id, unsigned long prev);

    SearchHandler searchHandler;
    TQClistData* classList;
    TQClistData* updateQueue;
    TQClistData* initializeQueue;
    TQClistData eventCodes;
    TQClistData eventInstances;
    TQClistData exportList;
    TQClistData exportUpdateList;
    TQClistData exportDeleteList;
    TQClistData remoteInstanceList;
    unsigned char remoteInstanceListUpdated;
    TQClistData topInstanceIds;
    TQClistData instanceIds;
    unsigned long currentInstanceId;
    TQClistData eventProcFunctions;
    TQClistData eventProcFunctionNames;
    TQClistData eventProcEventNames;
    TQClistData eventProcData;
    EventProcHandler eventProcHandler;
    TQCstring newInstanceClassName;
    unsigned char newInstancePositionMode;
    // Snapshots of queue runs and event broadcasts under way, innermost
    // first; destroyed objects are blanked out of them.
    RunFrame* runningFrames;
};

// The process's object list, created on first use and never destroyed.
TQCbaseList* TQGIappObjectList();

#endif
