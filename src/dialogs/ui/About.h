#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qb {

class Platform;
struct Settings;

// The about window: name, platform line, version and a link line to the about page of the
// language; centred on the band, closed by EndeBef or Esc.
class About : public QDialog
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 5400;
    static constexpr int heightTwips = 3150;

    // band: the band's geometry in pixels, on which the window is centred.
    About(const Settings& settings, Platform& platform, int version, const QRect& band,
          QWidget* parent = nullptr);

    // The lines by their numbers 1, 2, 3 and 12 (the link).
    QLabel* TextLab(int number) const;
    QPushButton* EndeBef() const { return m_endeBef; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLine(int number, const QRect& twipsRect, const QString& text);

    const Settings& m_settings;
    Platform& m_platform;
    QLabel* m_lines[4] = {};
    QPushButton* m_endeBef = nullptr;
};

} // namespace qb
