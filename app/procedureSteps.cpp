// Widget steps shared by the procedures.
#include "procedureSteps.h"

#include "analysisPass.h"
#include "analysisState.h"
#include "appWidgets.h"

#include "_TQCbase.h"

void storeMessagePosition(TQCbase* object)
{
    if (object == nullptr)
        return;
    winStartX = widgetText(object, "x");
    winStartY = widgetText(object, "y");
}

bool takeTransformSize()
{
    selsize = 1024;
    if (TQCbase* combo = findWidget("TQCcomboBox", "newcomb_000"))
        scanLong(widgetText(combo, "labelString"), &selsize);
    // Sizes other than the combo box's own never reach the transforms.
    return selsize <= maxsize && isTransformSize(selsize);
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
