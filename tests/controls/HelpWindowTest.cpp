#include "controls/HelpWindow.h"

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
        {0, "contents.html", "Quillmark Help"},
        {2100, "layout.html", "Properties: Layout"},
        {2101, "date.html", "Properties: Date"},
        {2102, "fonts.html", "Properties: Fonts & Colors"},
        {2103, "mini-fonts.html", "Properties: Mini Fonts & Colors"},
        {2104, "header-styles.html", "Properties: Header Styles"},
        {2105, "line-styles.html", "Properties: Line Styles"},
        {2106, "day-planner.html", "Properties: Day Planner"},
        {2107, "language.html", "Properties: Language"},
        {2108, "margins.html", "Properties: Margins"},
        {2109, "contents.html", "Quillmark Help"},
    };
    for (const Row &row : rows) {
        qm::ShowHelpTopic(row.topic);
        HelpWindow *window = HelpWindow::instance();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->source().toString(), QString::fromLatin1(row.page)) << row.topic;
        EXPECT_EQ(window->pageTitle(), QString::fromLatin1(row.title)) << row.topic;
    }
    qm::ShowHelpContents();
    EXPECT_EQ(HelpWindow::instance()->source().toString(), QStringLiteral("contents.html"));
}

TEST(HelpWindow, EveryLinkLeadsToAPage)
{
    const QStringList pages = {QStringLiteral("contents.html"),  QStringLiteral("main-window.html"),
                               QStringLiteral("editing.html"),   QStringLiteral("file-menu.html"),
                               QStringLiteral("help-menu.html"), QStringLiteral("style-sheets.html")};
    for (const QString &page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(page);
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << qPrintable(page + QStringLiteral(" -> ") + target);
        }
    }
}

} // namespace
