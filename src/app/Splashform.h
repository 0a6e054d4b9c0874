#pragma once

#include <QDialog>

/// The About box: the program's picture, name, version and an OK button.
class TSplashform : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashform(QWidget *parent = nullptr);
};
