// Widget lookups and property texts of the application's procedures.
#include "appWidgets.h"

#include "_TQCbase.h"
#include "_TQCbaseList.h"

#include <cstdio>

TQCbase* findWidget(const char* className, const char* instanceName)
{
    return TQGIappObjectList()->getInstance(className, instanceName);
}

TQCbase* castWidget(TQCbase* widget, const char* className)
{
    return widget != nullptr && widget->cast(className) != nullptr ? widget : nullptr;
}

TQCstring widgetText(TQCbase* widget, const char* property)
{
    return TQCstring(widget->getProperty(property), -2);
}

void setWidgetText(TQCbase* widget, const char* property, const char* text)
{
    widget->setProperty(property, TQCvariant(text));
}

void setLabelText(const char* instanceName, const char* text)
{
    TQCbase* label = findWidget("TQCvlabel", instanceName);
    if (label != nullptr)
        setWidgetText(label, "labelString", text);
}

bool scanLong(TQCstring text, long* value)
{
    long read = 0;
    if (std::sscanf(text.getString(-2), "%ld", &read) != 1)
        return false;
    *value = read;
    return true;
}

bool scanFloat(TQCstring text, float* value)
{
    float read = 0;
    if (std::sscanf(text.getString(-2), "%f", &read) != 1)
        return false;
    *value = read;
    return true;
}

TQCstring longText(long value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%ld", value);
    return TQCstring(text, -2);
}
