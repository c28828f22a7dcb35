// The flat button on the recording device: its frame only under the
// pointer; Return held shows it pressed, drawn once, and its release
// activates with no key procedures, unless the pointer left meanwhile.
#include "ControlScene.h"
#include "_TQCvfbtn.h"
#include "_TQDkeyboard.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

void returnKey(TQDkeyboard* keyboard, unsigned char press)
{
    keyboard->setKey(TQDkeyboard::KEY_RETURN);
    keyboard->executeHandler(press);
}

using FlatButton = ControlScene;

} // namespace

TEST_F(FlatButton, FramedUnderThePointerAndActivatedByReturnAlone)
{
    TQCvfbtn* button = add<TQCvfbtn>("f", 0, 0, 80, 24);
    Calls flat = repaint(button);
    send(button, TQEV_MOUSE_IN, 10, 10);
    EXPECT_GT(repaint(button).size(), flat.size()) << "the frame is drawn under the pointer";
    send(button, TQEV_MOUSE_OUT, 100, 100);
    EXPECT_EQ(flat, repaint(button)) << "and goes when the pointer leaves";

    watch<TQEV_ACTIVATE>(button);
    watch<TQEV_KEY_PRESS>(button);
    watch<TQEV_KEY_RELEASE>(button);
    button->setFocus(1);
    EXPECT_EQ(nullptr, TQCbase::getSpecialFocusInstance()) << "it takes no special focus";
    draw.clear();
    returnKey(keyboard(), 1);
    size_t drawn = draw.calls().size();
    returnKey(keyboard(), 1);
    EXPECT_TRUE(drawn > 0 && draw.calls().size() == drawn) << "the second press draws nothing";
    returnKey(keyboard(), 0);
    EXPECT_EQ(Calls{"f TQEV_ACTIVATE"}, triggerLog()) << "no KEY_PRESS or KEY_RELEASE";

    send(button, TQEV_MOUSE_IN, 10, 10);
    returnKey(keyboard(), 1);
    send(button, TQEV_MOUSE_OUT, 100, 100);
    returnKey(keyboard(), 0);
    EXPECT_EQ(1u, triggerLog().size()) << "the pointer leaving took the press back";
    button->setFocus(0);
}
