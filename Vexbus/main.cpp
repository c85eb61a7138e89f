#include "QtUiResponder.h"
#include "UiServices.h"
#include "Vexbus.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtUiResponder responder;
    // Shows the boxes that the link objects raised while they were built, before any window.
    SetUiResponder(&responder);
    theApp.InitInstance();
    SetUiResponder(nullptr);
    return 0;
}
