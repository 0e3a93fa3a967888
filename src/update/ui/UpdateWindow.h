#pragma once

#include "update/Updater.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qb {

// The updater's small window: the three steps, the download's progress bar and, after a
// failure, the reason and a Close button.
class UpdateWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateWindow(const UpdateOrder& order, QWidget* parent = nullptr);

    void showStep(Updater::Step step);
    void showProgress(qint64 received, qint64 total);
    void showFailure(const QString& reason);

private:
    QLabel* m_steps[3] = {};
    QProgressBar* m_bar = nullptr;
    QLabel* m_failure = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace qb
