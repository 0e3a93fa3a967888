#include "editor/EditorMessage.h"

#include "core/TextPaar.h"

namespace qb {

namespace {

TextPaar messagePair(EditorMessage message)
{
    switch (message) {
    case EditorMessage::NoteTextMissing:
        return {u"Note text missing.", u"Notiztext fehlt."};
    case EditorMessage::InvalidTime:
        return {u"Invalid time format.", u"Ungültiges Zeitformat."};
    case EditorMessage::EndNotAfterStart:
        return {u"End time after starting time!", u"Schlusszeit muss hinter Anfangszeit liegen."};
    case EditorMessage::NoWeekday:
        return {u"No weekday selected.", u"Kein Wochentag gewählt."};
    case EditorMessage::NoPosition:
        return {u"Position of weekday within month not selected.",
                u"Position des Wochentags im Monat nicht gewählt."};
    case EditorMessage::NoDayOfYear:
        return {u"Day of year not selected.", u"Kein Jahrestag gewählt."};
    case EditorMessage::MonthMissing:
        return {u"Month missing.", u"Monat fehlt."};
    case EditorMessage::InvalidDate:
        return {u"Invalid date.", u"Fehlerhaftes Datum."};
    case EditorMessage::NumberTooLarge:
        return {u"Number too large.", u"Zahl zu groß."};
    case EditorMessage::RecordNotFound:
        return {u"Datensatz nicht gefunden", u"Datensatz nicht gefunden"};
    }
    return {u"", u""};
}

// Statement and question of each question box.
struct QuestionTexts
{
    TextPaar statement;
    TextPaar question;
};

QuestionTexts questionTexts(EditorQuestion question)
{
    switch (question) {
    case EditorQuestion::BothTimesMissing:
        return {{u"Start and end time missing -", u"Anfangs- und Schlusszeit fehlt -"},
                {u"Show note full-time?", u"Zettel ganztags anzeigen?"}};
    case EditorQuestion::StartTimeMissing:
        return {{u"Start time missing -", u"Anfangszeit fehlt -"},
                {u"Show note from midnight?", u"Zettel ab 00:00 Uhr anzeigen?"}};
    case EditorQuestion::EndTimeMissing:
        return {{u"End time missing -", u"Schlusszeit fehlt -"},
                {u"Show note till midnight?", u"Zettel bis 23:59 Uhr anzeigen?"}};
    case EditorQuestion::LeapYearOnly:
        return {{u"In February this note will appear only in leap years -",
                 u"Im Februar erscheint dieser Zettel nur in Schaltjahren -"},
                {u"keep this selection?", u"Trotzdem so einstellen?"}};
    case EditorQuestion::NotInShortMonths:
        return {{u"This note will not appear in February, April, June, September and "
                 u"November -",
                 u"Dieser Zettel erscheint nicht im Februar, April, Juni, September und "
                 u"November -"},
                {u"keep this selection?", u"Trotzdem so einstellen?"}};
    }
    return {{u"", u""}, {u"", u""}};
}

} // namespace

QString editorMessageText(EditorMessage message, qint16 sprache)
{
    return inSprache(messagePair(message), sprache);
}

QString editorQuestionText(EditorQuestion question, qint16 sprache)
{
    const QuestionTexts texts = questionTexts(question);
    return inSprache(texts.statement, sprache) + QStringLiteral("\n\n") +
           inSprache(texts.question, sprache);
}

TextTable editorMessageTable()
{
    TextTable all;
    for (int m = 0; m <= static_cast<int>(EditorMessage::RecordNotFound); ++m)
        all.push_back(messagePair(static_cast<EditorMessage>(m)));
    for (int q = 0; q <= static_cast<int>(EditorQuestion::NotInShortMonths); ++q) {
        const QuestionTexts texts = questionTexts(static_cast<EditorQuestion>(q));
        all.push_back(texts.statement);
        all.push_back(texts.question);
    }
    return all;
}

bool editorQuestionBeeps(EditorQuestion question)
{
    return question == EditorQuestion::BothTimesMissing ||
           question == EditorQuestion::StartTimeMissing ||
           question == EditorQuestion::EndTimeMissing;
}

} // namespace qb
