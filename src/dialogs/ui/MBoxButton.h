#pragma once

#include <QAbstractButton>

namespace qb {

// A button of the question box: white caption on a red ground that lightens under the
// pointer. The mouse is handled by the box: a press answers, the release closes the box
// wherever the pointer is then. clicked() comes only from the accessibility bus.
class MBoxButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int normalGround = 204; // RGB (204, 0, 0)
    static constexpr int hoverGround = 221;  // RGB (221, 0, 0)

    explicit MBoxButton(QWidget* parent = nullptr);

    int ground() const { return m_hover ? hoverGround : normalGround; }

signals:
    void pressedDown();
    void releasedUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hover = false;
};

} // namespace qb
