#pragma once

#include "editor/NoteDraft.h"

#include <QCommandLineOption>
#include <QList>
#include <QLocale>
#include <optional>

class QCommandLineParser;

namespace qb {

// The usage text of the companion.
extern const QString notesUsage;

// Every option the companion knows.
QList<QCommandLineOption> notesOptions();

// The note editor's entries for an add, read from the schedule options; the
// message of a usage error when an option cannot be read.
std::optional<QString> readNoteDraft(const QCommandLineParser& parser, const QString& text,
                                     const QLocale& locale, NoteDraft& draft);

} // namespace qb
