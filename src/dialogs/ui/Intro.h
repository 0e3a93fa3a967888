#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

namespace qb {

class Platform;

// The splash window of the start: the picture of the language (ImageIma, taken from the
// list ImageServerIma, 1 English, 2 German) with the version panel VersionPan, centred on
// the screen. No interaction; the start-up shows and closes it.
class Intro : public QWidget
{
    Q_OBJECT

public:
    static constexpr int widthTwips = 6000;
    static constexpr int heightTwips = 3600;

    Intro(qint16 sprache, Platform& platform, int version, QWidget* parent = nullptr);

    QLabel* VersionPan() const { return m_versionPan; }
    QLabel* ImageIma() const { return m_imageIma; }
    // The pictures of the two languages, drawn when the window is made.
    const QPixmap& ImageServerIma(int index) const { return m_imageServerIma[index == 1 ? 0 : 1]; }

private:
    std::array<QPixmap, 2> m_imageServerIma;
    QLabel* m_imageIma = nullptr;
    QLabel* m_versionPan = nullptr;
};

} // namespace qb
