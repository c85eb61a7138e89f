#include "Vexbus/AboutDlg.h"

#include "Vexbus/DialogUnits.h"
#include "Vexbus/Vexbus.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Vexbus"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DialogUnits::SystemFont(8));
    const DialogUnits du(font());
    setFixedSize(du.Size(235, 55));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setGeometry(du.Rect(11, 17, 20, 20));
    icon->setAlignment(Qt::AlignCenter);
    const int side = std::min(icon->width(), icon->height());
    icon->setPixmap(theApp.LoadIcon().pixmap(side, side));

    auto* name = new QLabel(QStringLiteral("Vexbus I2C Tool, 2024"), this);
    name->setGeometry(du.Rect(40, 10, 130, 12));
    auto* vendor = new QLabel(QStringLiteral("Vexbus developers"), this);
    vendor->setGeometry(du.Rect(40, 26, 130, 12));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(du.Rect(178, 20, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
