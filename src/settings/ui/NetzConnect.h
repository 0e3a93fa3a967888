#pragma once

#include <QWidget>

class QLabel;

namespace qb {

class Platform;
struct Settings;

// The band shown while a receiver connects to its broadcaster at start-up: as wide as
// the screen, 260 twips high, at the edge where the ticker band will appear. It takes no
// input.
class NetzConnect : public QWidget
{
    Q_OBJECT

public:
    static constexpr int heightTwips = 260;

    NetzConnect(const Settings& settings, Platform& platform, QWidget* parent = nullptr);

    static QString text(qint16 sprache);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_legendePan = nullptr;
};

} // namespace qb
