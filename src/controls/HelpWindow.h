#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace qm {

/// The window that shows the program's help pages. The pages are built into
/// the program; a "help" folder among the program's data files (next to the
/// executable or in the installed data folder) takes precedence, so pages can
/// be replaced without rebuilding.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    /// The one help window, created on first use.
    static HelpWindow *instance();

    /// The page shown for a help topic number: the properties dialog's pages
    /// are 2100 (Layout) to 2108 (Margins); other numbers show the contents.
    static QString pageOfTopic(int topic);

    /// Shows `page` (a file name such as "contents.html") and brings the window forward.
    void showPage(const QString &page);
    QUrl source() const;
    /// The title of the page shown.
    QString pageTitle() const;

private:
    HelpWindow();

    QTextBrowser *m_browser;
};

/// Opens the help at its contents page.
void ShowHelpContents();

/// Opens the help at the page of `topic` (see HelpWindow::pageOfTopic).
void ShowHelpTopic(int topic);

} // namespace qm
