// A file that keeps in memory what is written to it, piece by piece.
#ifndef RECORDINGFILE_H
#define RECORDINGFILE_H

#include "_TQDfile.h"

#include <string>

class RecordingFile : public TQDfile {
public:
    long write(void* buffer, long n) override
    {
        text.append(static_cast<const char*>(buffer), static_cast<size_t>(n));
        ++writes;
        return n;
    }
    // Everything written since the last call.
    std::string take()
    {
        std::string taken;
        taken.swap(text);
        writes = 0;
        return taken;
    }

    std::string text;
    long writes = 0;
};

#endif
