#pragma once

#include "calendar/CalendarModel.h"

#include <QString>

namespace qm::cli {

/// What a file holds, as its extension says: ".QMF" a calendar document,
/// ".QMS" a style sheet, in any letter case.
enum class CalendarFileKind { Document, StyleSheet };

/// The kind `fileName` names; raises UsageError for any other extension.
CalendarFileKind calendarFileKind(const QString &fileName);

/// Opens a document as the program does (the cells emptied first) or applies
/// a style sheet, then lays the page out. Raises UsageError for an unknown
/// extension and QmError when the file cannot be read; a text that does not
/// name the file gets " in <fileName>" added ("Stream read error in /x.QMF").
void loadCalendarFile(CalendarModel &calendar, const QString &fileName);

/// Saves the calendar as a document or a style sheet, as the extension of
/// `fileName` says. Raises UsageError for an unknown extension and QmError
/// when the file cannot be written.
void saveCalendarFile(const CalendarModel &calendar, const QString &fileName);

} // namespace qm::cli
