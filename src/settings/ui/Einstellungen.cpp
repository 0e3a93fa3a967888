#include "Einstellungen.h"

#include "HelpPopup.h"
#include "PreviewPanel.h"
#include "core/AppContext.h"
#include "core/ShellRoutines.h"
#include "dialogs/ui/BubbleHost.h"
#include "dialogs/ui/MeldungHost.h"
#include "dialogs/ui/MeldungPan.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "settings/BroadcastPath.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsSave.h"
#include "settings/SettingsTexts.h"
#include "settings/TickerBand.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <utility>

namespace qb {

Einstellungen::Einstellungen(AppContext& context, Platform& platform, TickerBand& band,
                             BubbleHost& bubbles, MeldungHost& questions, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_context(context),
      m_platform(platform), m_band(band), m_bubbles(bubbles), m_questions(questions)
{
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    // English until the working language says otherwise; values other than 1 and 2 keep it.
    applyCaptions(*SettingsCaptions::forLanguage(1));
    connectReactions();
    load();
}

Einstellungen::~Einstellungen() = default;

void Einstellungen::connectReactions()
{
    connect(m_spracheOpt, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            languageReaction(id);
    });
    connect(m_onTopChe, &QCheckBox::toggled, this, [this](bool on) {
        m_working.ImmerOben = on;
        m_changed = true;
    });
    connect(m_dockPosOpt, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        m_working.dockPos = id;
        m_changed = true;
    });
    connect(m_speedOpt, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_working.Speed = static_cast<qint16>(id);
    });
    connect(m_zeigDatumChe, &QCheckBox::toggled, this, [this](bool on) {
        m_working.zeigDatum = on;
        m_preview->layOut(m_working);
    });
    connect(m_zeigRandChe, &QCheckBox::toggled, this, [this](bool on) {
        m_working.zeigRahmen = on;
        // While loading the window is not shown yet and the button stays.
        if (m_element == 1 && m_farbWahlBef[0]->isVisible())
            m_farbWahlBef[0]->hide();
        m_preview->layOut(m_working);
    });
    connect(m_preview, &PreviewPanel::swatchClicked, this, &Einstellungen::selectElement);
    for (int k = 0; k < 3; ++k)
        connect(m_farbWahlBef[k], &QPushButton::clicked, this, [this, k] { chooseColour(k); });
    connect(m_schriftWahlBef, &QPushButton::clicked, this, &Einstellungen::chooseFont);

    connect(m_broadcastStatusChe, &QCheckBox::toggled, this, &Einstellungen::receiverReaction);
    connect(m_sysopStatusChe, &QCheckBox::toggled, this, &Einstellungen::sysopReaction);
    connect(m_passwortTex, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_working.passWort = text; });
    connect(m_broadcastMasterChe, &QCheckBox::toggled, this,
            [this](bool on) { m_working.remoteEinstellungen = on; });
    connect(m_eigeneChe, &QCheckBox::toggled, this,
            [this](bool on) { m_working.eigeneErlauben = on; });
    connect(m_augePan, &QToolButton::clicked, this, [this] {
        m_passwortTex->setEchoMode(m_passwortTex->echoMode() == QLineEdit::Password
                                       ? QLineEdit::Normal
                                       : QLineEdit::Password);
    });
    connect(m_broadcastPfadPan, &QPushButton::clicked, this, &Einstellungen::choosePath);
    for (int n = 1; n <= 2; ++n)
        connect(m_hilfePan[n - 1], &QPushButton::clicked, this, [this, n] { openHelp(n); });

    connect(m_speichernBef, &QPushButton::clicked, this, [this] {
        if (!speichern())
            return;
        TickerBand& band = m_band;
        close();
        band.SpracheEinstellen();
    });
    connect(m_abbrechenBef, &QPushButton::clicked, this, &Einstellungen::close);
    connect(m_standardBef, &QPushButton::clicked, this, &Einstellungen::reset);

    // The window sees these keys before its controls.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { HilfeZeigen(m_platform, m_context.settings.Sprache); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &Einstellungen::escape);
}

// Loading, in this order: place, copy, captions, the options and boxes (their reactions
// run), the preview, the path controls by the receiver box; the changed flag cleared.
void Einstellungen::place()
{
    const int screenHeight = twips::fromPixels(m_platform.screenSize().height());
    const int outerHeight = twips::fromPixels(frameGeometry().height());
    const QPoint position =
        SettingsRules::windowPosition(m_band.geometryTwips().top(), screenHeight,
                                      std::max(outerHeight, SettingsRules::windowHeight));
    move(m_platform.screenPosition(position.x(), position.y()));
}

