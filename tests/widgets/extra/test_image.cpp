// The image widget on the recording device: where a picture lands in the
// area the frame and the margins leave, fitted or stretched; background and
// frame around a number the image set does not hold; a widget narrower
// than its frame; the bit fields.
#include "ControlScene.h"
#include "_TQCimageSet.h"
#include "_TQCvimage.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;
using ImageWidget = ControlScene;

} // namespace

TEST_F(ImageWidget, FitsOrStretchesThePictureInsideItsFrameWhateverThePictureAndSize)
{
    TQCvimage* image = add<TQCvimage>("i", 0, 0, 100, 80);
    auto picture = [&](const char* name, long fit) {
        image->setPropertyV("labelPixmap", TQGIappImageSet()->getImageNo(name));
        image->setProperty("fit", TQCvariant(fit));
        repaint(image);
        Calls calls = draw.callStrings("drawStretchedImage");
        return calls.size() == 1 ? calls[0] : "not once";
    };
    auto at = [](const char* place, const char* name) {
        return std::string("drawStretchedImage(") + place + ",\"" + name + "\")";
    };
    const std::pair<const char*, const char*> fitted[] = {
        {"pic-200x100", "4,17,92,46"}, {"pic-50x100", "32,4,36,72"}, {"pic-10x10", "14,4,72,72"}};
    for (auto [name, place] : fitted) {
        EXPECT_EQ(at(place, name), picture(name, 0)) << "fitted with its aspect";
        EXPECT_EQ(at("4,4,92,72", name), picture(name, 1)) << "stretched";
    }

    image->setPropertyV("labelPixmap", static_cast<short>(999));
    Calls unknown = repaint(image);
    auto fill = std::find(unknown.begin(), unknown.end(), "drawFillRect(0,0,100,80)");
    EXPECT_TRUE(fill != unknown.end() && draw.callStrings("drawStretchedImage").empty() &&
                unknown.end() - fill > 2)
        << "a number the set lacks: the background and the frame, no picture";
    image->setProperty("width", TQCvariant(3L));
    EXPECT_EQ(at("4,4,1,72", "pic-10x10"), picture("pic-10x10", 1))
        << "a frame wider than the widget leaves a picture area 1 pixel wide";
    image->setProperty("marginLeft", TQCvariant(20L));
    image->setProperty("shadowThickness", TQCvariant(16L));
    EXPECT_EQ(4, image->getProperty("marginLeft").getLong());
    EXPECT_EQ(0, image->getProperty("shadowThickness").getLong());
    image->setProperty("shadowType", TQCvariant(-1L));
    repaint(image);
    EXPECT_TRUE(draw.callStrings("drawFillRect").empty()) << "no frame, no background";
}
