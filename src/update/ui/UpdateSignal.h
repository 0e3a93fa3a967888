#pragma once

#include <QWidget>

class QLabel;

namespace qb {

class Platform;
struct Settings;

// The small always-visible notice "Update available" beside the band; a click on its panel
// LegendePan asks for the installation.
class UpdateSignal : public QWidget
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 2250;
    static constexpr int heightTwips = 375;

    UpdateSignal(const Settings& settings, Platform& platform, QWidget* parent = nullptr);

    QLabel* LegendePan() const { return m_legendePan; }
    // Moves the window to the band (geometry in pixels), by the dock edge.
    void placeBy(const QRect& band);

signals:
    void installRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Settings& m_settings;
    Platform& m_platform;
    QLabel* m_legendePan = nullptr;
};

} // namespace qb