void Einstellungen::load()
{
    place();
    m_working = m_context.settings;
    m_element = 1;
    Beschriften();

    if (QAbstractButton* language = m_spracheOpt->button(m_working.Sprache))
        language->setChecked(true);
    m_onTopChe->setChecked(m_working.ImmerOben);
    // The band takes every value but 0 for the bottom edge.
    m_dockPosOpt->button(m_working.dockPos == 0 ? 0 : 1)->setChecked(true);

    m_preview->colour(m_working, false);
    m_preview->applyFont(m_working);

    const Settings stored = m_working;
    m_sysopStatusChe->setChecked(stored.sysopStatus);
    m_passwortTex->setText(stored.passWort);
    m_broadcastStatusChe->setChecked(stored.broadcastStatus);
    showPath();
    m_broadcastMasterChe->setChecked(stored.remoteEinstellungen);
    m_eigeneChe->setChecked(stored.eigeneErlauben);

    m_zeigRandChe->setChecked(stored.zeigRahmen);
    m_zeigDatumChe->setChecked(stored.zeigDatum);

    const bool receiver = m_broadcastStatusChe->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(m_legendePan[0]), static_cast<QWidget*>(m_legendePan[1]),
          static_cast<QWidget*>(m_broadcastPfadPan)})
        control->setEnabled(receiver);

    if (QAbstractButton* speed = m_speedOpt->button(stored.Speed))
        speed->setChecked(true);

    m_preview->layOut(m_working);
    m_changed = false;
}

void Einstellungen::languageReaction(qint16 sprache)
{
    m_working.Sprache = sprache;
    Beschriften();
    showPath();
    if (m_element > 0)
        selectElement(m_element);
    m_changed = true;
}

// The frame cannot be selected without a margin.
void Einstellungen::selectElement(int n)
{
    if (n == 1 && !m_working.zeigRahmen)
        return;
    closeHelp();
    m_element = n;
    showElementButtons();
}

void Einstellungen::showElementButtons()
{
    const auto fields = SettingsRules::elementColours(m_element);
    for (int k = 0; k < 3; ++k) {
        m_farbWahlBef[k]->setVisible(fields[k].has_value());
        if (fields[k]) {
            const QString caption =
                SettingsTexts::elementButtonCaption(m_element, k + 1, m_working.Sprache);
            m_farbWahlBef[k]->setText(caption);
            m_farbWahlBef[k]->setAccessibleName(caption);
        }
    }
    m_schriftWahlBef->setVisible(SettingsRules::elementHasFont(m_element));
}

// The dialog's title follows the language in memory, the caption the window's.
void Einstellungen::chooseColour(int button)
{
    m_changed = true;
    const std::optional<SettingsRules::ColourField> field =
        SettingsRules::elementColours(m_element)[button];
    if (!field)
        return;
    qint32& value = SettingsRules::colourOf(m_working, *field);
    const QString title =
        SettingsTexts::colourDialogTitle(m_farbWahlBef[button]->text(), m_context.settings.Sprache);
    const std::optional<qint32> chosen = m_platform.chooseColour(title, value);
    if (!chosen)
        return;
    value = *chosen;
    m_preview->colour(m_working, true);
}

void Einstellungen::chooseFont()
{
    m_changed = true;
    const FontChoice initial{m_working.SchriftName, double(m_working.SchriftGroesse),
                             m_working.SchriftFett, m_working.SchriftKursiv, 0};
    const std::optional<FontChoice> chosen = m_platform.chooseFont(initial);
    if (!chosen)
        return;
    m_working.SchriftName = chosen->name;
    m_working.SchriftFett = chosen->bold;
    m_working.SchriftKursiv = chosen->italic;
    m_working.SchriftGroesse = SettingsRules::fontSize(chosen->pointSize);
    m_preview->applyFont(m_working);
    m_preview->layOut(m_working);
}

void Einstellungen::reset()
{
    const MessageAnswer answer =
        m_platform.showMessage(SettingsTexts::resetQuestion(m_context.settings.Sprache),
                               MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::No)
        return;
    SettingsRules::resetDisplay(m_working);
    m_preview->colour(m_working, false);
    m_preview->applyFont(m_working);
    m_zeigDatumChe->setChecked(true);
    m_zeigRandChe->setChecked(true);
    m_speedOpt->button(30)->setChecked(true);
    m_preview->layOut(m_working);
}

void Einstellungen::receiverReaction(bool on)
{
    m_skip = on ? !m_sysopStatusChe->isChecked() : true;
    for (QWidget* control :
         {static_cast<QWidget*>(m_legendePan[0]), static_cast<QWidget*>(m_legendePan[1]),
          static_cast<QWidget*>(m_broadcastPfadPan)})
        control->setEnabled(on);
    for (QWidget* control :
         {static_cast<QWidget*>(m_legendePan[2]), static_cast<QWidget*>(m_broadcastMasterChe),
          static_cast<QWidget*>(m_eigeneChe), static_cast<QWidget*>(m_sysopStatusChe),
          static_cast<QWidget*>(m_legendePan[3]), static_cast<QWidget*>(m_passwortTex),
          static_cast<QWidget*>(m_augePan)})
        control->setEnabled(!on);
    if (on) {
        m_passwortTex->setEchoMode(QLineEdit::Password);
        // The sysop reaction passes over its check: the skip flag.
        m_sysopStatusChe->setChecked(true);
    } else {
        m_eigeneChe->setChecked(true);
        m_working.eigeneErlauben = true;
    }
    m_working.broadcastStatus = on;
}

