// Keyboard links of the tests: focus holders, active window, balloon help.
#include "FakeKeyboardLinks.h"

#include "SampleWidgets.h"

KeyboardLinksScope* KeyboardLinksScope::current = nullptr;

KeyboardLinksScope::KeyboardLinksScope(std::vector<std::string>* logArg)
    : log(logArg), previous(TQDkeyboard::links())
{
    current = this;
    TQDkeyboard::links() = TQDkeyboard::Links{
        &KeyboardLinksScope::focusInstance, &KeyboardLinksScope::specialFocusInstance,
        &KeyboardLinksScope::setFocus,      &KeyboardLinksScope::setSpecialFocus,
        &KeyboardLinksScope::activeWindow,  &KeyboardLinksScope::newBalloonHelp,
        &KeyboardLinksScope::setBalloonString};
}

KeyboardLinksScope::~KeyboardLinksScope()
{
    TQDkeyboard::links() = previous;
    current = nullptr;
}

TQCbase* KeyboardLinksScope::focusInstance()
{
    return current != nullptr ? current->focus : nullptr;
}

TQCbase* KeyboardLinksScope::specialFocusInstance()
{
    return current != nullptr ? current->specialFocus : nullptr;
}

void KeyboardLinksScope::setFocus(TQCbase* object, unsigned char on)
{
    if (current == nullptr || on != 0 || object != current->focus)
        return;
    current->focus = nullptr;
    if (current->log != nullptr)
        current->log->push_back(std::string(object->getInstanceName()) + " loses focus");
}

void KeyboardLinksScope::setSpecialFocus(TQCbase* object, unsigned char on)
{
    if (current == nullptr || on != 0 || object != current->specialFocus)
        return;
    current->specialFocus = nullptr;
    if (current->log != nullptr)
        current->log->push_back(std::string(object->getInstanceName()) +
                                " loses special focus");
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
