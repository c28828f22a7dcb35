// Box forms: the column's properties and the layout pass that both box
// forms share.
#include "_TQCvertForm.h"

#include "_TQClineAxis.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvspace.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <algorithm>
#include <cstring>

TQ_TYPE_SERVER_FRAME(TQCvertForm, TQCform);

namespace {

// Children whose userString is exactly this are left where they are.
const char kNoAdjust[] = "no-adjust";

// Half of d, rounded down also below 0.
long halfDown(long d)
{
    return d >= 0 ? d / 2 : -((1 - d) / 2);
}

// A child hidden by its own flag is left out. The form's own visibility
// does not count: while the form is being shown, its children hear of it
// one by one, and a pass run in between must not take the ones not told
// yet for hidden.
bool excluded(TQCbase* child)
{
    const char* tag = child->getUserStringText();
    return child->getInternalObject() || (tag != nullptr && std::strcmp(tag, kNoAdjust) == 0) ||
           !child->getOwnVisible();
}

} // namespace

TQCvertForm::TQCvertForm(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_orientation(TQClineAxis::VERTICAL)
{
    m_shadowType = TQSHADOW_ETCHED_IN;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, minimum, 20);
        TQ_WATCH(r, margin, 4);
        r.watched<TQCmember<&ThisClass::m_alignment>>(
            _TQNalignmentH(), ALIGN_NONE, TQ_HOOKS(alignmentH),
            {_TQSalignmentH2(), _TQRalignmentH2(), _TQRalignmentH2D()});
        r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), TQSHADOW_ETCHED_IN);
        r.triggers({TQEV_VALUE_CH});
    });
}

void TQCvertForm::setWorkTQNmargin(unsigned char)
{
    _adjust();
}

void TQCvertForm::update()
{
    if (!isNeedUpdate())
        return;
    _adjust();
    if (isNeedUpdate())
        TQCform::update();
}

long TQCvertForm::draw()
{
    if (getNoRefresh()) {
        TQCbase::update();
        setAbsoluteDraw(0);
        return 0;
    }
    if (!getVisible())
        return 0;
    _adjust();
    return TQCform::draw();
}

// An anchor acts only on an axis whose parent size is not 0.
void TQCvertForm::_exec_child_adjust_for_anchors()
{
    if (!getGeometryChanged())
        return;
    if (m_orientation == TQClineAxis::VERTICAL)
        anchorChildren(m_width, 0);
    else
        anchorChildren(0, m_height);
}

// Sizes from the last child to the first, then positions from the first.
// Children that do not fit give up what they have above minimum, the last
// ones first, so that they fit exactly; room left over goes once, to the
// last stretching spacer or else to the last child.
void TQCvertForm::_adjust()
{
    if (!isNeedUpdate())
        return;
    TQClineAxis line(m_orientation);
    long room = 0;
    long total = 0;
    std::vector<TQCbase*> children = collectChildren(line, &room, &total);
    long count = static_cast<long>(children.size());
    if (static_cast<long>(m_minimum) * count > room)
        return;
    bool spacerBeforeLast = std::any_of(children.begin(), children.end() - std::min(count, 1L),
                                        [this](TQCbase* child) {
                                            return TQCvspace::stretchesAlong(child, m_orientation);
                                        });
    long formCross = line.crossSize(this);
    bool given = false;
    for (long i = count - 1; i >= 0; --i) {
        TQCbase* child = children[i];
        long size = line.size(child);
        if (room < total && m_minimum < size) {
            long cut = std::min(size - m_minimum, total - room);
            line.setSize(child, size - cut);
            total -= cut;
        } else if (total < room && !given &&
                   ((i == count - 1 && !spacerBeforeLast) ||
                    TQCvspace::stretchesAlong(child, m_orientation))) {
            line.setSize(child, size + room - total);
            given = true;
        }
        alignAcross(line, child, formCross);
    }
    long position = 0;
    for (TQCbase* child : children) {
        position += m_margin;
        line.setPosition(child, position);
        position += line.size(child) + m_margin;
    }
}

// The children laid out, in order along the line, each raised to minimum;
// room is what the form leaves them after the margins, total what they take.
std::vector<TQCbase*> TQCvertForm::collectChildren(const TQClineAxis& line, long* room,
                                                   long* total)
{
    long margins = 2L * m_margin;
    *room = line.size(this);
    std::vector<TQCbase*> children;
    TQClistData list = getChildren();
    for (long i = 0; i < list.getNum(); ++i) {
        TQCbase* child = static_cast<TQCbase*>(list.getData(i));
        if (excluded(child))
            continue;
        long size = line.size(child);
        if (size < m_minimum) {
            line.setSize(child, m_minimum);
            size = m_minimum;
        }
        *total += size;
        *room = *room > margins ? *room - margins : 1;
        children.push_back(child);
    }
    line.sortByPosition(children);
    return children;
}

// A size across that would come out below 1 is 1.
void TQCvertForm::alignAcross(const TQClineAxis& line, TQCbase* child, long formCross)
{
    long childCross = line.crossSize(child);
    switch (m_alignment) {
    case ALIGN_NEAR:
        line.setCrossPosition(child, m_margin);
        break;
    case ALIGN_CENTER:
        line.setCrossPosition(child, halfDown(formCross - childCross));
        break;
    case ALIGN_FAR:
        line.setCrossPosition(child, formCross - m_margin - childCross);
        break;
    case ALIGN_ADJUST:
        line.setCrossPosition(child, m_margin);
        line.setCrossSize(child, std::max(1L, formCross - 2L * m_margin));
        break;
    default:
        break;
    }
}
