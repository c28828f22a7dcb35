// List: layout and scrolling. The title bar and its column buttons, the
// rows stacked one under another (a tree hides the rows of closed
// branches), the work height, the choice between real scrolling over a
// work area that holds every row and virtual scrolling that moves the rows
// in view, and scroll positions counted in rows.
#include "_TQClist.h"

#include <string>

#include "_TQClist_internal.h"
#include "_TQCscrFrame.h"
#include "_TQCsform.h"
#include "_TQCvbtn.h"
#include "_TQCvlabel.h"
#include "_TQCvscrBar.h"
#include "_TQDdev.h"
#include "_TQGFtrigger.h"

using namespace tqlist;

namespace {

// Adds a bit to the tree-line status of a row; nothing without a row.
void markStatus(TQCbase* row, long bit)
{
    if (row != nullptr)
        setUserLong(row, TQCvlabel::ROW_STATUS, userLong(row, TQCvlabel::ROW_STATUS) | bit);
}

const char* const kOwnerList = "p-list";
const char* const kButtonColumn = "btn-pos";
// Beyond this work height the list scrolls virtually.
const long kLongestRealWork = 24000;
const long kLargestWork = 65535;

} // namespace

// ---------------------------------------------------------------------------
// Frame and title bar

void TQClist::_adjust()
{
    if (m_enableInput && m_currentInput == nullptr)
        makeDefaultInput();
    if (m_type != TYPE_DETAIL)
        setTitleBand(0);
    TQCscrForm::_adjust();
    _adjust_scr_area();
    if (m_titleBar == nullptr)
        return;
    if (m_type != TYPE_DETAIL) {
        m_titleBar->setVisible(0);
        setTitleBand(0);
        return;
    }
    setNumber(m_titleBar, _TQNx(), m_shadowThickness);
    setNumber(m_titleBar, _TQNy(), m_shadowThickness);
    if (getVisibleWidth() == 0)
        _adjust_scr_area();
    if (!getVisible()) {
        m_adjustPending = 1;
        return;
    }
    m_adjustPending = 0;
    layOutTitleBar();
}

// One button per column: the titles are the words of titleString, and the
// buttons beyond the columns hide.
void TQClist::layOutTitleBar()
{
    TQCsform* bar = m_titleBar;
    setNumber(bar, _TQNwidth(), getVisibleWidth());
    setNumber(bar, _TQNheight(), getTitleBand());
    bar->setPropertyV(_TQNbarValue(), getBarValue());
    const std::pair<const char*, long> colours[] = {{_TQNbackColor(), m_backColor},
                                                    {_TQNforeColor(), m_foreColor},
                                                    {_TQNtopShadowColor(), m_topShadowColor},
                                                    {_TQNbottomShadowColor(), m_bottomShadowColor}};
    for (const auto& [name, value] : colours)
        setNumber(bar, name, value);
    const char* separator = getSeparator();
    TQCstring positions(getBarValue(), -2);
    TQCstring titles(m_titleString != nullptr ? m_titleString : "", -2);
    long columns = positions.getWords(separator, -2) + 1;
    long made = 0;
    TQClistData children(bar->getChildren());
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* button = static_cast<TQCbase*>(children.getData(i));
        if (button->cast("TQCgripHand") != nullptr)
            continue;
        if (made < columns) {
            button->setPropertyV(_TQNlabelString(),
                                 titles.getWord(made, separator, -2).getString());
            for (const auto& [name, value] : colours)
                setNumber(button, name, value);
            setNumber(button, _TQNshadowThickness(), m_shadowThickness);
            button->setVisible(1);
        } else {
            button->setVisible(0);
        }
        ++made;
    }
    std::string name = std::string("bt-") + getInstanceName();
    for (long k = made; k < columns; ++k) {
        TQCvbtn* button = new TQCvbtn(bar, name.c_str());
        button->setInternalObject(1);
        button->initialize();
        setNumber(button, _TQNalignmentH(), 0);
        for (const auto& [property, value] : colours)
            setNumber(button, property, value);
        setNumber(button, _TQNshadowThickness(), m_shadowThickness);
        setNumber(button, _TQNusePixmap(), 1);
        setNumber(button, _TQNenableFocusMove(), 0);
        button->setDrawFocusBorder(0);
        button->setPropertyV(_TQNlabelString(), titles.getWord(k, separator, -2).getString());
        button->setVisible(1);
        button->setUserData(kOwnerList, this);
        setUserLong(button, kButtonColumn, k);
        button->addInternalProcedure("value-ch", TQEV_ACTIVATE, _btn_activate, "_btn_activate");
    }
    bar->needUpdate();
    bar->update();
}

