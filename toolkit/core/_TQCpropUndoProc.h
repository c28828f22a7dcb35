// An undo step that records every property of one object, as text, and
// sets them back.
#ifndef _TQCPROPUNDOPROC_H
#define _TQCPROPUNDOPROC_H

#include "_TQCindexVariantData.h"
#include "_TQCundoProc.h"

class TQCbase;

class TQCpropUndoProc : public TQCundoProc {
public:
    TQ_ROOT_FRAME(TQCpropUndoProc, TQCundoProc)
    // Records all the target's properties, defaults included, in its
    // class's order. The target is not owned.
    void setTarget(TQCbase* target);
    TQCbase* getTarget() const { return target; }
    // Sets the recorded properties back; the visibility goes to the
    // target's user data "TQ-VIS" instead. A target that no longer exists
    // is left alone.
    void execute() override;

private:
    TQCindexVariantData snapshot;
    TQCbase* target = nullptr;
    const char* targetClass = nullptr;
};

#endif
