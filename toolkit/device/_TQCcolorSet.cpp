// Colour set: colour numbers, names and roles over one owned list, with the
// name and number caches in front of it.
#include "_TQCcolorSet.h"

#include "_TQDcolor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const short LAST_NO = 32767;

} // namespace

TQCcolorSet::TQCcolorSet() : m_createHandler(nullptr), m_nextNo(FIRST_NAMED_NO)
{
    for (long i = 0; i < ROLE_SLOTS; ++i) {
        m_roleNo[i] = 1;
        m_roleColor[i] = nullptr;
    }
}

TQCcolorSet::~TQCcolorSet()
{
    for (long i = 0; i < m_colors.getNum(); ++i)
        delete colorAt(i);
}

long TQCcolorSet::setCreateHandler(TQDcolor* (*handler)())
{
    m_createHandler = handler;
    return 0;
}

TQDcolor* TQCcolorSet::getNewColor()
{
    return m_createHandler != nullptr ? m_createHandler() : nullptr;
}

long TQCcolorSet::addColor(TQDcolor* color)
{
    m_colors.add(color);
    return 0;
}

// The role slots are emptied as well as the caches: the caller may delete
// the colour once it is out of the set.
long TQCcolorSet::delColor(TQDcolor* color)
{
    m_colors.del(color);
    forget(color);
    return 0;
}

void TQCcolorSet::forget(TQDcolor* color)
{
    m_cache.forget(color);
    for (long i = 0; i < ROLE_SLOTS; ++i) {
        if (m_roleColor[i] == color)
            m_roleColor[i] = nullptr;
    }
}

TQDcolor* TQCcolorSet::colorAt(long pos) const
{
    return static_cast<TQDcolor*>(m_colors.getData(pos));
}

bool TQCcolorSet::isRoleName(const char* name)
{
    return std::strncmp(name, "DEF", 3) == 0;
}

// "DEFn" is -n cut to 16 bits, without a range check ("DEF" alone is 0).
short TQCcolorSet::roleNameToNo(const char* name)
{
    long n = std::strtol(name + 3, nullptr, 10);
    return static_cast<short>(0UL - static_cast<unsigned long>(n));
}

bool TQCcolorSet::validRole(long role)
{
    return 0UL - static_cast<unsigned long>(role) <= ROLE_SLOTS - 1;
}

TQDcolor* TQCcolorSet::cachedByName(const char* name) const
{
    return static_cast<TQDcolor*>(m_cache.byName(name));
}

TQDcolor* TQCcolorSet::findByNumber(short no)
{
    return static_cast<TQDcolor*>(m_cache.findByNumber(m_colors, no));
}

// Naming the colour realises it on the platform at once. Numbers run out at
// 32767: past that no colour is made, rather than wrapping into the role
// numbers.
TQDcolor* TQCcolorSet::makeNamedColor(const char* name)
{
    if (m_createHandler == nullptr || m_nextNo > LAST_NO)
        return nullptr;
    TQDcolor* color = m_createHandler();
    if (color == nullptr)
        return nullptr;
    color->setColorName(name);
    color->setId(static_cast<short>(m_nextNo));
    m_colors.add(color);
    ++m_nextNo;
    return color;
}

TQDcolor* TQCcolorSet::getColor(short no)
{
    if (no < 0) {
        if (-no > ROLE_SLOTS - 1)
            return nullptr;
        TQDcolor* role = m_roleColor[-no];
        return role != nullptr ? role : getDefaultColor(no);
    }
    return findByNumber(no);
}

TQDcolor* TQCcolorSet::getColor(const char* name)
{
    if (name == nullptr)
        return nullptr;
    if (isRoleName(name))
        return getColor(roleNameToNo(name));
    TQDcolor* color = cachedByName(name);
    if (color != nullptr)
        return color;
    for (long i = 0; i < m_colors.getNum(); ++i) {
        color = colorAt(i);
        if (TQCresourceCache::hasName(color, name)) {
            m_cache.keepByName(name, color);
            return color;
        }
    }
    color = makeNamedColor(name);
    if (color != nullptr)
        m_cache.keepByName(name, color);
    return color;
}

TQDcolor* TQCcolorSet::getColor(unsigned char r, unsigned char g, unsigned char b)
{
    char name[8];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", r, g, b);
    return getColor(name);
}

// A colour numbered below 1024 wins at once; among colours made by name the
// last one listed wins.
short TQCcolorSet::getColorNo(const char* name)
{
    if (name == nullptr)
        return -1;
    if (isRoleName(name))
        return roleNameToNo(name);
    TQDcolor* cached = cachedByName(name);
    if (cached != nullptr)
        return cached->getId();

    TQDcolor* lastNamed = nullptr;
    for (long i = 0; i < m_colors.getNum(); ++i) {
        TQDcolor* color = colorAt(i);
        if (!TQCresourceCache::hasName(color, name))
            continue;
        if (color->getId() < FIRST_NAMED_NO) {
            m_cache.keepByName(name, color);
            return color->getId();
        }
        lastNamed = color;
    }
    if (lastNamed != nullptr) {
        m_cache.keepByName(name, lastNamed);
        return lastNamed->getId();
    }
    TQDcolor* made = makeNamedColor(name);
    return made != nullptr ? made->getId() : -1;
}

short TQCcolorSet::getStaticColorNo(const char* name)
{
    if (name == nullptr)
        return -1;
    if (isRoleName(name))
        return roleNameToNo(name);
    for (long i = 0; i < m_colors.getNum(); ++i) {
        TQDcolor* color = colorAt(i);
        if (color->getId() >= FIRST_NAMED_NO && TQCresourceCache::hasName(color, name))
            return color->getId();
    }
    TQDcolor* made = makeNamedColor(name);
    return made != nullptr ? made->getId() : -1;
}

char* TQCcolorSet::getColorName(short no)
{
    static char none[1] = "";
    static char roleName[16];
    if (no < 0) {
        std::snprintf(roleName, sizeof roleName, "DEF%d", -no);
        return roleName;
    }
    if (no == 0)
        return none;
    TQDcolor* color = findByNumber(no);
    return color != nullptr ? color->getSrc() : none;
}

long TQCcolorSet::existColor(short no)
{
    if (no <= 0)
        return 0;
    for (long i = 0; i < m_colors.getNum(); ++i) {
        if (colorAt(i)->getId() == no)
            return 1;
    }
    return 0;
}

short TQCcolorSet::getDefaultColorNo(long role)
{
    return validRole(role) ? m_roleNo[-role] : 1;
}

long TQCcolorSet::setDefaultColorNo(long role, short no)
{
    if (no <= 0 || !validRole(role))
        return -1;
    m_roleNo[-role] = no;
    m_roleColor[-role] = nullptr;
    return 0;
}

TQDcolor* TQCcolorSet::getDefaultColor(long role)
{
    if (!validRole(role))
        return nullptr;
    long slot = -role;
    if (m_roleColor[slot] != nullptr)
        return m_roleColor[slot];
    for (long i = 0; i < m_colors.getNum(); ++i) {
        TQDcolor* color = colorAt(i);
        if (color->getId() == m_roleNo[slot]) {
            m_roleColor[slot] = color;
            return color;
        }
    }
    return nullptr;
}

TQCcolorSet* TQGIappColorSet()
{
    static TQCcolorSet* set = new TQCcolorSet();
    return set;
}
