#pragma once

#include "ticker/TickerFeed.h"

#include <QString>
#include <QVector>

namespace qb {

// The result of one rebuild: the due notes in ticker order, each with its
// source, and TickerText, every note's text followed by the separator.
struct TickerAssembly
{
    QVector<TickerEntry> Eintraege;
    QString TickerText;

    void add(TickerSource source, const QString& inhalt);
    void clear();
};

} // namespace qb
