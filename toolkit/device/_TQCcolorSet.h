// The process-wide colour table. Colour numbers are shorts:
//   -23 .. -1   role colours, written "DEF" followed by the role number;
//   0 .. 1023   colours added with their own number;
//   1024 ..     colours made on demand by name, in order of creation.
// The set owns every colour in its list.
#ifndef _TQCCOLORSET_H
#define _TQCCOLORSET_H

#include "TQtypes.h"
#include "_TQClistData.h"
#include "_TQCresourceCache.h"

class TQDcolor;

class TQCcolorSet {
public:
    TQCcolorSet();
    virtual ~TQCcolorSet();

    long setCreateHandler(TQDcolor* (*handler)());
    // A new colour from the platform's factory, not added to the set.
    TQDcolor* getNewColor();

    long addColor(TQDcolor* color);
    // Takes the colour out of the set without deleting it.
    long delColor(TQDcolor* color);
    TQClistData* getColorList() { return &m_colors; }

    TQDcolor* getColor(short no);
    // Makes the colour when the name is new (and a factory is installed).
    TQDcolor* getColor(const char* name);
    TQDcolor* getColor(unsigned char r, unsigned char g, unsigned char b);
    // -1 when the name has no colour and none can be made.
    short getColorNo(const char* name);
    // Like getColorNo, but only colours made by name count.
    short getStaticColorNo(const char* name);
    // "" for 0 and unknown numbers; "DEFn" for role -n, in a buffer shared by
    // every call for a role number.
    char* getColorName(short no);
    long existColor(short no);

    // Roles are 0 .. -23; each role holds a colour number (1 at start).
    short getDefaultColorNo(long role);
    long setDefaultColorNo(long role, short no);
    TQDcolor* getDefaultColor(long role);

private:
    enum { ROLE_SLOTS = 24, FIRST_NAMED_NO = 1024 };

    static bool isRoleName(const char* name);
    static short roleNameToNo(const char* name);
    static bool validRole(long role);

    TQDcolor* colorAt(long pos) const;
    TQDcolor* cachedByName(const char* name) const;
    TQDcolor* findByNumber(short no);
    TQDcolor* makeNamedColor(const char* name);
    void forget(TQDcolor* color);

    TQCresourceCache m_cache;
    TQClistData m_colors;
    TQDcolor* (*m_createHandler)();
    long m_nextNo;
    short m_roleNo[ROLE_SLOTS];
    TQDcolor* m_roleColor[ROLE_SLOTS];
};

// The application's colour set, made on first call and kept for the process.
TQCcolorSet* TQGIappColorSet();

#endif
