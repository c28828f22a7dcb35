// The builder's undo history: at most sixteen steps, oldest first, owned.
// The object list's global event procedures "ve-undo-status-changed" run
// whenever the history turns from empty to non-empty or back.
#ifndef _TQCUNDOMANAGER_H
#define _TQCUNDOMANAGER_H

#include "_TQClistData.h"

class TQCundoProc;

class TQCundoManager {
public:
    TQCundoManager() = default;
    virtual ~TQCundoManager();

    // Takes the step over; at the limit the oldest step is dropped.
    void addUndoProc(TQCundoProc* step);
    // Runs and deletes the newest step; nothing when empty.
    void execUndoProc();
    void clear();
    long getNum() const { return steps.getNum(); }
    // Step i, 0 the oldest, -1 the newest; null for any other index.
    TQCundoProc* getUndoProc(long i) const;
    TQCundoProc* getLastUndoProc() const { return getUndoProc(-1); }

private:
    TQCundoManager(const TQCundoManager&) = delete;
    TQCundoManager& operator=(const TQCundoManager&) = delete;

    void deleteAll();

    TQClistData steps;
    long depth = 16;
};

// The application's history, made on first call.
TQCundoManager* TQGIappUndoManager();

#endif
