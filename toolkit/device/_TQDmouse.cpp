// Mouse service: state of the current event, cursor table and global hook.
#include "_TQDmouse.h"

#include "_TQCmouseData.h"

TQDmouse::TQDmouse()
    : m_targetBtn(0),
      m_status(0),
      m_focusClient(nullptr),
      m_hook(nullptr),
      m_globalMouseId(-1),
      m_globalMouseSensitive(1),
      m_ungrabClient(nullptr)
{
}

TQDmouse::~TQDmouse()
{
    for (long i = 0; i < m_cursors.getNum(); ++i)
        delete entryAt(i);
}

long TQDmouse::getMousePosition(short*, short*)
{
    return 0;
}

long TQDmouse::getMousePosition(short*, short*, TQCbase*)
{
    return 0;
}

void TQDmouse::setMousePosition(short, short)
{
}

void TQDmouse::setMouseCursor(long)
{
}

void TQDmouse::setupMouseCursor(char*)
{
}

void TQDmouse::initialize()
{
}

void TQDmouse::resetMouseCursors()
{
}

void TQDmouse::delMouseCursor(long position)
{
    if (position < 0 || position >= m_cursors.getNum())
        return;
    delete entryAt(position);
    m_cursors.delPos(position);
}

TQCmouseData* TQDmouse::entryAt(long position) const
{
    return static_cast<TQCmouseData*>(m_cursors.getData(position));
}

TQCmouseData* TQDmouse::findEntry(long id) const
{
    for (long i = 0; i < m_cursors.getNum(); ++i) {
        TQCmouseData* entry = entryAt(i);
        if (entry->id == id)
            return entry;
    }
    return nullptr;
}

void TQDmouse::insertSorted(TQCmouseData* entry)
{
    long pos = 0;
    while (pos < m_cursors.getNum() && entryAt(pos)->id < entry->id)
        ++pos;
    m_cursors.add(entry, pos);
}

long TQDmouse::addMouseCursor(long id, long handle, const char* name)
{
    TQCmouseData* entry = findEntry(id);
    if (entry != nullptr) {
        entry->handle = handle;
        entry->setName(name);
        m_cursors.del(entry);
    } else {
        entry = new TQCmouseData(id, handle, name);
    }
    insertSorted(entry);
    return 0;
}

long TQDmouse::getMouseCursorId(long position) const
{
    if (position < 0 || position >= m_cursors.getNum())
        return -1;
    return entryAt(position)->id;
}

char* TQDmouse::getMouseCursorName(long id) const
{
    static char none[1] = "";
    TQCmouseData* entry = findEntry(id);
    if (entry == nullptr)
        return nullptr;
    return entry->name != nullptr ? entry->name : none;
}

long TQDmouse::getMouseCursor(long id) const
{
    if (m_globalMouseId != -1)
        id = m_globalMouseId;
    TQCmouseData* entry = findEntry(id);
    if (entry == nullptr)
        entry = findEntry(0);
    if (entry == nullptr)
        entry = entryAt(0);
    return entry != nullptr ? entry->handle : 0;
}

unsigned char TQDmouse::execGlobalMouseHook(long event, TQCbase* obj)
{
    return m_hook != nullptr ? m_hook(event, obj) : 1;
}

TQDmouse* TQGIappMouse()
{
    return TQGFappInstance<TQDmouse>();
}
