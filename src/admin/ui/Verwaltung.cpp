#include "admin/ui/Verwaltung.h"

#include "admin/AdminPlacement.h"
#include "admin/AdminTexts.h"
#include "admin/ListLine.h"
#include "core/RecordSet.h"
#include "core/Settings.h"
#include "core/ShellRoutines.h"
#include "editor/ui/Notizen.h"
#include "platform/Colour.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "schedule/NoteRow.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <utility>

namespace qb {

namespace {

// The buttons keep their size; a caption wider than its button (a long German caption in
// a large desktop font) takes a smaller font instead of being cut off.
void fitCaption(QPushButton& button)
{
    const QString caption = QString(button.text()).remove(QLatin1Char('&'));
    QFont font = button.font();
    const int room = button.width() - 2 * button.style()->pixelMetric(QStyle::PM_ButtonMargin);
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(caption) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button.setFont(font);
}

} // namespace

Verwaltung::Verwaltung(const NoteWindowContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_sprache(context.settings.Sprache)
{
    setObjectName(QStringLiteral("Verwaltung"));
    setWindowTitle(verwaltungText(VerwaltungText::WindowTitle, m_sprache));
    setWindowFlag(Qt::WindowStaysOnTopHint, context.settings.ImmerOben);
    setFixedSize(twips::toPixels(clientWidthTwips), twips::toPixels(clientHeightTwips));

    m_liste = new QListWidget(this);
    m_liste->setObjectName(QStringLiteral("Liste"));
    m_liste->setAccessibleName(windowTitle());
    m_liste->setGeometry(twips::toPixels(QRectF(75, 90, 5280, 5325)));
    m_liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_liste->setUniformItemSizes(true);
    // The ID after the tabs stays out of sight, cut off rather than elided.
    m_liste->setTextElideMode(Qt::ElideNone);
    m_liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette ground = m_liste->palette();
    ground.setColor(QPalette::Base, QColor(224, 224, 224));
    m_liste->setPalette(ground);

    const auto makeButton = [this](const QString& name, VerwaltungText text, int top) {
        auto* button = new QPushButton(verwaltungText(text, m_sprache), this);
        button->setObjectName(name);
        button->setGeometry(twips::toPixels(QRectF(2730, top, 2625, 360)));
        button->setAutoDefault(false);
        fitCaption(*button);
        return button;
    };
    m_bearbeitenBef =
        makeButton(QStringLiteral("BearbeitenBef"), VerwaltungText::BearbeitenBef, 5550);
    m_loeschenBef = makeButton(QStringLiteral("LoeschenBef"), VerwaltungText::LoeschenBef, 5985);
    m_endeBef = makeButton(QStringLiteral("EndeBef"), VerwaltungText::EndeBef, 6420);

    connect(m_liste, &QListWidget::itemSelectionChanged, this, &Verwaltung::markingChanged);
    connect(m_liste, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_liste->clearSelection();
        item->setSelected(true);
        bearbeiten();
    });
    connect(m_bearbeitenBef, &QPushButton::clicked, this, &Verwaltung::bearbeiten);
    connect(m_loeschenBef, &QPushButton::clicked, this, &Verwaltung::loeschen);
    connect(m_endeBef, &QPushButton::clicked, this, &QDialog::reject);

    place();
    ListeFuellen();
    markingChanged();
}

void Verwaltung::ListeFuellen()
{
    m_liste->clear();
    RecordSet& notes = m_context.notes;
    const QFontMetrics metrics(m_liste->font());
    const int limit = twips::toPixels(5280) * twips::perPixel - lineMarginTwips;
    const TextWidth width = [&metrics](QStringView text) {
        return twips::fromPixels(metrics.horizontalAdvance(text.toString()));
    };
    if (!notes.first() && !notes.error().isEmpty()) {
        tell(storageFailureText(StorageAction::ReadNotes, notes.failure(), m_sprache));
        return;
    }
    for (; !notes.atEnd(); notes.next()) {
        const QString inhalt = notes.value(NoteRow::colInhalt).toString();
        const qint64 id = notes.value(NoteRow::colID).toLongLong();
        auto* item = new QListWidgetItem(listLine(inhalt, id, limit, width));
        item->setData(Qt::AccessibleTextRole, inhalt.left(1000));
        m_liste->addItem(item);
    }
}

void Verwaltung::markingChanged()
{
    const bool marked = !m_liste->selectedItems().isEmpty();
    m_bearbeitenBef->setEnabled(marked);
    m_loeschenBef->setEnabled(marked);
}

bool Verwaltung::findRow(int line, StorageAction action)
{
    const std::optional<qint64> id = idFromLine(m_liste->item(line)->text());
    RecordSet& notes = m_context.notes;
    if (id && notes.findLast(QStringLiteral("ID = %1").arg(*id)))
        return true;
    if (!notes.error().isEmpty())
        tell(storageFailureText(action, notes.failure(), m_sprache));
    return false;
}

// 1. Only the top-most marked line stays marked and becomes current. 2. Its row is found
// again by its ID. 3. The editor opens on it. 4. The list is filled again.
void Verwaltung::bearbeiten()
{
    int first = -1;
    for (int line = 0; line < m_liste->count(); ++line) {
        if (m_liste->item(line)->isSelected() && first < 0)
            first = line;
    }
    if (first < 0)
        return;
    m_liste->setCurrentRow(first, QItemSelectionModel::ClearAndSelect);
    const bool found = findRow(first, StorageAction::ReadNotes);
    if (!found && m_context.notes.error().isEmpty())
        m_context.platform.showMessage(verwaltungText(VerwaltungText::RecordNotFound, 2),
                                       MessageIcon::Information, MessageButtons::Ok);
    if (found) {
        Notizen editor(m_context, true, this);
        editor.exec();
    }
    ListeFuellen();
    markingChanged();
}

// Bottom-up, so that removing a line leaves the lines still to visit in place. A line
// whose row is gone is removed; a row that cannot be deleted keeps its line.
void Verwaltung::loeschen()
{
    if (m_liste->selectedItems().isEmpty())
        return;
    if (m_context.platform.showMessage(verwaltungText(VerwaltungText::DeleteQuestion, m_sprache),
                                       MessageIcon::Warning,
                                       MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    RecordSet& notes = m_context.notes;
    std::optional<StorageFailure> failure;
    for (int line = m_liste->count() - 1; line >= 0; --line) {
        if (!m_liste->item(line)->isSelected())
            continue;
        const bool found = findRow(line, StorageAction::DeleteNotes);
        if (!found && !notes.error().isEmpty())
            return;
        if (found && !notes.remove()) {
            // The first failure names the cause; the lines not deleted stay.
            if (!failure)
                failure = notes.failure();
            continue;
        }
        delete m_liste->takeItem(line);
    }
    m_liste->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    markingChanged();
    if (failure)
        tell(storageFailureText(StorageAction::DeleteNotes, *failure, m_sprache));
}

void Verwaltung::tell(const QString& text)
{
    m_context.platform.beep();
    m_context.platform.showMessage(text, MessageIcon::Warning, MessageButtons::Ok);
}

// By the outer size, title bar included, once the window manager has framed the window.
void Verwaltung::place()
{
    const QPoint topLeft =
        placement::verwaltung(twips::fromPixels(m_context.platform.screenGeometry()).size(),
                              m_context.tickerTopTwips, twips::fromPixels(frameGeometry()).size());
    move(m_context.platform.screenPosition(topLeft.x(), topLeft.y()));
}

bool Verwaltung::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // The title bar is known now: at the bottom it must not push the window off screen.
        if (!std::exchange(m_framed, true))
            place();
        m_context.platform.setTopmost(*this, m_context.settings.ImmerOben);
    }
    return QDialog::event(event);
}

void Verwaltung::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier)
        HilfeZeigen(m_context.platform, m_context.settings.Sprache);
    else
        QDialog::keyPressEvent(event);
}

} // namespace qb