// Receiver mode needs sysop mode: unticking it then is answered and undone.
void Einstellungen::sysopReaction()
{
    if (!m_skip && m_broadcastStatusChe->isChecked()) {
        m_platform.beep();
        showMessage(SettingsTexts::sysopRequired(m_working.Sprache));
        receiverReaction(true);
    } else if (m_skip) {
        m_skip = false;
    }
    m_working.sysopStatus = m_sysopStatusChe->isChecked();
}

// 1.-3. the file dialog, the working folder put back whatever happens; 5. a path on this
// computer only after the question; 6. the working path.
void Einstellungen::choosePath()
{
    closeHelp();
    const QString folder = QDir::currentPath();
    const std::optional<QString> chosen =
        m_platform.chooseFile(SettingsTexts::pathDialogTitle(m_working.Sprache),
                              QStringLiteral("qb.kvl"), QStringLiteral("qb.kvl (qb.kvl)"));
    QDir::setCurrent(folder);
    if (!chosen)
        return;
    const QString path = *chosen;
    if (!liesOnOtherComputer(path)) {
        m_platform.setTopmost(*this, false);
        const int answer =
            m_questions.MeldungZeigen(2, SettingsTexts::pathQuestion(m_context.settings.Sprache));
        m_platform.setTopmost(*this, true);
        if (answer == 2)
            return;
    }
    m_working.broadcastPfad = path;
    showPath();
}

void Einstellungen::showPath()
{
    const QString shown =
        m_working.broadcastPfad.isEmpty()
            ? SettingsTexts::notSpecified(m_working.Sprache)
            : m_working.broadcastPfad;
    m_broadcastPfadPan->setText(shown);
    m_broadcastPfadPan->setAccessibleDescription(shown);
}

void Einstellungen::openHelp(int n)
{
    closeHelp();
    m_kommentarPan[n - 1]->open();
}

void Einstellungen::closeHelp()
{
    for (HelpPopup* popup : m_kommentarPan)
        popup->hide();
}

void Einstellungen::escape()
{
    for (HelpPopup* popup : m_kommentarPan) {
        if (popup->isVisible()) {
            popup->hide();
            return;
        }
    }
    close();
}

// The check, then the store; on either failure the window keeps the working copy.
bool Einstellungen::speichern()
{
    if (const auto failure = SettingsRules::checkBeforeSaving(m_working, m_passwortTex->isEnabled(),
                                                              m_working.Sprache)) {
        m_platform.beep();
        // On this window: after the closing question no window may be active.
        m_bubbles.BubbleZeigen(*this, failure->bubble.x(), failure->bubble.y(), failure->text);
        return false;
    }
    const SaveOutcome outcome = EinstellungenUebernehmen(m_context, m_working, m_band);
    if (!outcome.stored) {
        m_platform.beep();
        showMessage(
            storageFailureText(StorageAction::SaveSettings, outcome.failure, m_working.Sprache));
        return false;
    }
    m_changed = false;
    return true;
}

// Closing steps 2 to 5: the band runs again, whatever the answer.
void Einstellungen::restoreBand()
{
    m_band.setTopmost(m_context.settings.ImmerOben);
    m_band.startTimer();
    m_band.FormAktiv(true);
    m_band.MachLayout();
}

void Einstellungen::closeEvent(QCloseEvent* event)
{
    bool stay = false;
    bool saved = false;
    if (m_changed) {
        switch (m_platform.showMessage(SettingsTexts::saveQuestion(m_context.settings.Sprache),
                                       MessageIcon::Warning, MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            saved = speichern();
            stay = !saved;
            break;
        case MessageAnswer::Cancel:
            stay = true;
            break;
        default:
            break;
        }
    }
    restoreBand();
    if (saved)
        m_band.SpracheEinstellen();
    if (stay) {
        event->ignore();
        return;
    }
    closeHelp();
    event->accept();
    emit closed();
}

bool Einstellungen::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // The title bar is known now: at the bottom it must not push the window off screen.
        if (!std::exchange(m_framed, true))
            place();
        m_band.setTopmost(false);
        m_platform.setTopmost(*this, true);
        m_speichernBef->setFocus(Qt::ActiveWindowFocusReason);
    }
    return QWidget::event(event);
}

bool Einstellungen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        closeHelp();
    return QWidget::eventFilter(watched, event);
}

void Einstellungen::mousePressEvent(QMouseEvent* event)
{
    closeHelp();
    QWidget::mousePressEvent(event);
}

} // namespace qb
