// Widget steps shared by the procedures.
#include "procedureSteps.h"

#include "analysisPass.h"
#include "analysisState.h"
#include "appWidgets.h"

#include "_TQCbase.h"

#include <sstream>
#include <string>

void storeMessagePosition(TQCbase* object)
{
    if (object == nullptr)
        return;
    winStartX = widgetText(object, "x");
    winStartY = widgetText(object, "y");
}

namespace {

// The size without a box, and before any is in use.
const long kDefaultSize = 1024;

TQCbase* sizeBox()
{
    return findWidget("TQCcomboBox", "newcomb_000");
}

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The box's text as one of the sizes of its drop-down, blanks aside.
bool offeredSize(TQCbase* box, long* size)
{
    const std::string text = trimmed(widgetText(box, "labelString").getString(-2));
    std::stringstream items(widgetText(box, "menuItems").getString(-2));
    std::string item;
    while (std::getline(items, item, ',')) {
        if (!text.empty() && trimmed(item) == text)
            return scanLong(TQCstring(text.c_str()), size);
    }
    return false;
}

// What the user typed is dropped: the box shows the size in use again.
long putBackSizeInUse(TQCbase* box)
{
    const long inUse = isTransformSize(selsize) ? selsize : kDefaultSize;
    setWidgetText(box, "labelString", longText(inUse));
    return inUse;
}

} // namespace

bool takeTransformSize()
{
    TQCbase* box = sizeBox();
    long size = kDefaultSize;
    if (box != nullptr && !offeredSize(box, &size))
        size = putBackSizeInUse(box);
    selsize = size;
    return selsize <= maxsize && isTransformSize(selsize);
}

bool sizeBoxOffersAUsableSize()
{
    TQCbase* box = sizeBox();
    long size = 0;
    if (box == nullptr || (offeredSize(box, &size) && size <= maxsize))
        return true;
    putBackSizeInUse(box);
    return false;
}

void takeNoiseLevel()
{
    if (TQCbase* field = findWidget("TQCvifield", "newvifi_000"))
        scanFloat(widgetText(field, "labelString"), &paraNoise);
}

void setSliderRatio()
{
    effectmaxsize = maxsize - selsize;
    ratio_max_slider = static_cast<double>(effectmaxsize) / slidersize;
}

TQCbase* findSlider()
{
    return castWidget(findWidget("TQCvslider", "newvsli_000"), "TQCvslider");
}

bool sliderValue(TQCbase* object, long* value)
{
    TQCbase* slider = castWidget(object, "TQCvslider");
    if (slider == nullptr)
        return false;
    *value = 0;
    scanLong(widgetText(slider, "value"), value);
    return true;
}

TQCbase* resetSlider()
{
    TQCbase* slider = findSlider();
    if (slider == nullptr)
        return nullptr;
    TQCstring minimum = widgetText(slider, "minimum");
    setWidgetText(slider, "maximum", longText(slidersize));
    setWidgetText(slider, "value", minimum);
    setWidgetText(slider, "dragInterval", longText(slidersize / 50));
    return slider;
}

void analyseFirstStretch(long (*reallocate)(), long sliderTrigger)
{
    setSliderRatio();
    const SignalRange range = signalRange();
    drawWholeSignal(0, range);
    drawStretch(seliii, range);
    if (reallocate() != 0)
        return;
    analysisPass();
    if (TQCbase* slider = resetSlider())
        slider->execProcedure(sliderTrigger);
}
