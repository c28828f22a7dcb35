// List: construction, the 26 properties and what setting each one does, the
// inherited properties it changes, its triggers, the title bar of the
// Detail type and destruction. Data, layout, items and selection, in-place
// input and sorting have files of their own.
#include "_TQClist.h"

#include <string>

#include "_TQCfontSet.h"
#include "_TQCimageSet.h"
#include "_TQClist_internal.h"
#include "_TQCscrFrame.h"
#include "_TQCsform.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCvlabel.h"
#include "_TQCvscrBar.h"
#include "_TQDkeyboard.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQClist, TQCscrForm);

using namespace tqlist;

namespace {

const char* const kOwnerList = "p-list";

// The inherited properties whose defaults the list changes.
struct ScrollHeightDefault {
    typedef unsigned short Value;
    static const char* typeText() { return "unsigned short"; }
};
struct HbarVisibleDefault {
    typedef TQCbool Value;
    static const char* typeText() { return "TQCbool"; }
};

} // namespace

TQClist::TQClist(TQCbase* parent, const char* name)
    : TQCscrForm(parent, name), m_font(0), m_type(0), m_dataSource(0), m_useIcon(0),
      m_multiSelect(0), m_reverseSelect(1), m_enableInput(0), m_enableFocusMove(0),
      m_returnKeyFocus(0), m_labels(8), m_labelClass("TQCvklabel", -2), m_extraInputs(8),
      m_selectChanged(0), m_enableActivate(1), m_absoluteChange(0), m_updateFlag(1),
      m_dataSourceFlag(0), m_redrawPending(1), m_adjustPending(0)
{
    _register_focus_move();
    m_font = static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo());
    // The texts' defaults are installed by initialize().
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, separator, ",");
        TQ_WATCH(r, itemHeight, 20);
        TQ_WATCH(r, iconPixmap, -1);
        TQ_WATCH_FLAG(r, useIcon, 0, bool1);
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        TQ_WATCH(r, selectColor, -7);
        TQ_WATCH(r, selectForeColor, -18);
        TQ_WATCH_BITS(r, type, 0, type);
        TQ_WATCH_FLAG(r, multiSelect, 0, bool1);
        TQ_WATCH_FLAG(r, reverseSelect, 1, bool3);
        TQ_WATCH_SLOT(r, titleHeight, TitleHeightSlot, 0);
        TQ_WATCH(r, titleString, "title");
        TQ_WATCH(r, barValue, "20");
        TQ_WATCH(r, data, nullptr);
        TQ_WATCH_BITS(r, dataSource, 0, dataSource);
        TQ_WATCH(r, dataSourceName, nullptr);
        TQ_WATCH_FLAG(r, enableInput, 0, bool3);
        TQ_REGISTER_FOCUS_MOVING(r);
        // The layout sets the scrolling mode itself.
        r.withdraw(_TQNvirtualScroll());
        r.hide(_TQNscrollHeight());
        r.hide(_TQNworkHeight());
        r.changeDefault<ScrollHeightDefault>(_TQNscrollHeight(), 20);
        r.changeDefault<HbarVisibleDefault>(_TQNhbarVisible(), 0);
        r.triggers({TQEV_KEY_PRESS, TQEV_KEY_RELEASE});
        TQCclassInformation* info = r.info();
        info->setExtTrigger(TRIGGER_SORT, "SORT");
        info->setExtTrigger(TRIGGER_ITEM_SELECTED, "ITEM-SELECTED");
        info->setExtTrigger(TRIGGER_ITEM_PRE_SELECTED, "ITEM-PRE-SELECTED");
        info->setExtTrigger(TRIGGER_INPUT_FIXED, "INPUT-FIXED");
        info->setExtTrigger(TRIGGER_INPUT_STARTED, "INPUT-STARTED");
        info->setExtTrigger(TRIGGER_ITEM_DOUBLE_CLICKED, "ITEM-DOUBLE-CLICKED");
    });
}

TQClist::~TQClist()
{
    if (getFocus())
        setFocus(0);
    if (m_returnKeyFocus && getSpecialFocus())
        setSpecialFocus(0);
    // The input fields go with the children, after this part of the list:
    // giving up the focus then must not write back into it.
    for (long i = -1; i < m_extraInputs.getNum(); ++i) {
        TQCbase* field = i < 0 ? m_defaultInput : static_cast<TQCbase*>(m_extraInputs.getData(i));
        if (field != nullptr)
            field->setUserData("plist", nullptr);
    }
    freeInputRecords();
    for (char* text : {m_separator, m_titleString, m_barValue, m_data, m_dataSourceName,
                       m_upward, m_downward, m_leftward, m_rightward, m_return, m_tab,
                       m_backtab})
        delete[] text;
}

