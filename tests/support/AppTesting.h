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
        std::string text;
        std::string x;
        std::string y;
    };
    RecordedMessages() : previous(setAnalysisMessageSink(record)) { all().clear(); }
    ~RecordedMessages() { setAnalysisMessageSink(previous); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    const std::vector<Message>& list() const { return all(); }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const Message& m : all())
            out.push_back(m.text);
        return out;
    }
    void clear() { all().clear(); }

private:
    static std::vector<Message>& all()
    {
        static std::vector<Message> messages;
        return messages;
    }
    static void record(const char* text, const char* x, const char* y)
    {
        all().push_back({text, x, y});
    }
    AnalysisMessageSink previous;
};

inline void resetApplicationState()
{
    freeAnalysisArrays();
    delete[] siii;
    siii = nullptr;
    delete[] siii_int;
    siii_int = nullptr;
    maxsize = 0;
    sampleFreq = 44100;
    qt = 16;
    selsize = selpos = effectmaxsize = 0;
    ratio_max_slider = 0;
    SliderChangedByBtn = 0;
    paraNoise = 0;
    rangeMinX = rangeMaxX = 0;
    rangeMinY = rangeMaxY = 0;
    nameFull = nameDir = nameFile = "";
    winStartX = winStartY = "";
}

#endif
