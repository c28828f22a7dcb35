// Grid: editing a cell in place. A second press within 249 ms of a first,
// released over a cell, opens the input field "grid-input" over it; Return
// or the focus leaving the field stores its text in the cell and in data.
#include "_TQCgrid.h"

#include "_TQCvifield.h"
#include "_TQDkeyboard.h"
#include "_TQGFdebug.h"

#include <algorithm>
#include <cstdint>

namespace {

const long kSecondPressMs = 249;
const long kDayMs = 24L * 60 * 60 * 1000;
const long kReturnKey = 0x0D;

long userNumber(TQCbase* object, const char* key)
{
    return static_cast<long>(reinterpret_cast<intptr_t>(object->getUserData(key)));
}

void setUserNumber(TQCbase* object, const char* key, long value)
{
    object->setUserData(key, reinterpret_cast<void*>(static_cast<intptr_t>(value)));
}

void setNumber(TQCbase* object, const char* property, long value)
{
    object->setProperty(property, TQCvariant(value));
}

} // namespace

// "ctime" 0 means that no first press is waiting; a press just after
// midnight is measured across it.
void TQCgrid::onMousePress(TQCpoint* point)
{
    if (m_enableInput) {
        long now = TQGFclocktime();
        long last = userNumber(this, "ctime");
        long elapsed = now - last;
        if (elapsed < 0)
            elapsed += kDayMs;
        bool second = last != 0 && elapsed <= kSecondPressMs;
        setUserNumber(this, "ctime", second ? 0 : now);
        setUserNumber(this, "onfire", second ? 1 : 0);
    }
    TQCform::onMousePress(point);
}

void TQCgrid::onMouseRelease(TQCpoint* point)
{
    if (m_enableInput && userNumber(this, "onfire") != 0) {
        setUserNumber(this, "ctime", 0);
        unsigned long column = 0, row = 0;
        if (point == nullptr || getCellNo(point->x, point->y, &column, &row) != 0)
            return;
        _adjust_input(static_cast<long>(column), static_cast<long>(row), 1);
        setUserNumber(this, "ctime", 0);
    }
    TQCform::onMouseRelease(point);
}

long TQCgrid::setFocusedCell(unsigned long column, unsigned long row)
{
    if (getCellGeometry(column, row, nullptr, nullptr, nullptr, nullptr) != 0)
        return -1;
    _adjust_input(static_cast<long>(column), static_cast<long>(row), 1);
    return 0;
}

long TQCgrid::getFocusedCell(unsigned long* column, unsigned long* row)
{
    if (column != nullptr)
        *column = 0;
    if (row != nullptr)
        *row = 0;
    if (getCellGeometry(0, 0, nullptr, nullptr, nullptr, nullptr) != 0 || m_input == nullptr)
        return -1;
    if (column != nullptr)
        *column = static_cast<unsigned long>(userNumber(m_input, "cx"));
    if (row != nullptr)
        *row = static_cast<unsigned long>(userNumber(m_input, "cy"));
    return 0;
}

void TQCgrid::_create_input()
{
    if (m_input != nullptr)
        return;
    TQCbase* made = TQCbase::getNewInstance("TQCvifield", this, "grid-input");
    m_input = made != nullptr ? static_cast<TQCvifield*>(made->cast("TQCvifield")) : nullptr;
    if (m_input == nullptr)
        return;
    m_input->initialize();
    m_input->setInternalObject(1);
    m_input->addInternalProcedure("focus-lose", TQEV_FOCUS_CH, _input_focus_lose,
                                  "_input_focus_lose");
    m_input->addInternalProcedure("focus-lose", TQEV_KEY_HOOK, _input_fix_work,
                                  "_input_fix_work");
    m_input->setUserData("pgrid", this);
}

// An edit under way is committed to its own cell, through the focus loss,
// before the field moves. The field lies inside the cell's lines and is at
// least 1 x 1.
void TQCgrid::_adjust_input(long column, long row, unsigned char show)
{
    if (!show) {
        if (m_input != nullptr)
            m_input->setVisible(0);
        return;
    }
    _create_input();
    short x, y;
    unsigned short w, h;
    if (m_input == nullptr || getCellGeometry(static_cast<unsigned long>(column),
                                              static_cast<unsigned long>(row), &x, &y, &w,
                                              &h) != 0)
        return;
    LifeGuard guard(this);
    if (m_input->getOwnVisible()) {
        m_input->setFocus(0);
        m_input->setVisible(0);
        if (!guard.alive())
            return;
    }
    m_input->redraw();
    long line = m_lineWidth;
    setNumber(m_input, _TQNx(), x + line);
    setNumber(m_input, _TQNy(), y + line);
    setNumber(m_input, _TQNwidth(), std::max(long{w} - 2 * line, 1L));
    setNumber(m_input, _TQNheight(), std::max(long{h} - 2 * line, 1L));
    m_input->setProperty(_TQNlabelString(), getItem(static_cast<unsigned long>(column),
                                                    static_cast<unsigned long>(row)));
    setNumber(m_input, _TQNshadowThickness(), 1);
    setNumber(m_input, _TQNshadowType(), 1);
    setUserNumber(m_input, "cx", column);
    setUserNumber(m_input, "cy", row);
    unsigned long i = cellIndex(column, row);
    setNumber(m_input, _TQNforeColor(), cellForeColor(i));
    setNumber(m_input, _TQNbackColor(), cellBackColor(i));
    m_input->setVisible(1);
    m_input->setFocus(1);
    m_input->setSpecialFocus(1);
}

namespace {

TQCgrid* gridOf(TQCbase* field)
{
    return static_cast<TQCgrid*>(field->getUserData("pgrid"));
}

void commitField(TQCgrid* grid, TQCbase* field)
{
    TQCvariant text = field->getProperty(_TQNlabelString());
    grid->onInputFixed(&text, userNumber(field, "cx"), userNumber(field, "cy"));
}

} // namespace

void TQCgrid::_input_focus_lose(TQCbase* field)
{
    TQCgrid* grid = gridOf(field);
    if (grid != nullptr && !field->getFocus())
        commitField(grid, field);
}

// Runs before the field takes the key itself.
void TQCgrid::_input_fix_work(TQCbase* field)
{
    TQCgrid* grid = gridOf(field);
    TQDkeyboard* keyboard = TQGIappKeyboard();
    if (grid != nullptr && keyboard != nullptr && keyboard->getKey() == kReturnKey)
        commitField(grid, field);
}

void TQCgrid::onInputFixed(TQCvariant* value, long column, long row)
{
    if (value == nullptr || m_committing)
        return;
    refreshShape(false);
    unsigned long i = cellIndex(static_cast<unsigned long>(column), static_cast<unsigned long>(row));
    if (i >= m_cells.size())
        return;
    m_cells[i] = ownedCopy(*value);
    rebuildData();
    needUpdate();
    if (m_input != nullptr) {
        LifeGuard guard(this);
        m_committing = 1;
        m_input->setVisible(0);
        if (guard.alive())
            m_committing = 0;
    }
}