// The column titles scroll sideways with the rows.
void TQClist::onValueChange()
{
    LifeGuard guard(this);
    TQCscrForm::onValueChange();
    if (!guard.alive() || m_titleBar == nullptr)
        return;
    setNumber(m_titleBar, _TQNx(), static_cast<long>(m_shadowThickness) - getHbarValue());
    long slider = getHScrBar() != nullptr ? static_cast<long>(getHScrBar()->getSliderSize()) : 0;
    setNumber(m_titleBar, _TQNwidth(), slider + getHbarValue());
}

// ---------------------------------------------------------------------------
// Rows

// The height in view as the vertical bar has it; 0 before the bars exist.
long TQClist::viewSlider()
{
    TQCvscrBar* bar = getVScrBar();
    return bar != nullptr ? static_cast<long>(bar->getSliderSize()) : 0;
}

// Real scrolling keeps every row at its slot; virtual scrolling moves the
// rows in view into the view and parks the others above it.
void TQClist::placeRow(TQCbase* row, long slot, bool virtualScroll)
{
    long h = m_itemHeight;
    long y0 = slot * h;
    if (!virtualScroll) {
        setNumber(row, _TQNy(), y0);
        return;
    }
    long V = getVbarValue();
    long P = viewSlider();
    if (y0 <= V + P && V < y0 + h) {
        setNumber(row, _TQNy(), y0 - V);
    } else {
        setNumber(row, _TQNy(), -2 * h);
        row->update();
    }
}

void TQClist::_lb_adjust()
{
    long n = getNum();
    long h = m_itemHeight;
    long H = getVisibleHeight();
    TQCscrFrame* frame = getScrFrame();
    if (n == 0) {
        setNumber(this, _TQNworkHeight(), H);
        m_rememberedWorkHeight = getWorkHeight();
        if (getVisible())
            _redraw_scr();
        return;
    }
    long shown = 0;
    if (m_type == TYPE_TREE) {
        long pos = 0;
        _lb_adjust_work(pos, 0, 1, shown);
        long T = shown * h;
        if (T < H)
            T = H;
        if (T > kLargestWork)
            T = kLargestWork;
        if (T != m_rememberedWorkHeight) {
            setWorkHeightField(1);
            setNumber(this, _TQNworkHeight(), T);
            if (frame != nullptr) {
                setNumber(frame, _TQNworkHeight(), T);
                frame->setAbsoluteDraw(0);
            }
            setAbsoluteDraw(0);
            m_rememberedWorkHeight = getWorkHeight();
            if (getPixmapStyle() == 1 && frame != nullptr)
                frame->redraw();
        }
    } else {
        bool virtualScroll = getNoScroll() != 0;
        for (long i = 0; i < n; ++i) {
            TQCbase* row = rowAt(i);
            if (!row->getOwnVisible())
                continue;
            placeRow(row, shown, virtualScroll);
            ++shown;
        }
        long T = shown * h;
        if (T > kLargestWork)
            T = kLargestWork;
        for (long height : {T, T < H ? H : -1}) {
            if (height < 0 || height == m_rememberedWorkHeight)
                continue;
            setNumber(this, _TQNworkHeight(), height);
            setAbsoluteDraw(0);
            m_rememberedWorkHeight = getWorkHeight();
        }
    }
    long T = shown * h;
    long V = getVbarValue();
    long P = viewSlider();
    TQDdev* dev = frame != nullptr ? frame->getowndev() : nullptr;
    if (T <= kLongestRealWork && getPixmapStyle() != 0) {
        if (getNoScroll()) {
            _set_no_scroll(0);
            _lb_adjust();
            return;
        }
        if (T < V + P && dev != nullptr)
            dev->exposeArea(0, T, getWorkWidth(), static_cast<unsigned long>(P), 1);
        return;
    }
    if (!getNoScroll()) {
        _set_no_scroll(1);
        _adjust_no_scroll();
    }
    if (T < V + P && dev != nullptr)
        dev->exposeArea(0, T - V, getWorkWidth(), static_cast<unsigned long>(P), 1);
}

