#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace qb {

class MBoxButton;
class Platform;

// The program's own question box: a face drawn in code with a text area and up to three
// red buttons. It slides in from the left edge of the screen when activated and, once
// answered, slides down out of the screen. The answer is the number of the button
// pressed: 0 (OK / Cancel), 1 (Yes) or 2 (No).
class mBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 4350;
    static constexpr int heightTwips = 2550;
    static constexpr int slideStepTwips = 200;
    static constexpr int buttonTopTwips = 2055;
    static constexpr int buttonHeightTwips = 255;
    static constexpr int pressOffsetTwips = 30;

    // Where the box stands: the screen and the band, in twips.
    struct Place
    {
        int screenWidth = 0;
        int screenHeight = 0;
        int bandHeight = 0;
        bool dockedBelow = false;
        QPoint screenOrigin; // the primary screen's top-left corner on the desktop, pixels
    };
    using Pause = std::function<void(double seconds)>;

    // buttonSet: 1 Cancel, 2 Yes/No, 3 Yes/No/OK, 4 OK; other values count as 4.
    mBox(qint16 sprache, int buttonSet, const QString& text, const Place& place, Pause pause,
         QWidget* parent = nullptr);

    int answer() const { return m_answer; }
    QPoint positionTwips() const { return {m_left, m_top}; }
    int targetLeftTwips() const { return m_targetLeft; }
    MBoxButton* button(int number) const { return m_buttons[number]; }

    // Slides right to the target in 200-twip steps, letting events run between them.
    void slideIn();

public slots:
    // Esc and the window being closed: 0 when button 0 is shown, else 2 (No).
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layOutButtons(qint16 sprache);
    void press(int number);
    void release(int number);
    void answerAndLeave(int number);
    void slideOut();
    void moveToTwips();

    MBoxButton* m_buttons[3] = {};
    QLabel* m_mTextPan = nullptr;
    Pause m_pause;
    int m_buttonSet = 4;
    int m_answer = 0;
    int m_left = 0;
    int m_top = 0;
    int m_targetLeft = 0;
    int m_screenHeight = 0;
    QPoint m_screenOrigin;
    bool m_leaving = false;
};

} // namespace qb
