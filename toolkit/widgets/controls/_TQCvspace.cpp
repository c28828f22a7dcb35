// Spacer: its two properties, the caption that follows them and the packing
// of a container that is no box form.
#include "_TQCvspace.h"

#include "_TQCfunctionRegister.h"
#include "_TQClineAxis.h"
#include "_TQCtypeServerFrame.h"
#include "_TQGFtrigger.h"

#include <vector>

TQ_TYPE_SERVER_FRAME(TQCvspace, TQCngbase);

namespace {

// Marks a parent that carries the resize procedure already.
const char kResizeWorkKey[] = "vspace-resize-work";
const char kResizeProcedure[] = "resizeop";
const char kResizeFunction[] = "_resize_work";

TQCfunctionRegister g_resizeWorkRegister(kResizeFunction,
                                         reinterpret_cast<void*>(&TQCvspace::_resize_work));

} // namespace

TQCvspace::TQCvspace(TQCbase* parent, const char* name)
    : TQCngbase(parent, name), m_extension(0), m_orientation(TQClineAxis::HORIZONTAL)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_FLAG(r, extension, 0, bool1);
        TQ_WATCH_BITS(r, orientation, 0, orientation);
    });
    showState();
}

void TQCvspace::setWorkTQNextension(TQCbool)
{
    TQCbase* parent = getParent();
    if (parent != nullptr && m_extension && parent->cast("TQCvertForm") == nullptr &&
        parent->getUserData(kResizeWorkKey) == nullptr) {
        parent->setUserData(kResizeWorkKey, reinterpret_cast<void*>(1));
        parent->addInternalProcedure(kResizeProcedure, TQEV_RESIZE, _resize_work,
                                     kResizeFunction);
        parent->execProcedure(TQEV_RESIZE);
        parent->redraw();
    }
    showState();
}

void TQCvspace::setWorkTQNorientation(unsigned char)
{
    showState();
}

void TQCvspace::showState()
{
    if (!m_extension)
        _set_title_string("-\n|\n|-Space-|\n|\n-");
    else if (m_orientation == TQClineAxis::HORIZONTAL)
        _set_title_string("<-Space->");
    else
        _set_title_string("+\n|\nSpace\n|\n+");
}

bool TQCvspace::stretchesAlong(TQCbase* object, unsigned char axis)
{
    TQCvspace* spacer = static_cast<TQCvspace*>(object->cast("TQCvspace"));
    return spacer != nullptr && spacer->m_extension && spacer->m_orientation == axis;
}

void TQCvspace::_resize_work(TQCbase* parent)
{
    _adjust(parent, TQClineAxis::HORIZONTAL);
    _adjust(parent, TQClineAxis::VERTICAL);
}

// Grip handles of the builder and parts drawn on the parent's own device
// are no children of the row, nor are children hidden by their own flag.
// The parent's visibility does not count, so that a row built before it is
// shown is packed at once.
void TQCvspace::_adjust(TQCbase* parent, unsigned char axis)
{
    TQClineAxis line(axis);
    unsigned long room = static_cast<unsigned long>(line.size(parent));
    long across = line.crossSize(parent);
    TQClistData children = parent->getChildren();
    std::vector<TQCbase*> row;
    unsigned long taken = 0;
    unsigned long stretching = 0;
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(children.getData(i));
        if (!child->getOwnVisible() || child->cast("TQCgripHand") != nullptr ||
            child->getUseParentBaseDev())
            continue;
        if (stretchesAlong(child, axis))
            ++stretching;
        else
            taken += static_cast<unsigned short>(line.size(child));
        row.push_back(child);
    }
    if (stretching == 0)
        return;
    line.sortByPosition(row);
    long share = room > taken ? static_cast<long>((room - taken) / stretching) : 1;
    long position = 0;
    for (TQCbase* child : row) {
        if (stretchesAlong(child, axis)) {
            line.setSize(child, share);
            line.setCrossSize(child, across);
            line.setCrossPosition(child, 0);
        }
        line.setPosition(child, position);
        position += line.size(child);
    }
}