// The rows from pos on that belong to level or deeper. A row is shown when
// its parent is shown and open; a row more than one level deeper than its
// parent is taken as one deeper.
void TQClist::_lb_adjust_work(long& pos, long level, unsigned char visible, long& row)
{
    TQCbase* previous = nullptr;
    bool previousOpen = false;
    bool virtualScroll = getNoScroll() != 0;
    while (pos < getNum()) {
        TQCbase* label = rowAt(pos);
        setUserLong(label, TQCvlabel::ROW_FIRST, pos == 0 ? 1 : 0);
        long depth = userLong(label, TQCvlabel::ROW_LEVEL);
        if (depth < level)
            return;
        setUserLong(label, TQCvlabel::ROW_STATUS, 0);
        label->setUserData(TQCvlabel::ROW_LIST, &m_labels);
        if (depth > level) {
            setUserLong(label, TQCvlabel::ROW_LEVEL, level + 1);
            markStatus(previous, TQCvlabel::ROW_HAS_CHILDREN);
            _lb_adjust_work(pos, level + 1, visible && previousOpen ? 1 : 0, row);
            continue;
        }
        bool open = false;
        if (!visible) {
            if (label->getOwnVisible()) {
                label->setNoClearFlag(1);
                label->setVisible(0);
                label->setNoClearFlag(0);
            }
        } else {
            markStatus(previous, TQCvlabel::ROW_SIBLING_FOLLOWS);
            open = userLong(label, TQCvlabel::ROW_OPEN) != 0;
            placeRow(label, row, virtualScroll);
            if (!label->getOwnVisible())
                label->setVisible(1);
            ++row;
        }
        ++pos;
        previous = label;
        previousOpen = open;
    }
}

void TQClist::_adjust_no_scroll()
{
    long n = getNum();
    if (n == 0) {
        setNumber(this, _TQNworkHeight(), getVisibleHeight());
        if (getVisible())
            _redraw_scr();
        return;
    }
    long h = m_itemHeight;
    long V = getVbarValue();
    long P = viewSlider();
    long shown = 0;
    for (long i = 0; i < n; ++i) {
        TQCbase* row = rowAt(i);
        if (!row->getVisible())
            continue;
        long y0 = shown * h;
        ++shown;
        if (y0 <= V + P && y0 + h > V) {
            setNumber(row, _TQNy(), y0 - V);
            setNumber(row, _TQNx(), -static_cast<long>(getHbarValue()));
            continue;
        }
        short y = 0;
        row->getPropertyV(_TQNy(), &y);
        if (y != -2 * h) {
            setNumber(row, _TQNy(), -2 * h);
            row->update();
        }
    }
}

// The pixmap of the work area is dropped and built again.
void TQClist::redrawFramePixmap()
{
    TQCscrFrame* frame = getScrFrame();
    TQDdev* dev = frame != nullptr ? frame->getowndev() : nullptr;
    if (dev == nullptr)
        return;
    char style = 0;
    dev->setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    style = 1;
    dev->setValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
}

