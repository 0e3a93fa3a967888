#pragma once

#include "core/TextPaar.h"

#include <QString>
#include <optional>

namespace qb {

// The captions of the settings window in one language.
struct SettingsCaptions
{
    QString title, onTop, dockAbove, dockBelow;
    // The frame swatch has no caption; this is its accessible name.
    QString frame;
    QString swatchDate, swatchLocal, swatchBroadcast;
    QString font, reset, resetTip, save, cancel, hint, helpLink;
    QString sysop, password, eyeTip;
    QString receiver, pathLabel, pathHint, pathTip, notSpecified;
    QString adopt, adoptHint, ownNotes;
    QString showDate, showMargin, close;
    QString help1, help2;
    QString speedLabel, speedNormal, speedSlow, speedVerySlow;

    // Sprache 1 English, 2 German; nothing for other values (captions stay as they are).
    static std::optional<SettingsCaptions> forLanguage(qint16 sprache);
};

// The texts of the settings window's messages and questions, of the password prompt and of
// the connection strip. Each takes the language it is asked in: some follow the window's
// language, some Sprache in memory. A language other than 1 and 2 gives English, the
// window's first language; the connection strip's text German.
// The settings' messages, questions and titles, and those of the password prompt and the
// connection strip.
enum class SettingsMessage {
    SysopRequired,
    EnterPassword,
    SpecifyPath,
    ResetQuestion,
    SaveQuestion,
    PathDialogTitle,
    PathQuestion,
    ColourDialogTitle,
    PassTestTitle,
    PassTestPrompt,
    Connecting,
};

namespace SettingsTexts {

QString message(SettingsMessage which, qint16 sprache);
// The path field's caption while no path is set.
QString notSpecified(qint16 sprache);
// "Select <caption>" (1) or "<caption> wählen" (2).
QString colourDialogTitle(const QString& caption, qint16 sprache);
// Caption of element colour button 1 to 3 (or 4, the font button) for element 1 to 4;
// empty when the element has no such button.
QString elementButtonCaption(int element, int button, qint16 sprache);

// Every pair above, for the check that each has both languages.
TextTable table();

} // namespace SettingsTexts

} // namespace qb
