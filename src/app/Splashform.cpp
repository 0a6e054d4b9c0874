#include "Splashform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSplashform::TSplashform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("About Quillmark"));

    auto *picture = new QLabel(this);
    picture->setPixmap(
        QPixmap(QStringLiteral(":/app/quillmark.png")).scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto *name = new QLabel(QStringLiteral("Quillmark"), this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 6);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(new QLabel(QStringLiteral("Version 2.2g"), this));
    texts->addWidget(new QLabel(QStringLiteral("32-bit version for Windows 95"), this));
    texts->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
