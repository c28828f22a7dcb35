// The builder's undo history.
#include "_TQCundoManager.h"

#include "_TQCbaseList.h"
#include "_TQCundoProc.h"

namespace {

void undoStatusChanged()
{
    TQGIappObjectList()->execEventProc("ve-undo-status-changed");
}

} // namespace

TQCundoManager::~TQCundoManager()
{
    deleteAll();
}

void TQCundoManager::addUndoProc(TQCundoProc* step)
{
    if (step == nullptr)
        return;
    long count = steps.getNum();
    if (count == 0)
        undoStatusChanged();
    if (count >= depth) {
        delete static_cast<TQCundoProc*>(steps.getData(0));
        steps.delPos(0);
    }
    steps.add(step);
}

// The step leaves the history before it runs, so that what it sets off
// finds the history as it will be.
void TQCundoManager::execUndoProc()
{
    long count = steps.getNum();
    if (count == 0)
        return;
    TQCundoProc* step = static_cast<TQCundoProc*>(steps.getData(count - 1));
    steps.delPos(count - 1);
    step->execute();
    delete step;
    if (count == 1)
        undoStatusChanged();
}

void TQCundoManager::clear()
{
    bool hadSteps = steps.getNum() > 0;
    deleteAll();
    if (hadSteps)
        undoStatusChanged();
}

TQCundoProc* TQCundoManager::getUndoProc(long i) const
{
    long count = steps.getNum();
    if (count == 0)
        return nullptr;
    if (i == -1)
        i = count - 1;
    if (i < 0 || i >= count)
        return nullptr;
    return static_cast<TQCundoProc*>(steps.getData(i));
}

void TQCundoManager::deleteAll()
{
    while (steps.getNum() > 0) {
        long last = steps.getNum() - 1;
        TQCundoProc* step = static_cast<TQCundoProc*>(steps.getData(last));
        steps.delPos(last);
        delete step;
    }
}

TQCundoManager* TQGIappUndoManager()
{
    static TQCundoManager* manager = new TQCundoManager;
    return manager;
}
