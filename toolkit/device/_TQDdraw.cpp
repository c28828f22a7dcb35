// The abstract drawing interface: base answers, the pass bookkeeping and
// the process-wide current and native drawing objects.
#include "_TQDdraw.h"

namespace {

// Plain pointers, so they are null before any static initialiser runs.
TQDdraw* currentDraw = nullptr;
TQDdraw* nativeDraw = nullptr;

} // namespace

TQDdraw::TQDdraw()
{
    resetPass(nullptr, 0);
}

TQDdraw::~TQDdraw()
{
    // A drawing object normally lives for the whole run; one that goes
    // earlier must not stay reachable through the process-wide pointers.
    if (currentDraw == this)
        currentDraw = nullptr;
    if (nativeDraw == this)
        nativeDraw = nullptr;
}

long TQDdraw::setValue(long, long)
{
    return 0;
}

long TQDdraw::setOperation(unsigned char)
{
    return 0;
}

void TQDdraw::setUnderLineChar(long, long)
{
}

long TQDdraw::setCurrentDraw(TQDdraw* draw)
{
    currentDraw = draw;
    if (nativeDraw == nullptr)
        nativeDraw = draw;
    return 0;
}

TQDdraw* TQDdraw::getCurrentDraw()
{
    return currentDraw;
}

long TQDdraw::setNativeDraw(TQDdraw* draw)
{
    nativeDraw = draw;
    return 0;
}

TQDdraw* TQDdraw::getNativeDraw()
{
    return nativeDraw;
}

long TQDdraw::bindPass(TQDdev* dev, long contextResource)
{
    if (contextResource == 0)
        return -1;
    // The previous binding is forgotten, but what it drew by exclusive-or
    // still reaches its target rather than being lost with the scratch.
    finishExclusiveOr();
    resetPass(dev, contextResource);
    return 0;
}

long TQDdraw::unbindPass()
{
    if (!isBound())
        return -1;
    finishExclusiveOr();
    resetPass(nullptr, 0);
    return 0;
}

long TQDdraw::applyOperation(unsigned char operation)
{
    if (!isBound())
        return -1;
    bool wantExclusiveOr = (operation & 3) == OPERATION_XOR;
    if (wantExclusiveOr && !pass.exclusiveOr) {
        if (beginExclusiveOr() != 0)
            return -1;
        pass.exclusiveOr = 1;
    } else if (!wantExclusiveOr) {
        finishExclusiveOr();
    }
    pass.operation = operation;
    return 0;
}

long TQDdraw::beginExclusiveOr()
{
    return 0;
}

long TQDdraw::endExclusiveOr()
{
    return 0;
}

void TQDdraw::resetPass(TQDdev* dev, long contextResource)
{
    pass.dev = dev;
    pass.contextResource = contextResource;
    pass.lineWidth = 0;
    pass.hatchPattern = 0;
    pass.lineDashType = 0;
    pass.operation = OPERATION_PLAIN;
    pass.underLine1 = 0;
    pass.underLine2 = 0;
    pass.exclusiveOr = 0;
}

void TQDdraw::finishExclusiveOr()
{
    if (!pass.exclusiveOr)
        return;
    pass.exclusiveOr = 0;
    endExclusiveOr();
}
