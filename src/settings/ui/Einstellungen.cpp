#include "Einstellungen.h"

#include "PreviewPanel.h"
#include "core/AppContext.h"
#include "core/ShellRoutines.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "settings/SettingsRules.h"
#include "settings/SettingsTexts.h"
#include "settings/TickerBand.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace qb {

Einstellungen::Einstellungen(AppContext& context, Platform& platform, TickerBand& band,
                             BubbleHost& bubbles, QuestionHost& questions, QWidget* parent)
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

void Einstellungen::showPath()
{
    const QString shown = m_working.broadcastPfad.isEmpty()
                              ? SettingsTexts::notSpecified(m_working.Sprache)
                              : m_working.broadcastPfad;
    m_broadcastPfadPan->setText(shown);
    m_broadcastPfadPan->setAccessibleDescription(shown);
}

} // namespace qb
