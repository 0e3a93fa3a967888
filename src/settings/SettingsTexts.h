#pragma once

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
    static std::optional<SettingsCaptions> forLanguage(int sprache);
};

// The texts of the settings window's messages and questions. Each takes the language
// it is asked in: some follow the window's language, some Sprache in memory.
namespace SettingsTexts {

QString sysopRequired(int sprache);
QString enterPassword(int sprache);
QString specifyPath(int sprache);
QString resetQuestion(int sprache);
QString saveQuestion(int sprache);
QString pathDialogTitle(int sprache);
QString pathQuestion(int sprache);
// "Select <caption>" (1) or "<caption> wählen" (2).
QString colourDialogTitle(const QString& caption, int sprache);
// Caption of element colour button 1 to 3 (or 4, the font button) for element 1 to 4;
// empty when the element has no such button.
QString elementButtonCaption(int element, int button, int sprache);

} // namespace SettingsTexts

} // namespace qb
