// The flat button on the recording device: its frame only under the
// pointer, Return held showing it pressed and drawn once, its release
// activating with no key procedures, and a pointer that leaves meanwhile
// taking the press back.
#include "ControlScene.h"
#include "_TQCvfbtn.h"
#include "_TQDkeyboard.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class FlatButton : public ControlScene {
protected:
    void TearDown() override
    {
        if (TQCbase* holder = TQCbase::getFocusInstance())
            holder->setFocus(0);
    }
    static void returnKey(unsigned char press)
    {
        keyboard()->setKey(TQDkeyboard::KEY_RETURN);
        keyboard()->executeHandler(press);
    }
    TQCvfbtn* button = add<TQCvfbtn>("f", 0, 0, 80, 24);
};

} // namespace

TEST_F(FlatButton, ShowsItsFrameOnlyUnderThePointer)
{
    Calls flat = repaint(button);
    send(button, TQEV_MOUSE_IN, 10, 10);
    Calls framed = repaint(button);
    EXPECT_GT(framed.size(), flat.size()) << "the frame is drawn under the pointer";
    send(button, TQEV_MOUSE_OUT, 100, 100);
    EXPECT_EQ(flat, repaint(button)) << "and goes when the pointer leaves";
    EXPECT_EQ(2, button->getProperty("shadowThickness").getLong()) << "the property stays";
}

TEST_F(FlatButton, ReturnHeldShowsItPressedOnceAndItsReleaseOnlyActivates)
{
    watch<TQEV_ACTIVATE>(button);
    watch<TQEV_KEY_PRESS>(button);
    watch<TQEV_KEY_RELEASE>(button);
    button->setFocus(1);
    EXPECT_EQ(nullptr, TQCbase::getSpecialFocusInstance()) << "it takes no special focus";
    draw.clear();
    returnKey(1);
    size_t drawn = draw.calls().size();
    returnKey(1);
    EXPECT_TRUE(drawn > 0 && draw.calls().size() == drawn) << "the second press draws nothing";
    returnKey(0);
    EXPECT_EQ(Calls{"f TQEV_ACTIVATE"}, triggerLog()) << "no KEY_PRESS or KEY_RELEASE";

    send(button, TQEV_MOUSE_IN, 10, 10);
    returnKey(1);
    send(button, TQEV_MOUSE_OUT, 100, 100);
    returnKey(0);
    EXPECT_EQ(1u, triggerLog().size()) << "the pointer leaving took the press back";
}
