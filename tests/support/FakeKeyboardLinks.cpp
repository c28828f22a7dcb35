// Keyboard links of the tests: active window and balloon help.
#include "FakeKeyboardLinks.h"

#include "SampleWidgets.h"

KeyboardLinksScope* KeyboardLinksScope::current = nullptr;

KeyboardLinksScope::KeyboardLinksScope() : previous(TQDkeyboard::links())
{
    current = this;
    TQDkeyboard::links() = TQDkeyboard::Links{&KeyboardLinksScope::activeWindow,
                                              &KeyboardLinksScope::newBalloonHelp,
                                              &KeyboardLinksScope::setBalloonString};
}

KeyboardLinksScope::~KeyboardLinksScope()
{
    TQDkeyboard::links() = previous;
    current = nullptr;
}

TQCbase* KeyboardLinksScope::activeWindow()
{
    return current != nullptr ? current->active : nullptr;
}

TQCbase* KeyboardLinksScope::newBalloonHelp(TQCbase* parent, const char* name)
{
    TQCbase* balloon = new SampleWidget(parent, name);
    if (current != nullptr)
        current->balloons.push_back(balloon);
    return balloon;
}

void KeyboardLinksScope::setBalloonString(TQCbase* balloon, char* text)
{
    balloon->setPropertyV("labelString", static_cast<const char*>(text));
}
