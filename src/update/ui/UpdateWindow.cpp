#include "UpdateWindow.h"

#include "update/UpdateTexts.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb {

namespace {

// Steps not reached yet are greyed; the current one is bold.
void mark(QLabel* label, bool reached, bool current)
{
    label->setEnabled(reached);
    QFont font = label->font();
    font.setBold(current);
    label->setFont(font);
}

} // namespace

UpdateWindow::UpdateWindow(const UpdateOrder& order, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("UpdateWindow"));
    setWindowTitle(updateText(UpdateText::Title, order));
    auto* layout = new QVBoxLayout(this);
    const UpdateText steps[] = {UpdateText::Downloading, UpdateText::Verifying,
                                UpdateText::Installing};
    for (int i = 0; i < 3; ++i) {
        m_steps[i] = new QLabel(updateText(steps[i], order), this);
        m_steps[i]->setAccessibleName(m_steps[i]->text());
        mark(m_steps[i], false, false);
        layout->addWidget(m_steps[i]);
        if (i == 0) {
            m_bar = new QProgressBar(this);
            m_bar->setAccessibleName(m_steps[0]->text());
            m_bar->setRange(0, 0);
            layout->addWidget(m_bar);
        }
    }
    m_failure = new QLabel(this);
    m_failure->setObjectName(QStringLiteral("Failure"));
    m_failure->setWordWrap(true);
    QFont bold = m_failure->font();
    bold.setBold(true);
    m_failure->setFont(bold);
    m_failure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_failure->hide();
    layout->addWidget(m_failure);
    m_close = new QPushButton(updateText(UpdateText::Close, order), this);
    m_close->setAccessibleName(m_close->text());
    m_close->hide();
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(m_close, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

void UpdateWindow::showStep(Updater::Step step)
{
    const int current = static_cast<int>(step);
    for (int i = 0; i < 3; ++i)
        mark(m_steps[i], i <= current, i == current);
    if (step != Updater::Step::Downloading) {
        m_bar->setRange(0, 1);
        m_bar->setValue(1);
    }
}

void UpdateWindow::showProgress(qint64 received, qint64 total)
{
    // The bar counts kilobytes: an int holds any package size that way.
    if (total > 0) {
        m_bar->setRange(0, int(total / 1024) + 1);
        m_bar->setValue(int(std::min(received, total) / 1024));
    }
}

void UpdateWindow::showFailure(const QString& reason)
{
    m_failure->setText(reason);
    m_failure->setAccessibleName(reason);
    m_failure->show();
    m_close->show();
    m_close->setFocus();
}

} // namespace qb

// The meta-object code in this object file, not in the library's common one: the band and the
// updater link the update libraries, and each takes a class only when it uses it.
#include "moc_UpdateWindow.cpp"
