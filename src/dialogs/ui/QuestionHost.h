#pragma once

#include "dialogs/ui/mBox.h"

#include <QPointer>

namespace qb {

class Platform;
struct Settings;

// Asks the program's questions in the question box: one box at a time, answer kept until
// the next question.
class QuestionHost
{
public:
    QuestionHost(Platform& platform, const Settings& settings, mBox::Pause pause);

    // The band the box is placed against; without one the box counts it as 0 high.
    void setBand(QWidget* band) { m_band = band; }

    // Closes a box still open, then asks text with the buttons of buttonSet (see mBox)
    // and returns when the box has slid away: 0, 1 (Yes) or 2 (No).
    int MeldungZeigen(int buttonSet, const QString& text);
    int answer() const { return m_answer; }
    // The box while it is open, for whoever drives it from outside (tests).
    mBox* openBox() const { return m_open; }

private:
    Platform& m_platform;
    const Settings& m_settings;
    mBox::Pause m_pause;
    QPointer<QWidget> m_band;
    QPointer<mBox> m_open;
    int m_answer = 0;
};

} // namespace qb
