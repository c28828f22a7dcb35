// How the procedures reach the main window's widgets: by class and instance
// name through the application object list on every use, texts read and
// written as properties through variants. A widget that is not there is
// skipped by the caller, without a message.
#ifndef APPWIDGETS_H
#define APPWIDGETS_H

#include "_TQCstring.h"

class TQCbase;

// The instance of exactly that class with that name, or null.
TQCbase* findWidget(const char* className, const char* instanceName);
// The widget as that class (checked by class name), or null.
TQCbase* castWidget(TQCbase* widget, const char* className);

// A property's text in the application's default encoding ("" when the
// widget has no such property).
TQCstring widgetText(TQCbase* widget, const char* property);
void setWidgetText(TQCbase* widget, const char* property, const char* text);
// Sets "labelString" of the label of that name when it exists.
void setLabelText(const char* instanceName, const char* text);

// "%ld" and "%f" of the text; false, leaving *value alone, when nothing
// converts.
bool scanLong(TQCstring text, long* value);
bool scanFloat(TQCstring text, float* value);
// "%ld" of value.
TQCstring longText(long value);

#endif
