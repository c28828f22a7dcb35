// Base of the platform resources (colours, fonts, images, drag and drop): a
// number, a source name and three platform values, realised lazily by the
// platform class's initialize().
#ifndef _TQDRES_H
#define _TQDRES_H

#include "TQtypes.h"
#include "_TQCroot.h"

class TQDres : public TQCroot {
public:
    TQDres();
    ~TQDres() override;
    TQ_ROOT_FRAME(TQDres, TQCroot)

    // Realise and release the platform object; the base has none (-1).
    virtual long initialize();
    virtual long destroy();

    long setId(short id);
    short getId() const { return m_id; }

    // The platform's initialize stores its handles with these.
    long setValue1(long value);
    long setValue2(long value);
    long setValue3(long value);
    // A value still -1 makes the resource realise itself first; -1 after
    // that means realisation failed (and the next read tries again).
    long getValue1();
    long getValue2();
    long getValue3();

    // A new source different from the current one unrealises the resource.
    long setSrc(const char* src);
    char* getSrc();

    unsigned char isInitialized() const { return m_flags & 1; }
    void setInitialized(unsigned char on);

protected:
    bool isRealised() const { return m_value1 != -1; }
    // Releases the platform object and marks every value unrealised.
    void unrealise();

private:
    long realisedValue(long& value);

    char* m_src;
    long m_value1;
    long m_value2;
    long m_value3;
    short m_id;
    unsigned char m_flags;
};

#endif
