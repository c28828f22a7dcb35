// One entry of the mouse's cursor table: the toolkit's cursor id, the
// platform's cursor handle and the cursor's name.
#ifndef _TQCMOUSEDATA_H
#define _TQCMOUSEDATA_H

class TQCmouseData {
public:
    TQCmouseData(long id, long handle, const char* name);
    ~TQCmouseData();
    TQCmouseData(const TQCmouseData&) = delete;
    TQCmouseData& operator=(const TQCmouseData&) = delete;

    // Takes a copy of the name (null for none).
    void setName(const char* name);

    long id;
    long handle;
    char* name;
};

#endif
