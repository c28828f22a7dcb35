// Stand-ins for what the keyboard reaches above the device layer, installed
// for the life of one KeyboardLinksScope (the previous links come back
// afterwards):
//   active    the active top-level window, chosen by the test;
//   balloons  the balloon-help windows made, each a SampleWidget whose
//             labelString is the text it was given.
#ifndef FAKEKEYBOARDLINKS_H
#define FAKEKEYBOARDLINKS_H

#include "_TQDkeyboard.h"

#include <vector>

class TQCbase;

class KeyboardLinksScope {
public:
    KeyboardLinksScope();
    ~KeyboardLinksScope();

    TQCbase* active = nullptr;
    std::vector<TQCbase*> balloons;

private:
    KeyboardLinksScope(const KeyboardLinksScope&) = delete;
    KeyboardLinksScope& operator=(const KeyboardLinksScope&) = delete;

    static TQCbase* activeWindow();
    static TQCbase* newBalloonHelp(TQCbase* parent, const char* name);
    static void setBalloonString(TQCbase* balloon, char* text);

    static KeyboardLinksScope* current;
    TQDkeyboard::Links previous;
};

#endif
