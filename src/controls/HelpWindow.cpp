#include "HelpWindow.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qm {
namespace {

const QString contentsPage = QStringLiteral("contents.html");

} // namespace

HelpWindow *HelpWindow::instance()
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        // The help window is no reason to keep the program running.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [] { delete window.data(); });
    }
    return window;
}

QString HelpWindow::pageOfTopic(int topic)
{
    static const QStringList propertiesPages = {
        QStringLiteral("layout.html"),      QStringLiteral("date.html"),          QStringLiteral("fonts.html"),
        QStringLiteral("mini-fonts.html"),  QStringLiteral("header-styles.html"), QStringLiteral("line-styles.html"),
        QStringLiteral("day-planner.html"), QStringLiteral("language.html"),      QStringLiteral("margins.html"),
    };
    const int index = topic - 2100;
    return index >= 0 && index < propertiesPages.size() ? propertiesPages[index] : contentsPage;
}

HelpWindow::HelpWindow()
    : m_browser(new QTextBrowser(this))
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Quillmark Help"));
    resize(640, 560);

    QStringList searchPaths;
    const QString installedHelp = DataFileName(QStringLiteral("help"));
    if (QFileInfo(installedHelp).isDir())
        searchPaths << installedHelp;
    searchPaths << QStringLiteral(":/help");
    m_browser->setSearchPaths(searchPaths);
    m_browser->setOpenExternalLinks(true);

    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    auto *forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(contentsPage); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Quillmark Help - ") + pageTitle()); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void HelpWindow::showPage(const QString &page)
{
    m_browser->setSource(QUrl(page));
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::source() const
{
    return m_browser->source();
}

QString HelpWindow::pageTitle() const
{
    return m_browser->documentTitle();
}

void ShowHelpContents()
{
    HelpWindow::instance()->showPage(contentsPage);
}

void ShowHelpTopic(int topic)
{
    HelpWindow::instance()->showPage(HelpWindow::pageOfTopic(topic));
}

} // namespace qm
