// Pop-up frame: construction, properties, the item list and its
// sensitivity flags, showing, and the drawing that finds the item under the
// pointer.
#include "_TQCpopupFrame.h"

#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQCfontSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDmouse.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"

TQ_TYPE_SERVER_FRAME(TQCpopupFrame, TQCwindow);

namespace {

// Role colours of the row under the pointer in look B.
const long kHighlightRole = -7;
const long kHighlightTextRole = -18;
// Left, centred vertically.
const char kAlignLeft = 0;

unsigned char defaultFontNo()
{
    return static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo());
}

void writeDefaultFontNo(void* value)
{
    *static_cast<unsigned char*>(value) = defaultFontNo();
}

} // namespace

TQCpopupFrame::TQCpopupFrame(TQCbase* parent, const char* name)
    : TQCwindow(parent, name), m_valueEffective(0), m_font(defaultFontNo())
{
    m_foreColor = -6;
    m_backColor = -5;
    m_topShadowColor = -8;
    m_bottomShadowColor = -9;
    TQCregisterClass(this, VERSION, registerProperties);
}

void TQCpopupFrame::registerProperties(Registrar& r)
{
    TQ_WATCH(r, menuItems, nullptr);
    TQ_WATCH(r, menuItemHeight, 30);
    TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(writeDefaultFontNo);
    r.withdraw(_TQNtitleBar());
    r.changeDefault<&TQCpopupFrame::m_foreColor>(_TQNforeColor(), -6);
    r.changeDefault<&TQCpopupFrame::m_backColor>(_TQNbackColor(), -5);
    r.changeDefault<&TQCpopupFrame::m_topShadowColor>(_TQNtopShadowColor(), -8);
    r.changeDefault<&TQCpopupFrame::m_bottomShadowColor>(_TQNbottomShadowColor(), -9);
    for (const char* hidden : {_TQNindicatorOn(), _TQNmargin(), _TQNmarginLeft(),
                               _TQNbarThickness(), _TQNemboss()})
        r.hide(hidden);
}

TQCpopupFrame::~TQCpopupFrame()
{
    delete[] m_menuItems;
    delete[] m_itemSensitive;
}

void TQCpopupFrame::onVisibleChange(unsigned char on)
{
    if (!on) {
        TQCbase::onVisibleChange(0);
        return;
    }
    showAsPopup();
}

// ---------------------------------------------------------------------------
// Items

std::vector<std::string> TQCpopupFrame::splitItems(const char* items)
{
    std::vector<std::string> out;
    if (items == nullptr)
        return out;
    std::string item;
    for (const char* p = items;; ++p) {
        if (*p == ',' || *p == '\n' || *p == '\0') {
            out.push_back(item);
            item.clear();
            if (*p == '\0')
                return out;
        } else {
            item += *p;
        }
    }
}

std::string TQCpopupFrame::itemField(const std::string& item, long n)
{
    size_t from = 0;
    for (long i = 0; i < n; ++i) {
        from = item.find(':', from);
        if (from == std::string::npos)
            return "";
        ++from;
    }
    size_t to = item.find(':', from);
    return item.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

void TQCpopupFrame::setWorkTQNmenuItems(char*)
{
    delete[] m_itemSensitive;
    m_itemSensitive = nullptr;
    setItemSensitive(0, 1);
}

long TQCpopupFrame::setItemSensitive(short index, unsigned char on)
{
    long count = static_cast<long>(splitItems(m_menuItems).size());
    if (m_itemSensitive == nullptr) {
        m_itemSensitive = new unsigned char[count > 0 ? count : 1];
        std::memset(m_itemSensitive, 1, count > 0 ? count : 1);
    }
    if (index < 0 || index >= count)
        return -1;
    m_itemSensitive[index] = on;
    return 0;
}

long TQCpopupFrame::getValue(long* value)
{
    *value = m_value;
    return m_valueEffective;
}

// ---------------------------------------------------------------------------
// Drawing

long TQCpopupFrame::draw()
{
    if (m_itemSensitive == nullptr)
        setItemSensitive(0, 1);
    if (!getVisible())
        return 0;
    // Without a pointer no row is under it.
    short px = -32768, py = -32768;
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr || mouse->getMousePosition(&px, &py) == 0)
        px = py = -32768;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    unsigned char whole = getAbsoluteDraw();
    if (!whole && !dev->isExposed(0, 0, m_width, m_height, 1))
        return 0;
    if (drawThroughLook(dev))
        return 0;
    if (!beginFramedDraw(dev, whole))
        return 0;
    m_valueEffective = 0;
    std::vector<std::string> items = splitItems(m_menuItems);
    for (size_t k = 0; k < items.size(); ++k)
        drawItem(dev, items[k], static_cast<long>(k), px, py);
    dev->endDraw();
    return 0;
}