short TQClist::fileIconNo()
{
    return TQGIappImageSet()->getImageNo(kFileIcon);
}

// ---------------------------------------------------------------------------
// Title bar

// Made on the first switch to the Detail type; it stays until the list goes.
void TQClist::buildTitleBar()
{
    std::string name = std::string("sf-") + getInstanceName();
    TQCsform* bar = new TQCsform(this, name.c_str());
    bar->setInternalObject(1);
    bar->setUseParentBaseDev(1);
    bar->initialize();
    m_titleBar = bar;
    setNumber(bar, _TQNshadowThickness(), 0);
    setNumber(bar, _TQNbarThickness(), 0);
    setNumber(bar, _TQNpixmapStyle(), 1);
    setNumber(bar, _TQNx(), static_cast<long>(m_shadowThickness) - getHbarValue());
    setNumber(bar, _TQNwidth(), getWorkWidth());
    bar->setAdjustChildren(0);
    TQGFsetMargin(bar, 0);
    _adjust();
    if (getTitleBand() != 0)
        bar->setVisible(1);
    bar->setUserData(kOwnerList, this);
    bar->addInternalProcedure("value-ch", TQEV_VALUE_CH, _btn_area_valuech, "_btn_area_valuech");
}

// The user moved a column bar: the rows draw their columns at the new
// positions. The list's own barValue hook does not run.
void TQClist::_btn_area_valuech(TQCbase* bar)
{
    TQClist* list = static_cast<TQClist*>(bar->getUserData(kOwnerList));
    if (list == nullptr)
        return;
    char* positions = nullptr;
    bar->getPropertyV(_TQNbarValue(), &positions);
    delete[] list->m_barValue;
    list->m_barValue = TQGFstrdup(positions != nullptr ? positions : "");
    list->_redraw_scr();
}

// ---------------------------------------------------------------------------
// Hooks of the list's own properties

void TQClist::setWorkTQNtype(unsigned char type)
{
    if (type == TYPE_NORMAL || type == TYPE_TREE) {
        if (m_titleBar != nullptr) {
            m_titleBar->setVisible(0);
            setTitleBand(0);
        }
    } else if (type == TYPE_DETAIL && m_titleBar == nullptr) {
        buildTitleBar();
    }
}

// Only a Detail list keeps a title band.
void TQClist::setWorkTQNtitleHeight(unsigned char height)
{
    TQCscrFrame* frame = getScrFrame();
    forgetBarPlaces();
    if (m_type != TYPE_DETAIL) {
        if (frame != nullptr) {
            setNumber(frame, _TQNx(), m_shadowThickness);
            setNumber(frame, _TQNy(), m_shadowThickness);
        }
        setTitleBand(0);
    } else {
        if (frame != nullptr) {
            setNumber(frame, _TQNx(), m_shadowThickness);
            setNumber(frame, _TQNy(), m_shadowThickness + height);
        }
        if (height != 0 && m_titleBar != nullptr)
            m_titleBar->setVisible(1);
    }
    _adjust();
}

void TQClist::setWorkTQNtitleString(char*)
{
    _adjust();
}

void TQClist::setWorkTQNbarValue(char* positions)
{
    if (m_titleBar != nullptr)
        m_titleBar->setPropertyV(_TQNbarValue(), positions != nullptr ? positions : "");
}

void TQClist::setWorkTQNseparator(char* separator)
{
    if (m_titleBar != nullptr)
        m_titleBar->setPropertyV(_TQNseparator(), separator != nullptr ? separator : "");
    _adjust();
    if (m_data != nullptr)
        _set_data(m_data);
}

// On, rows showing the default icon, or none, take the icon, while rows
// with an icon of their own keep it; off, every row loses its icon.
void TQClist::spreadIcon(bool on)
{
    for (long i = 0; i < getNum(); ++i) {
        TQCbase* row = rowAt(i);
        short icon = -1;
        row->getPropertyV(_TQNlabelPixmap(), &icon);
        if (!on)
            row->setPropertyV(_TQNlabelPixmap(), static_cast<short>(-1));
        else if (icon == -1 || icon == m_previousIcon)
            row->setPropertyV(_TQNlabelPixmap(), m_iconPixmap);
    }
}

void TQClist::setWorkTQNiconPixmap(short)
{
    if (!m_useIcon)
        return;
    spreadIcon(true);
    m_previousIcon = m_iconPixmap;
}

