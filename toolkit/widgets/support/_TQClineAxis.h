// One axis of a row or a column of widgets, reached through their geometry
// properties (x, y, width, height), so that any class with those properties
// can be laid out: the main pair runs along the line, the cross pair across
// it. The box forms and the stretching spacer lay their children out with it.
#ifndef _TQCLINEAXIS_H
#define _TQCLINEAXIS_H

#include <vector>

class TQCbase;

class TQClineAxis {
public:
    enum { HORIZONTAL = 0, VERTICAL = 1 };
    // HORIZONTAL: along x and width; VERTICAL: along y and height.
    explicit TQClineAxis(unsigned char orientation);

    long position(TQCbase* object) const { return read(object, m_position); }
    long size(TQCbase* object) const { return read(object, m_size); }
    long crossSize(TQCbase* object) const { return read(object, m_crossSize); }
    void setPosition(TQCbase* object, long value) const { write(object, m_position, value); }
    void setSize(TQCbase* object, long value) const { write(object, m_size, value); }
    void setCrossPosition(TQCbase* object, long value) const
    {
        write(object, m_crossPosition, value);
    }
    void setCrossSize(TQCbase* object, long value) const { write(object, m_crossSize, value); }

    // Orders the widgets by their main position; widgets at the same
    // position keep the order they are given in.
    void sortByPosition(std::vector<TQCbase*>& widgets) const;

private:
    static long read(TQCbase* object, const char* name);
    static void write(TQCbase* object, const char* name, long value);

    const char* m_position;
    const char* m_size;
    const char* m_crossPosition;
    const char* m_crossSize;
};

#endif
