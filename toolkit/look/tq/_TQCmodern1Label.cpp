// The label rules the "Modern1" procedures share.
#include "_TQCmodern1Label.h"

#include "_TQGFstring.h"

TQCmodern1Label modern1Label(TQCvlabel* control, const TQClabelLook& look)
{
    TQCmodern1Label l;
    l.blinking = look.blinkFlag != 0 && look.blinkPhase != 0;
    l.labelBlinks = l.blinking && look.blinkType != 1;
    l.sensitive = control->getSensitive() &&
                  (!control->getPropertyEditMode() || control->_get_sensitive_work());
    l.code = control->getAlignment();
    return l;
}

TQCstring* modern1Text(const char* text, bool vertical)
{
    TQCstring* copy = new TQCstring(text != nullptr ? text : "", -2);
    if (vertical)
        TQGFcreateVerticalString(copy);
    else
        copy->replaceString("\\n", "\n");
    return copy;
}
