// The dialog handlers installed by the start-up, and the message dialog.
#include "appDialogs.h"

#include "appWidgets.h"

namespace {

AppDialogHandlers g_handlers = {nullptr, nullptr, nullptr, nullptr};

} // namespace

void setAppDialogHandlers(const AppDialogHandlers& handlers)
{
    g_handlers = handlers;
}

long popupAppDialog(TQCbase* dialog)
{
    if (dialog == nullptr || g_handlers.popup == nullptr)
        return -1;
    return g_handlers.popup(dialog);
}

TQCbase* appFileSelect()
{
    return g_handlers.fileSelect != nullptr ? g_handlers.fileSelect() : nullptr;
}

TQCstring appChosenFile(TQCbase* fileSelect)
{
    if (fileSelect == nullptr || g_handlers.chosenFile == nullptr)
        return TQCstring();
    return g_handlers.chosenFile(fileSelect);
}

void showAppMessage(const char* message, const char* x, const char* y)
{
    TQCbase* dialog = g_handlers.messageDialog != nullptr ? g_handlers.messageDialog() : nullptr;
    if (dialog == nullptr)
        return;
    setWidgetText(dialog, "x", x);
    setWidgetText(dialog, "y", y);
    setWidgetText(dialog, "labelString", message);
    popupAppDialog(dialog);
}
