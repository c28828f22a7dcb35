// Push button: when a mouse press or the Alt shortcut activates it, the
// focus it takes and gives up, and what it draws for each state on the
// recording device.
#include "ControlScene.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQDappDev.h"
#include "_TQDkeyboard.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

RecordingDraw* g_draw = nullptr;

// Logs the text the button drew last, as its ACTIVATE procedure sees it.
void noteLastText(TQCbase*)
{
    Calls drawn = g_draw->callStrings("drawString");
    triggerLog().push_back(drawn.empty() ? "nothing drawn" : drawn.back());
}

const char* const kRaised = "drawString(4,4,72,16,\"Save\",0,2,-1,0,0,0)";
const char* const kSunken = "drawString(4,5,72,16,\"Save\",0,2,-1,0,0,0)";

class Button : public ControlScene {
protected:
    void SetUp() override
    {
        g_draw = &draw;
        button = add<TQCvbtn>("b", 0, 0, 80, 24);
        button->setPropertyV("labelString", "Save");
    }
    void TearDown() override { button->setFocus(0); }
    std::string lastText()
    {
        Calls drawn = draw.callStrings("drawString");
        return drawn.empty() ? "" : drawn.back();
    }
    // An Alt key with that text, pressed or released, as the keyboard hands
    // it to the shortcut owners.
    void altKey(const char* text, unsigned char press)
    {
        keyboard()->setWithAlt(1);
        keyboard()->setText(const_cast<char*>(text), -2);
        button->execEventProc(press ? TQEV_KEY_PRESS : TQEV_KEY_RELEASE, nullptr);
        keyboard()->setWithAlt(0);
    }

    TQCvbtn* button = nullptr;
};

} // namespace

TEST_F(Button, DefaultsAndClassFrame)
{
    EXPECT_EQ(nullptr, TQCvbtn_create(nullptr));
    EXPECT_EQ(1, button->getProperty("emboss").getLong()) << "the button's own default";
    EXPECT_EQ(1, button->getProperty("enableFocusMove").getLong());
    EXPECT_EQ(0, button->existProperty("shadowType")) << "the button draws its own frame";
    EXPECT_NE(nullptr, button->cast("TQCvlabel"));
}

TEST_F(Button, PressAndReleaseActivatesOnceAfterTheRaisedLookIsDrawn)
{
    button->addProcedureV("look", nullptr, noteLastText, TQEV_ACTIVATE);
    send(button, TQEV_MOUSE_PRESS, 10, 10);
    EXPECT_EQ(kSunken, lastText());
    EXPECT_EQ(button, TQCbase::getFocusInstance());
    send(button, TQEV_MOUSE_RELEASE, 10, 10);
    EXPECT_EQ((Calls{kRaised}), triggerLog());
}

TEST_F(Button, InsensitiveButtonTakesNoFocusAndItsReleaseRunsNothing)
{
    watch<TQEV_MOUSE_RELEASE>(button);
    watch<TQEV_ACTIVATE>(button);
    button->setSensitive(0);
    send(button, TQEV_MOUSE_PRESS, 10, 10);
    send(button, TQEV_MOUSE_RELEASE, 10, 10);
    EXPECT_EQ(nullptr, TQCbase::getFocusInstance());
    EXPECT_TRUE(triggerLog().empty());
}

TEST_F(Button, AltShortcutActivatesInEitherCaseAndTakesTheKey)
{
    watch<TQEV_ACTIVATE>(button);
    button->setPropertyV("shortcut", "Save");
    for (const char* key : {"s", "S"}) {
        altKey(key, 1);
        EXPECT_STREQ("", keyboard()->getText(-2)) << key;
        altKey(key, 0);
    }
    altKey("a", 1);
    EXPECT_EQ((Calls{"b TQEV_ACTIVATE", "b TQEV_ACTIVATE"}), triggerLog());
    EXPECT_EQ(kRaised, lastText());
    repaint(button);
    EXPECT_EQ((Calls{"setUnderLineChar(0,1)"}), draw.callStrings("setUnderLineChar"));

    // An empty shortcut is none, even for a key without text.
    button->setPropertyV("shortcut", "");
    altKey("", 1);
    EXPECT_EQ(2u, triggerLog().size());
    TQClistData& owners = TQGIappDev()->getAltFocusInstanceList();
    ASSERT_EQ(1, owners.getNum()) << "the button stays on the Alt list, once";
    EXPECT_EQ(button, owners.getData(0));
}

