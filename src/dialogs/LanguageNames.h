#pragma once

#include <QString>

#include <array>

/// The month and day names of one of the languages the Language page offers
/// with a button. Names are exactly as the calendar prints them (German
/// Friday keeps its trailing blank).
struct LanguageNames {
    QString buttonCaption;
    QString hint;
    std::array<QString, 12> months; // January first
    std::array<QString, 7> days;    // Sunday first
};

enum class Language { German, English, Spanish, French, Italian };

/// The built-in names of `language`.
const LanguageNames &languageNames(Language language);
