#pragma once

#include <QFrame>

class QLabel;

namespace qb {

struct Settings;

// The preview of the band in the settings window: the frame swatch FarbePan1 holding the
// date/time swatch FarbePan2 and the note swatches FarbePan3 (local) and FarbePan4
// (broadcast). A click on a swatch selects its element.
class PreviewPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int leftTwips = 60;
    static constexpr int topTwips = 1065;
    static constexpr int widthTwips = 5970;     // W1
    static constexpr int dateWidthTwips = 1395; // W2

    explicit PreviewPanel(QWidget* parent);

    void setCaptions(const QString& frame, const QString& date, const QString& local,
                     const QString& broadcast);
    // The seven colours; frameAlways: the frame colour also while the margin is off.
    void colour(const Settings& working, bool frameAlways);
    // The note font on both note swatches.
    void applyFont(const Settings& working);
    // Widths, lefts, heights and bevels by the margin and date/time switches.
    void layOut(const Settings& working);

    QLabel* swatch(int n) const { return n == 1 ? nullptr : m_swatches[n - 2]; }
    // Swatch geometry in twips as the layout computed it (before rounding to pixels).
    QRectF swatchTwips(int n) const { return m_twips[n - 1]; }

signals:
    void swatchClicked(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* m_swatches[3] = {};
    QRectF m_twips[4];
};

} // namespace qb
