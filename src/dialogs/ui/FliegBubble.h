#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

namespace qb {

class Platform;

// A speech bubble with a short notice. It appears left of the screen, slides right to
// its target in steps of 200 twips without blocking (a timer drives the steps, so the
// ticker keeps running), stays on top, and closes at a click on it or when it loses the
// focus. It deletes itself when closed.
class FliegBubble : public QWidget
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 1770;
    static constexpr int heightTwips = 1215;
    static constexpr int slideStepTwips = 200;
    static constexpr int slideIntervalMs = 10;

    // target: where the left and top edges come to rest, twips on the screen.
    FliegBubble(Platform& platform, const QString& text, QPoint target, QWidget* parent = nullptr);

    QPoint targetTwips() const { return m_target; }
    int leftTwips() const { return m_left; }
    bool sliding() const;

    // One step of the slide: 200 twips further right, capped at the target. False once
    // the bubble rests at its target.
    bool slideStep();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void moveToLeft();

    Platform& m_platform;
    QPoint m_target;
    int m_left = 0;
    QLabel* m_textPan = nullptr;
    QTimer* m_slideTimer = nullptr;
};

} // namespace qb
