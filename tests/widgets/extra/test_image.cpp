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

class ImageWidget : public ControlScene {
protected:
    static void set(TQCbase* o, const char* name, long v) { o->setProperty(name, TQCvariant(v)); }
    // The calls that draw the picture named, fitted or stretched.
    Calls pictureCalls(TQCvimage* image, const char* picture, long fit)
    {
        image->setPropertyV("labelPixmap", TQGIappImageSet()->getImageNo(picture));
        set(image, "fit", fit);
        repaint(image);
        return draw.callStrings("drawStretchedImage");
    }
    static std::string stretched(const char* at, const char* picture)
    {
        return std::string("drawStretchedImage(") + at + ",\"" + picture + "\")";
    }
};

} // namespace

TEST_F(ImageWidget, FitsThePictureWithItsAspectOrStretchesItOverTheArea)
{
    TQCvimage* image = add<TQCvimage>("i", 0, 0, 100, 80);
    const std::pair<const char*, const char*> fitted[] = {
        {"pic-200x100", "4,17,92,46"}, {"pic-50x100", "32,4,36,72"}, {"pic-10x10", "14,4,72,72"}};
    for (auto [picture, at] : fitted) {
        EXPECT_EQ(Calls{stretched(at, picture)}, pictureCalls(image, picture, 0)) << picture;
        EXPECT_EQ(Calls{stretched("4,4,92,72", picture)}, pictureCalls(image, picture, 1))
            << picture;
    }
}

TEST_F(ImageWidget, DrawsBackgroundAndFrameWhateverThePictureAndSize)
{
    TQCvimage* image = add<TQCvimage>("i", 0, 0, 100, 80);
    image->setPropertyV("labelPixmap", static_cast<short>(999));
    Calls unknown = repaint(image);
    auto fill = std::find(unknown.begin(), unknown.end(), "drawFillRect(0,0,100,80)");
    EXPECT_TRUE(fill != unknown.end() && draw.callStrings("drawStretchedImage").empty() &&
                unknown.end() - fill > 2)
        << "a number the set lacks: the background and the frame, no picture";
    set(image, "width", 3);
    EXPECT_EQ(Calls{stretched("4,4,1,72", "pic-10x10")}, pictureCalls(image, "pic-10x10", 1))
        << "a frame wider than the widget leaves a picture area 1 pixel wide";

    set(image, "marginLeft", 20);
    set(image, "shadowThickness", 16);
    EXPECT_EQ(4, image->getProperty("marginLeft").getLong());
    EXPECT_EQ(0, image->getProperty("shadowThickness").getLong());
    set(image, "shadowType", -1);
    repaint(image);
    EXPECT_TRUE(draw.callStrings("drawFillRect").empty()) << "no frame, no background";
}
