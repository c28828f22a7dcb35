// A loadable module opened by path, and the table of symbols the module
// hands over while it loads. The base object fails every operation; the
// platform layer installs a factory for working objects.
#ifndef _TQDEXTERNAL_H
#define _TQDEXTERNAL_H

#include "_TQCroot.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"

class TQDexternal : public TQCroot {
public:
    TQDexternal();
    ~TQDexternal() override;
    TQ_ROOT_FRAME(TQDexternal, TQCroot)

    // 0 once the module is loaded and its table taken.
    virtual long open(const char* path);
    // Unloads the module, if any: 0.
    virtual long close();
    // A new string the caller deletes: for each group (a, b, c) of the
    // table the lines "a b" and "c". Null when the module handed over none.
    virtual TQCstring* getObjectSymbols();

    TQ_CREATE_INSTANCE_FRAME(TQDexternal)

    // The path of the last open.
    char* getName();

    // A module hands over its table while it loads: groups of three
    // strings, ended by a null in the first place of a group. One pointer
    // for the whole process, so modules are opened one at a time.
    static void setTempData(void* data);
    static void* getTempData();
    // Kept without a copy; "" while none is set.
    static void setProjectName(char* projectName);
    static char* getProjectName();

protected:
    TQCstring name;
    char** symbols;
};

#endif
