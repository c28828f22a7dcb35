// Growable array of untyped pointers: the list type behind every registry,
// queue and child list of the toolkit. It never frees what its entries point to.
#ifndef _TQCLISTDATA_H
#define _TQCLISTDATA_H

class TQClistData {
public:
    TQClistData();
    explicit TQClistData(long step);
    TQClistData(const TQClistData& other);
    TQClistData& operator=(const TQClistData& other);
    virtual ~TQClistData();

    // Inserts before slot pos; -1, any negative and any position at or past
    // the end append. Always 0.
    long add(void* p, long pos = -1);
    long del(void* p);
    long delPos(long pos);
    void clear();

    void setData(long pos, void* p);
    void* getData(long pos) const;
    void* getTopData() const;
    void* getBottomData() const;
    // A position outside the list yields a shared scratch slot that reads
    // null; a write through it never reaches the list.
    void*& operator[](long pos);

    long getNum() const { return num; }
    void** getBuf() const { return buf; }

private:
    unsigned long growthUnit() const;
    unsigned long slotsFor(long count) const;
    void copyFrom(const TQClistData& other);
    void removeAt(long pos);

    void** buf;
    long num;
    unsigned char step;
};

#endif
