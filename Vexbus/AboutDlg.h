#pragma once

#include <QDialog>

// The About box: the application icon, the program's name with a year, the vendor's line, OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
