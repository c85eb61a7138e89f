#include "Vexbus/Vexbus.h"
#include "platform/AppStyle.h"
#include "platform/QtUiResponder.h"
#include "platform/UiServices.h"

#include <QApplication>
#include <QStyle>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Over the style the desktop or the -style option chose.
    QApplication::setStyle(new AppStyle(QApplication::style()->name()));
    QtUiResponder responder;
    // Shows the boxes that the link objects raised while they were built, before any window.
    SetUiResponder(&responder);
    theApp.InitInstance();
    SetUiResponder(nullptr);
    return 0;
}
