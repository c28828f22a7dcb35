// Opening and closing a pop-up (a combo box's drop-down list) by growing or
// shrinking its "height" in a few private-timer steps. All state lives in the
// object's user data, so any object with a "height" property can be animated.
#ifndef _TQGFSTRETCHPOPUP_H
#define _TQGFSTRETCHPOPUP_H

class TQCbase;

// Shows the object and grows it from 1 pixel to its full height; while a
// closing animation runs, cancels it instead and leaves the object shown.
void TQGFstretchPopup(TQCbase* object);
// Shrinks the object and hides it with its full height restored; while an
// opening animation runs, cancels it instead and hides the object at once.
void TQGFstretchPopdown(TQCbase* object);
// Deletes the object's animation timers; the owner calls it when it is
// destroyed.
void TQGFcleanupStretchAction(TQCbase* object);

#endif
