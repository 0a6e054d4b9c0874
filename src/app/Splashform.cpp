#include "Splashform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
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
    texts->addWidget(new QLabel(QStringLiteral("Version " QUILLMARK_VERSION), this));
    texts->addWidget(new QLabel(
        QStringLiteral("%1-bit version for %2").arg(QSysInfo::WordSize).arg(QSysInfo::prettyProductName()), this));
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
