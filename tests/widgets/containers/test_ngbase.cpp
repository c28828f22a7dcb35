// The non-graphic component base: its caption, the properties it keeps out
// of the builder, its version check, and on a real window under Xvfb that
// it paints nothing at run time and its grey outline and caption in edit
// mode.
#include "CapturedText.h"
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "_TQCcolorSet.h"
#include "_TQCngbase.h"
#include "_TQCproperty.h"
#include "_TQDcolor.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>

TEST(NonGraphicBase, KeepsItsHiddenPropertiesWorkingAndChecksItsVersion)
{
    TQCngbase component(nullptr, "ng");
    component.initialize();
    EXPECT_STREQ("Non GUI", component.getTitleString().getString());
    component._set_title_string("two\nlines");
    EXPECT_STREQ("two\nlines", component.getTitleString().getString());

    const char* const hidden[] = {"blinkColor",     "blinkRate",      "twinBlink",
                                  "blinkFlag",      "blinkRefreshing", "foreColor",
                                  "vis",            "det",            "anchorTop",
                                  "anchorBottom",   "anchorLeft",     "anchorRight",
                                  "anchorTopFlag",  "anchorBottomFlag", "anchorLeftFlag",
                                  "anchorRightFlag"};
    for (const char* name : hidden) {
        TQCproperty* prop = component.getPropObj(name);
        ASSERT_NE(nullptr, prop) << name;
        EXPECT_EQ(0, prop->getBuilderVisible()) << name << " is left out of the builder";
        // Colours are role numbers, read back as numbers; the rest take 1.
        if (std::string(name).find("Color") != std::string::npos) {
            short colour = 0;
            component.setPropertyV(name, static_cast<short>(-5));
            component.getPropertyV(name, &colour);
            EXPECT_EQ(-5, colour) << name << " still set by name";
            continue;
        }
        component.setProperty(name, TQCvariant(1L));
        EXPECT_EQ(1, component.getProperty(name).getLong()) << name << " still set by name";
    }
    EXPECT_EQ(1, component.getPropObj(_TQNwidth())->getBuilderVisible());
    EXPECT_EQ(static_cast<TQCbase*>(&component), component.cast2("TQCbase"));
    EXPECT_EQ(nullptr, component.cast("TQCform"));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCngbase::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCngbase object_version=1000  <- differ -> "
              "object_version=1010\n",
              capturedStderr());
    EXPECT_EQ(1, TQCngbase::checkVersion(1009));
}

namespace {

COLORREF colourOf(const char* name)
{
    long r = 0, g = 0, b = 0;
    TQGIappColorSet()->getColor(TQGIappColorSet()->getColorNo(name))->getRGB(&r, &g, &b);
    return RGB(r, g, b);
}

// A component 100 x 50 at (20, 20) of a shown form.
void editModeScenario()
{
    GuiControlScene scene(50, 60, 200, 120);
    TQCngbase* component = scene.add<TQCngbase>("ng", 20, 20, 100, 50);
    scene.show();
    COLORREF ground = scene.pixel(5, 5);
    auto shot = captureWindow(scene.hwnd(), 20, 20, 100, 50);
    requireInChild(shot->count(0, 0, 100, 50, ground) == 100 * 50,
                   "at run time the component paints nothing");

    component->setPropertyEditMode(1);
    requireInChild(component->cdraw() == 0, "the edit-mode drawing succeeds");
    pumpPendingMessages(5000);
    COLORREF grey = colourOf("gray55");
    shot = captureWindow(scene.hwnd(), 20, 20, 100, 50);
    requireInChild(shot->pixel(0, 0) == grey && shot->pixel(50, 0) == grey &&
                       shot->pixel(0, 25) == grey,
                   "in edit mode the outline is in the colour of gray55");
    requireInChild(shot->count(2, 2, 96, 46, grey) > 20 && shot->pixel(3, 3) == ground,
                   "and the caption is written inside it, on the ground left as it was");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(NonGraphicBaseOnWindowDeathTest, PaintsOnlyInEditMode, editModeScenario(),
                      "")
