#pragma once

#include "ticker/BandPicture.h"

#include <QVector>
#include <QWidget>

namespace qb {

// The ticker band NotizPan: paints the band picture at the copy positions it was last
// given. It keeps no text of its own and lays out nothing while painting.
class NotizPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NotizPanel(QWidget* parent = nullptr);

    BandPicture& picture() { return m_picture; }
    const BandPicture& picture() const { return m_picture; }

    // Top of the text in logical pixels.
    void setTextTop(int pixels);

    // Shows copies of the text whose left ends are at copyX (logical pixels); an empty
    // list clears the band. Repaints the panel only.
    void showCopies(const QVector<int>& copyX);
    const QVector<int>& copies() const { return m_copyX; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BandPicture m_picture;
    QVector<int> m_copyX;
    int m_textTop = 0;
};

} // namespace qb