// Outside a dialog nobody takes Return after the button: the field the user
// clicked into keeps it to itself.
TEST_F(Button, LeftForAFieldItNoLongerTakesReturn)
{
    send(button, TQEV_MOUSE_PRESS, 10, 10);
    send(button, TQEV_MOUSE_RELEASE, 10, 10);
    ASSERT_EQ(button, TQCbase::getSpecialFocusInstance());
    TQCvifield* field = add<TQCvifield>("f", 0, 30, 80, 20);
    field->setFocus(1);
    EXPECT_EQ(nullptr, TQCbase::getSpecialFocusInstance());
    EXPECT_EQ(nullptr, keyboard()->getSpecialFocusInstance()) << "no special key procedure";
    EXPECT_EQ(field, keyboard()->getFocusInstance());
}

TEST_F(Button, SpecialFocusOutlineInTheDarkShadowAndTheFocusMarkWhenLargeEnough)
{
    button->setFocus(1);
    Calls calls = repaint(button);
    EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), "drawFillRect(1,1,1,22)"))
        << "look B insets the frame of the special-focus button";
    Calls outline = {"setForeColor(-17)", "setLineWidth(1)", "drawRect(0,0,80,24)"};
    EXPECT_NE(calls.end(), std::search(calls.begin(), calls.end(), outline.begin(), outline.end()));
    Calls mark = {"setLineWidth(0)", "setLineDashType(8)", "drawRect(4,4,72,16)"};
    EXPECT_NE(calls.end(), std::search(calls.begin(), calls.end(), mark.begin(), mark.end()));

    button->setPropertyV("width", static_cast<unsigned short>(8));
    repaint(button);
    Calls dashes = draw.callStrings("setLineDashType");
    EXPECT_EQ(0, std::count(dashes.begin(), dashes.end(), "setLineDashType(8)"))
        << "no focus mark on a button of width 2t + 4 or less";
}

TEST_F(Button, PressedButtonMovesGradationAndTextDownAPixel)
{
    button->setPropertyV("gradation", static_cast<unsigned char>(5));
    send(button, TQEV_MOUSE_PRESS, 10, 10);
    repaint(button);
    EXPECT_EQ((Calls{"drawGradation(5,-15,-13,-16,0,1,80,24,0)"}),
              draw.callStrings("drawGradation"));
    EXPECT_EQ(kSunken, lastText());
    send(button, TQEV_MOUSE_RELEASE, 10, 10);
    repaint(button);
    EXPECT_EQ((Calls{"drawGradation(5,-15,-13,-16,0,0,80,24,0)"}),
              draw.callStrings("drawGradation"));
}

TEST_F(Button, DeletedButtonLeavesNeitherFocusNorKeyProceduresBehind)
{
    button->setPropertyV("shortcut", "s");
    button->setFocus(1);
    delete button;
    button = nullptr;
    EXPECT_EQ(nullptr, TQCbase::getFocusInstance());
    EXPECT_EQ(nullptr, TQCbase::getSpecialFocusInstance());
    EXPECT_EQ(nullptr, keyboard()->getFocusInstance());
    EXPECT_EQ(nullptr, keyboard()->getSpecialFocusInstance());
    EXPECT_EQ(0, TQGIappDev()->getAltFocusInstanceList().getNum());
    button = add<TQCvbtn>("c", 0, 0, 80, 24);
}
