// The application function list: function addresses by name, filled by the
// static TQCfunctionRegister objects of the event procedures before the
// program's entry function runs.
#ifndef _TQCFUNCTIONLIST_H
#define _TQCFUNCTIONLIST_H

#include "_TQClistData.h"

class TQCfunction;

class TQCfunctionList : public TQClistData {
public:
    // A name already listed keeps its record (and place) and takes the new
    // address; otherwise a new record is appended. Returns the record.
    TQCfunction* addFunction(const char* name, void* function);
    TQCfunction* addFunction(TQCfunction* record);
    // First record of that name, in registration order, or null.
    TQCfunction* getFunction(const char* name) const;
    void* getFunctionAddr(const char* name) const;
    // Takes the record out of the list without deleting it; -1 when absent.
    long delFunction(TQCfunction* record);
    // Deletes every record and empties the list.
    void delAll();
};

// The process's function list, created on first use and never destroyed, so
// that static registrations may come and go in any order.
TQCfunctionList* TQGIappFunctionList();

#endif
