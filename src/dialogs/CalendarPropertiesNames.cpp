// The Language page: the month and day name editors and the language buttons.

#include "CalendarProperties.h"

#include "calendar/CalendarModel.h"

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

template <std::size_t Count> QString linesOf(const std::array<QString, Count> &names)
{
    return QStringList(names.begin(), names.end()).join(QLatin1Char('\n'));
}

} // namespace

void TCalendarProperties::MonthNamesExit()
{
    const QStringList lines = editorLines(m_monthNames);
    for (int month = 1; month <= 12 && month <= lines.size(); ++month)
        preview().SetMonthName(month, lines[month - 1]);
    repaintPreview();
}

void TCalendarProperties::DayNamesExit()
{
    const QStringList lines = editorLines(m_dayNames);
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
