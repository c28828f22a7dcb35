// The drawing fixture on a DIB section.
#include "DibSurface.h"

#include "FakeResources.h"
#include "_TQCcolorSet.h"

void SurfaceDrawTest::SetUp()
{
    TQGIappColorSet()->setCreateHandler(FakeColor::create);
    dev.setDrawingSize(WIDTH, HEIGHT);
    ASSERT_EQ(0, draw.beginDraw(&dev, 1, 2, surface.context()));
    draw.setRegion(0, 0, WIDTH, HEIGHT);
    draw.setForeColor(colorNo("#000000"));
    draw.setBackColor(colorNo("#ffffff"));
}

short SurfaceDrawTest::colorNo(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}