void TQClist::updateList()
{
    m_updateFlag = 0;
    unsigned short workWidth = getWorkWidth();
    if (workWidth != m_rememberedWorkWidth) {
        m_rememberedWorkWidth = workWidth;
        if (m_labelWidth < workWidth) {
            m_labelWidth = static_cast<unsigned short>(workWidth + 256);
            for (long i = 0; i < getNum(); ++i) {
                setNumber(rowAt(i), _TQNwidth(), m_labelWidth);
                rowAt(i)->update();
            }
        }
    }
    LifeGuard guard(this);
    _lb_adjust();
    if (!guard.alive())
        return;
    if (getDataSourceServer() == nullptr && getDataSourceType() == 1)
        _set_ds_instance();
    for (long i = 0; i < getNum(); ++i)
        setUserLong(rowAt(i), TQCvlabel::ROW_OPEN_CHANGED, 0);
    if (getPixmapStyle() == 1) {
        redrawFramePixmap();
        _redraw_scr();
        m_redrawPending = 0;
    }
    if (m_redrawPending) {
        _redraw_scr();
        m_redrawPending = 0;
    }
}

void TQClist::update()
{
    LifeGuard guard(this);
    if (m_dataSourceFlag) {
        m_dataSourceFlag = 0;
        _set_ds_instance();
    }
    if (guard.alive() && m_adjustPending)
        _adjust();
    if (guard.alive() && m_updateFlag)
        updateList();
    if (guard.alive())
        TQCscrForm::update();
}

long TQClist::draw()
{
    if (m_itemHeight != m_rememberedItemHeight)
        m_updateFlag = 1;
    LifeGuard guard(this);
    if (m_updateFlag)
        updateList();
    return guard.alive() ? TQCscrForm::draw() : 0;
}

void TQClist::setLabelHeight(unsigned short height)
{
    setNumber(this, _TQNscrollHeight(), height);
    setNumber(this, _TQNitemHeight(), height & 0xFF);
    m_rememberedItemHeight = static_cast<unsigned char>(height & 0xFF);
    updateList();
}

void TQClist::_update_lb_height()
{
    for (long i = 0; i < getNum(); ++i)
        setNumber(rowAt(i), _TQNheight(), m_itemHeight);
}

// ---------------------------------------------------------------------------
// Scroll positions as rows

// The number of shown rows before pos; past the end, all shown rows.
long TQClist::visibleIndex(long pos)
{
    long index = 0;
    for (long i = 0; i < pos && i < getNum(); ++i)
        if (rowAt(i)->getVisible())
            ++index;
    return index;
}

long TQClist::positionOfVisibleIndex(long index, long fallback)
{
    long seen = 0;
    for (long i = 0; i < getNum(); ++i) {
        if (seen == index)
            return i;
        if (rowAt(i)->getVisible())
            ++seen;
    }
    return fallback;
}

long TQClist::getTopPos()
{
    long u = rowUnit();
    long t = (static_cast<long>(getVbarValue()) + u - 1) / u;
    return positionOfVisibleIndex(t, 0);
}

long TQClist::getBottomPos()
{
    long u = rowUnit();
    long P = viewSlider();
    long b = (P / u - 1) + static_cast<long>(getVbarValue()) / u;
    return positionOfVisibleIndex(b, getNum() - 1);
}

// The bar moves as if dragged there, without snapping to the scroll unit
// when a row is the target.
void TQClist::scrollToValue(long value, bool toRow)
{
    TQCvscrBar* bar = getVScrBar();
    if (bar == nullptr)
        return;
    bar->_set_internal_value(value);
    LifeGuard guard(this);
    unsigned short unit = 0;
    getPropertyV(_TQNscrollHeight(), &unit);
    if (toRow)
        setNumber(this, _TQNscrollHeight(), 0);
    _v_scr_work_op(bar);
    if (!guard.alive())
        return;
    if (toRow)
        setNumber(this, _TQNscrollHeight(), unit);
    bar->setAbsoluteDraw(1);
    bar->draw();
}

void TQClist::setTopPos(long pos)
{
    long n = getNum();
    if (pos == -1)
        pos = n;
    scrollToValue(visibleIndex(pos) * m_itemHeight, pos >= 0 && pos < n);
}

void TQClist::setBottomPos(long pos)
{
    long n = getNum();
    if (pos == -1)
        pos = n;
    long P = viewSlider();
    long value = m_itemHeight * (visibleIndex(pos) + 1) - P;
    scrollToValue(value < 0 ? 0 : value, pos >= 0 && pos < n);
}
