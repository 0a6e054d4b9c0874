#include "controls/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using qm::HelpWindow;

TEST(HelpWindow, TopicsOpenTheirPages)
{
    struct Row {
        int topic;
        const char *page;
        const char *title;
    };
    const Row rows[] = {
        {0, "contents.html", "Contents"},
        {2100, "layout.html", "Properties: Layout"},
        {2101, "date.html", "Properties: Date"},
        {2102, "fonts.html", "Properties: Fonts & Colors"},
        {2103, "mini-fonts.html", "Properties: Mini Fonts & Colors"},
        {2104, "header-styles.html", "Properties: Header Styles"},
        {2105, "line-styles.html", "Properties: Line Styles"},
        {2106, "day-planner.html", "Properties: Day Planner"},
        {2107, "language.html", "Properties: Language"},
        {2108, "margins.html", "Properties: Margins"},
        {2109, "contents.html", "Contents"},
    };
    for (const Row &row : rows) {
        qm::ShowHelpTopic(row.topic);
        HelpWindow *window = HelpWindow::instance();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->source().toString(), QString::fromLatin1(row.page)) << row.topic;
        EXPECT_EQ(window->pageTitle(), QString::fromLatin1(row.title)) << row.topic;
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark Help - ") + QString::fromLatin1(row.title));
    }
    qm::ShowHelpContents();
    EXPECT_EQ(HelpWindow::instance()->source().toString(), QStringLiteral("contents.html"));
}

QStringList linksOf(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    QStringList targets;
    for (auto match = link.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();)
        targets << match.next().captured(1);
    return targets;
}

TEST(HelpWindow, EveryLinkLeadsToAPageAndTheContentsListEveryPage)
{
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    const QStringList listed = linksOf(QStringLiteral("contents.html"));
    for (const QString &page : pages) {
        for (const QString &target : linksOf(page))
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << qPrintable(page + QStringLiteral(" -> ") + target);
        EXPECT_TRUE(page == QLatin1String("contents.html") || listed.contains(page)) << qPrintable(page);
    }
}

} // namespace
