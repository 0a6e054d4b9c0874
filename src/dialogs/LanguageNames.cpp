#include "LanguageNames.h"

namespace {

const LanguageNames german{
    QStringLiteral("Deutsch"),
    QStringLiteral("Use German names for the months \rand days of the week."),
    {QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"), QStringLiteral("April"),
     QStringLiteral("Mai"), QStringLiteral("Juni"), QStringLiteral("Juli"), QStringLiteral("August"),
     QStringLiteral("September"), QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")},
    {QStringLiteral("Sonntag"), QStringLiteral("Montag"), QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"),
     QStringLiteral("Donnerstag"), QStringLiteral("Freitag "), QStringLiteral("Samstag")},
};

const LanguageNames english{
    QStringLiteral("English"),
    QStringLiteral("Use the default English names for the months \rand days of the week."),
    {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"), QStringLiteral("April"),
     QStringLiteral("May"), QStringLiteral("June"), QStringLiteral("July"), QStringLiteral("August"),
     QStringLiteral("September"), QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")},
    {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
     QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday")},
};

const LanguageNames spanish{
    QStringLiteral("Español"),
    QStringLiteral("Use Spanish names for the months \rand days of the week."),
    {QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo"), QStringLiteral("Abril"),
     QStringLiteral("Mayo"), QStringLiteral("Junio"), QStringLiteral("Julio"), QStringLiteral("Agosto"),
     QStringLiteral("Septiembre"), QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")},
    {QStringLiteral("Domingo"), QStringLiteral("Lunes"), QStringLiteral("Martes"), QStringLiteral("Miércoles"),
     QStringLiteral("Jueves"), QStringLiteral("Viernes"), QStringLiteral("Sábado")},
};

const LanguageNames french{
    QStringLiteral("Français"),
    QStringLiteral("Use French names for the months \rand days of the week."),
    {QStringLiteral("Janvier"), QStringLiteral("Février"), QStringLiteral("Mars"), QStringLiteral("Avril"),
     QStringLiteral("Mai"), QStringLiteral("Juin"), QStringLiteral("Juillet"), QStringLiteral("Août"),
     QStringLiteral("Septembre"), QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")},
    {QStringLiteral("Dimanche"), QStringLiteral("Lundi"), QStringLiteral("Mardi"), QStringLiteral("Mercredi"),
     QStringLiteral("Jeudi"), QStringLiteral("Vendredi"), QStringLiteral("Samedi")},
};

const LanguageNames italian{
    QStringLiteral("L'italiano"),
    QStringLiteral("Use Italian names for the months \rand days of the week."),
    {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"), QStringLiteral("Aprile"),
     QStringLiteral("Maggio"), QStringLiteral("Giugno"), QStringLiteral("Luglio"), QStringLiteral("Agosto"),
     QStringLiteral("Settembre"), QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")},
    {QStringLiteral("Domenica"), QStringLiteral("Lunedì"), QStringLiteral("Martedì"), QStringLiteral("Mercoledì"),
     QStringLiteral("Giovedì"), QStringLiteral("Venerdì"), QStringLiteral("Sabato")},
};

} // namespace

const LanguageNames &languageNames(Language language)
{
    switch (language) {
    case Language::German:
        return german;
    case Language::Spanish:
        return spanish;
    case Language::French:
        return french;
    case Language::Italian:
        return italian;
    case Language::English:
        break;
    }
    return english;
}
