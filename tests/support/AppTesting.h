// For the application's tests: the messages that reach the message road,
// and the application's globals put back to their state at start.
#ifndef APPTESTING_H
#define APPTESTING_H

#include "analysisMessage.h"
#include "analysisState.h"

#include <string>
#include <vector>

// Records every message, with the position it was placed at, for its life.
class RecordedMessages {
public:
    struct Message {
        std::string text, x, y;
    };
    RecordedMessages() : previous(setAnalysisMessageSink(record)) { list().clear(); }
    ~RecordedMessages() { setAnalysisMessageSink(previous); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    static std::vector<Message>& list()
    {
        static std::vector<Message> messages;
        return messages;
    }

private:
    static void record(const char* text, const char* x, const char* y)
    {
        list().push_back({text, x, y});
    }
    AnalysisMessageSink previous;
};

inline void resetApplicationState()
{
    channelReplaced();
    freeAnalysisArrays();
    delete[] siii;
    siii = nullptr;
    delete[] siii_int;
    siii_int = nullptr;
    maxsize = selsize = selpos = effectmaxsize = 0;
    sampleFreq = 44100;
    qt = 16;
    ratio_max_slider = paraNoise = 0;
    rangeMinX = rangeMaxX = 0;
    rangeMinY = rangeMaxY = 0;
    nameFull = nameDir = nameFile = winStartX = winStartY = "";
}

#endif
