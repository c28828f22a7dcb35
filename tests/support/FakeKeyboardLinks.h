// Stand-ins for what the keyboard reaches above the device layer, installed
// for the life of one KeyboardLinksScope (the previous links come back
// afterwards):
//   focus, specialFocus  the object model's two focus holders; taking the
//                        focus from a holder clears it and logs
//                        "<name> loses focus" or "<name> loses special focus";
//   active               the active top-level window, chosen by the test;
//   balloons             the balloon-help windows made, each a SampleWidget
//                        whose labelString is the text it was given.
#ifndef FAKEKEYBOARDLINKS_H
#define FAKEKEYBOARDLINKS_H

#include "_TQDkeyboard.h"

#include <string>
#include <vector>

class TQCbase;

class KeyboardLinksScope {
public:
    explicit KeyboardLinksScope(std::vector<std::string>* log);
    ~KeyboardLinksScope();

    TQCbase* focus = nullptr;
    TQCbase* specialFocus = nullptr;
    TQCbase* active = nullptr;
    std::vector<TQCbase*> balloons;

private:
    KeyboardLinksScope(const KeyboardLinksScope&) = delete;
    KeyboardLinksScope& operator=(const KeyboardLinksScope&) = delete;

    static TQCbase* focusInstance();
    static TQCbase* specialFocusInstance();
    static void setFocus(TQCbase* object, unsigned char on);
    static void setSpecialFocus(TQCbase* object, unsigned char on);
    static TQCbase* activeWindow();
    static TQCbase* newBalloonHelp(TQCbase* parent, const char* name);
    static void setBalloonString(TQCbase* balloon, char* text);

    static KeyboardLinksScope* current;
    std::vector<std::string>* log;
    TQDkeyboard::Links previous;
};

#endif
