// One step of the builder's undo history: it puts back a state recorded
// before an edit.
#ifndef _TQCUNDOPROC_H
#define _TQCUNDOPROC_H

#include "_TQCroot.h"

class TQCundoProc : public TQCroot {
public:
    TQ_ROOT_FRAME(TQCundoProc, TQCroot)
    virtual void execute() = 0;
};

#endif