void TQClist::setWorkTQNuseIcon(TQCbool on)
{
    spreadIcon(on != 0);
}

// Rows are re-coloured only while the list shows; hidden, they take the
// colours at the next change of their selection.
void TQClist::setWorkTQNselectColor(short)
{
    if (!getVisible())
        return;
    for (long i = 0; i < getNum(); ++i) {
        TQCbase* row = rowAt(i);
        markSelected(row, row->getUserData(TQCvlabel::ROW_SELECTED) != nullptr);
    }
}

void TQClist::setWorkTQNselectForeColor(short color)
{
    setWorkTQNselectColor(color);
}

void TQClist::setWorkTQNitemHeight(unsigned char)
{
    _update_lb_height();
}

// ---------------------------------------------------------------------------
// Hooks of the inherited properties

void TQClist::setWorkTQNforeColor(short color)
{
    TQCscrForm::setWorkTQNforeColor(color);
    _adjust();
}

void TQClist::setWorkTQNbackColor(short color)
{
    TQCscrForm::setWorkTQNbackColor(color);
    _adjust();
}

void TQClist::setWorkTQNtopShadowColor(short color)
{
    TQCscrForm::setWorkTQNtopShadowColor(color);
    _adjust();
}

void TQClist::setWorkTQNbottomShadowColor(short color)
{
    TQCscrForm::setWorkTQNbottomShadowColor(color);
    _adjust();
}

void TQClist::setWorkTQNworkBackColor(short color)
{
    TQCscrForm::setWorkTQNworkBackColor(color);
    for (long i = 0; i < getNum(); ++i)
        rowAt(i)->setPropertyV(_TQNbackColor(), color);
}

// A list wider than its work area widens the work area; otherwise a Detail
// list takes over the column positions its title bar holds.
void TQClist::setWorkTQNwidth(unsigned short width)
{
    TQCscrForm::setWorkTQNwidth(width);
    TQCscrFrame* frame = getScrFrame();
    if (width > getWorkWidth()) {
        setNumber(this, _TQNworkWidth(), width);
    } else if (m_type == TYPE_DETAIL && frame != nullptr && m_titleBar != nullptr) {
        char* positions = nullptr;
        m_titleBar->getPropertyV(_TQNbarValue(), &positions);
        delete[] m_barValue;
        m_barValue = TQGFstrdup(positions != nullptr ? positions : "");
        if (frame->getVisible())
            frame->cdraw();
    }
}

void TQClist::setWorkTQNheight(unsigned short height)
{
    TQCscrForm::setWorkTQNheight(height);
    if (!getNoScroll())
        return;
    _adjust();
    _adjust_scr_area();
    _lb_adjust();
}

void TQClist::setWorkTQNworkWidth(unsigned short width)
{
    TQCscrForm::setWorkTQNworkWidth(width);
    for (long i = 0; i < getNum(); ++i)
        rowAt(i)->setPropertyV(_TQNwidth(), getWorkWidth());
    if (m_titleBar != nullptr)
        m_titleBar->setPropertyV(_TQNwidth(), getWorkWidth());
}

// Shrinking below the bar's value and slider pulls the value back one
// pixel further than the bar's limit. In virtual scrolling the frame keeps
// a work height near the list's own height.
void TQClist::setWorkTQNworkHeight(unsigned short height)
{
    TQCscrFrame* frame = getScrFrame();
    TQCvscrBar* bar = getVScrBar();
    if (frame == nullptr || bar == nullptr)
        return;
    LifeGuard guard(this);
    long slider = static_cast<long>(bar->getSliderSize());
    if (height < static_cast<long>(bar->getValue()) + slider) {
        long pulledBack = height - slider - 1;
        setNumber(this, _TQNvbarValue(), pulledBack > 0 ? pulledBack : 0);
        if (!guard.alive())
            return;
    }
    if (!getNoScroll()) {
        setNumber(frame, _TQNworkHeight(), height);
        frame->setAbsoluteDraw(0);
    } else {
        long frameWork = frame->getWorkHeight();
        if (frameWork > m_height + 256)
            setNumber(frame, _TQNworkHeight(), m_height);
        else if (frameWork < m_height)
            setNumber(frame, _TQNworkHeight(), m_height + 256);
    }
    if (height < getRangedViewHeight())
        setNumber(bar, _TQNsliderSize(), getRangedViewHeight());
    setNumber(bar, _TQNmaximum(), height);
    _adjust();
}
