// The Language page: the month and day name editors and the language buttons.

#include "CalendarProperties.h"

#include "calendar/CalendarModel.h"
#include "platform/Cp1252.h"
#include "platform/Prompts.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

/// The editor's lines as a list of lines reads them: a final line break ends
/// the last line rather than starting an empty one, and an empty editor has none.
QStringList editorLines(const QPlainTextEdit *editor)
{
    QString text = editor->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

/// The first name that the document file cannot hold: it stores the names
/// in Windows-1252. Empty when every name fits.
QString nameOutsideCp1252(const QStringList &names)
{
    for (const QString &name : names) {
        if (qm::fromCp1252(qm::toCp1252(name)) != name)
            return name;
    }
    return {};
}

/// Refuses names the document file cannot hold; returns true when they all fit.
bool acceptNames(const QStringList &names)
{
    const QString refused = nameOutsideCp1252(names);
    if (refused.isEmpty())
        return true;
    qm::Prompts::instance().ShowInformation(
        QStringLiteral("The name \"%1\" has characters that a calendar file cannot store.\r"
                       "Month and day names may use the letters of Western European languages only.")
            .arg(refused));
    return false;
}

template <std::size_t Count> QString linesOf(const std::array<QString, Count> &names)
{
    return QStringList(names.begin(), names.end()).join(QLatin1Char('\n'));
}

} // namespace

void TCalendarProperties::MonthNamesExit()
{
    const QStringList lines = editorLines(m_monthNames);
    if (!acceptNames(lines)) {
        m_monthNames->setPlainText(linesOf(preview().MonthNameList()));
        return;
    }
    for (int month = 1; month <= 12 && month <= lines.size(); ++month)
        preview().SetMonthName(month, lines[month - 1]);
    repaintPreview();
}

void TCalendarProperties::DayNamesExit()
{
    const QStringList lines = editorLines(m_dayNames);
    if (!acceptNames(lines)) {
        m_dayNames->setPlainText(linesOf(preview().DayNameList()));
        return;
    }
    for (int day = 1; day <= 7 && day <= lines.size(); ++day)
        preview().SetDayName(day, lines[day - 1]);
    repaintPreview();
}

void TCalendarProperties::LanguageClick(Language language)
{
    const LanguageNames &names = languageNames(language);
    m_dayNames->setPlainText(linesOf(names.days));
    DayNamesExit();
    m_monthNames->setPlainText(linesOf(names.months));
    MonthNamesExit();
    if (language == Language::English) {
        for (QPlainTextEdit *editor : {m_monthNames, m_dayNames})
            editor->moveCursor(QTextCursor::Start);
    }
}
