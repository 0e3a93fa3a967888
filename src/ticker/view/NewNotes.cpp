#include "NewNotes.h"

#include "ticker/TickerTexts.h"

#include <QStringList>

#include <utility>

namespace qb {

namespace {

// Ends a text with a full stop unless it ends with a mark of its own, so that a speech
// synthesiser pauses between two notes.
QString asSentence(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || QStringLiteral(".!?:;…").contains(trimmed.back()))
        return trimmed;
    return trimmed + QLatin1Char('.');
}

} // namespace

QString NewNotes::take(const QVector<TickerEntry>& shown, qint16 sprache)
{
    // Every entry of the old text accounts for one equal entry of the new one, so a note
    // shown twice that comes a third time is new once.
    QVector<TickerEntry> before = std::exchange(m_shown, shown);
    QStringList added;
    for (const TickerEntry& entry : shown) {
        if (const qsizetype at = before.indexOf(entry); at >= 0)
            before.removeAt(at);
        else
            added.append(entry.text);
    }
    if (added.isEmpty())
        return {};
    if (added.size() > spokenTexts)
        return tickerText(TickerText::NewNotes, sprache, Otherwise::English).arg(added.size());
    for (QString& text : added)
        text = asSentence(text);
    return added.join(QLatin1Char(' '));
}

} // namespace qb
