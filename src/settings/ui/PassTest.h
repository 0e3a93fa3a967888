#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qb {

class Platform;
struct Settings;

// The password prompt in front of the settings window while sysop mode is on. Access is
// granted only by the exact password (case-sensitive, nothing trimmed); a wrong one is
// answered with "Zugang abgelehnt !" and a beep, and the user may try again. The right
// one turns both lamps green for half a second before the prompt closes.
class PassTest : public QDialog
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 5865;
    static constexpr int heightTwips = 2070;
    // As long as the settings window's password field, so every password it saves can
    // be typed here.
    static constexpr int maxPasswordLength = 100;
    using Pause = std::function<void(double seconds)>;

    // band: the band's place on the screen in twips, for the placement.
    PassTest(const Settings& settings, Platform& platform, const QRect& band, Pause pause,
             QWidget* parent = nullptr);

    // True only after the right password was entered in this prompt.
    bool accessGranted() const { return m_access; }

    // A lamp picture (32 x 32): a red or green circular lamp on grey.
    static QPixmap lamp(bool green);

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearMessage();
    void check();

    const Settings& m_settings;
    Platform& m_platform;
    Pause m_pause;
    bool m_access = false;
    QLabel* m_lichtIma[2] = {};
    QLabel* m_meldungPan = nullptr;
    QLineEdit* m_passText = nullptr;
};

} // namespace qb
