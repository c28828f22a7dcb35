// Password field on a real window under Xvfb: each character of its text
// shows as the first character of its mask, to the pixel as a plain input
// field holding the mask characters shows, while its value stays its own
// and never reaches the clipboard.
// Runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "_TQCvpifield.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const int kWidth = 120;
const int kHeight = 24;

template <class Field>
Field* field(GuiControlScene& scene, int row, const char* text)
{
    std::string name = "f" + std::to_string(row);
    Field* f = scene.add<Field>(name.c_str(), 10, static_cast<short>(10 + 30 * row), kWidth,
                                kHeight);
    f->setPropertyV(_TQNlabelString(), text);
    return f;
}

bool sameShown(GuiControlScene& scene, TQCbase* a, TQCbase* b)
{
    auto shown = [&scene](TQCbase* f) {
        return captureWindow(scene.hwnd(), 10, f->getProperty(_TQNy()).getLong(), kWidth, kHeight);
    };
    return shown(a)->differences(*shown(b), kWidth, kHeight) == 0;
}

void putOnClipboard(const char* text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(data), text, strlen(text) + 1);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
}

std::string value(TQCvifield* f)
{
    return f->getString().getString(16);
}

void maskScenario()
{
    armWatchdog(30000, "the password field scenario hung");
    GuiControlScene scene(50, 60, 200, 250);
    TQCvpifield* secret = field<TQCvpifield>(scene, 0, "abc");
    TQCvifield* stars = field<TQCvifield>(scene, 1, "***");
    TQCvifield* plain = field<TQCvifield>(scene, 2, "abc");
    TQCvpifield* hashed = field<TQCvpifield>(scene, 3, "abc");
    hashed->setMaskChar(TQCstring("#x"));
    TQCvifield* hashes = field<TQCvifield>(scene, 4, "###");
    TQCvpifield* unmasked = field<TQCvpifield>(scene, 5, "abc");
    unmasked->setMaskChar(TQCstring(""));
    TQCvpifield* empty = field<TQCvpifield>(scene, 6, "");
    TQCvifield* blank = field<TQCvifield>(scene, 7, "");
    scene.show();

    requireInChild(sameShown(scene, secret, stars), "abc shows as ***");
    requireInChild(!sameShown(scene, plain, stars), "abc itself shows otherwise");
    requireInChild(value(secret) == "abc", "the value stays abc");
    requireInChild(sameShown(scene, hashed, hashes), "the mask's first character masks");
    requireInChild(sameShown(scene, unmasked, blank) && value(unmasked) == "abc",
                   "an empty mask shows no characters");
    requireInChild(sameShown(scene, empty, blank) && empty->getBuf() != nullptr &&
                       value(empty).empty(),
                   "an empty field shows and stays empty");

    putOnClipboard("kept");
    scene.click(20, 22);
    scene.key(VK_END);
    scene.hold({VK_SHIFT}, true);
    scene.key(VK_HOME);
    scene.hold({VK_SHIFT}, false);
    scene.hold({VK_CONTROL}, true);
    scene.key('C');
    scene.hold({VK_CONTROL}, false);
    requireInChild(TQCbase::getFocusInstance() == secret && clipboardText() == "kept",
                   "Ctrl+C on the selected password leaves the clipboard as it was");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(PasswordFieldDeathTest, ShowsOneMaskCharacterPerCharacterOfItsText,
                      maskScenario(), "")