// Rows narrower or lower than their frame draw no text or highlight: the
// sizes would pass to the device as huge unsigned values.
void TQCpopupFrame::drawItem(TQDdev* dev, const std::string& item, long k, short px, short py)
{
    long t = m_shadowThickness, w = m_width, h = m_menuItemHeight;
    long y = t + k * h;
    bool sensitive = m_itemSensitive[k] != 0;
    bool under = m_x < px && px < m_x + w && m_y + y < py && py < m_y + y + h;
    long policy = TQGIappGuiPolicy()->getGuiPolicy();
    bool highlight = under && sensitive && (policy & TQCguiPolicy::LOOK_B);
    TQCstring label(itemField(item, 0).c_str(), -2);
    long textW = w - 4 * t - 2, textH = h - 2 * t;
    bool roomForText = textW > 0 && textH > 0;

    if (sensitive) {
        dev->setHatchPattern(0);
    } else if (m_emboss) {
        dev->setForeColor(m_topShadowColor);
        if (roomForText)
            dev->drawString(2 * t + 3, y + t + 1, textW, textH, &label, m_font, kAlignLeft, -1,
                            0, 0, 0);
    } else {
        dev->setHatchPattern(8);
    }
    if (highlight && w - 2 * t - 2 > 0 && h - 2 > 0) {
        dev->setForeColor(TQGIappColorSet()->getDefaultColorNo(kHighlightRole));
        dev->drawFillRect(t + 1, y + 1, w - 2 * t - 2, h - 2);
    }
    short color = m_emboss && !sensitive ? m_bottomShadowColor : m_foreColor;
    if (highlight)
        color = TQGIappColorSet()->getDefaultColorNo(kHighlightTextRole);
    dev->setForeColor(color);
    if (roomForText)
        dev->drawString(2 * t + 2, y + t, textW, textH, &label, m_font, kAlignLeft, -1, 0, 0, 0);
    if (!under) {
        TQGFdrawShadow(dev, m_shadowType, t, m_backColor, m_backColor, m_backColor, m_backColor,
                       t, y, w - 2 * t, h, 1);
        return;
    }
    if (sensitive && (policy & TQCguiPolicy::LOOK_A))
        TQGFdrawBtnShadow(dev, m_shadowType, t, m_foreColor, m_topShadowColor,
                          m_bottomShadowColor, m_backColor, t, y, w - 2 * t, h, 0);
    m_value = TQGFatol(itemField(item, 1).c_str());
    m_valueEffective = 1;
}

void TQCpopupFrame::fillDrawBlock(TQCpopupFrameDrawBlock& b)
{
    b.foreColor = m_foreColor;
    b.backColor = m_backColor;
    b.topShadowColor = m_topShadowColor;
    b.bottomShadowColor = m_bottomShadowColor;
    b.backPixmap = m_backPixmap;
    b.shadowType = m_shadowType;
    b.gradation = m_gradation;
    b.gradationMargin = m_gradationMargin;
    b.menuItems = m_menuItems;
    b.itemSensitive = m_itemSensitive;
    b.menuItemHeight = m_menuItemHeight;
    b.emboss = m_emboss;
    b.font = m_font;
}
