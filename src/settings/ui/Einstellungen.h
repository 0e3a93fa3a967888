#pragma once

#include "core/Settings.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace qb {

struct AppContext;
class BubbleHost;
class HelpPopup;
class QuestionHost;
class Platform;
class PreviewPanel;
class TickerBand;
struct SettingsCaptions;

// The settings window. Every control edits a working copy of the settings; only saving
// stores it and hands it to the band. The band stands still while the window is open and
// runs again whenever the window closes, saved or not. It deletes itself when closed.
class Einstellungen : public QWidget
{
    Q_OBJECT

public:
    Einstellungen(AppContext& context, Platform& platform, TickerBand& band, BubbleHost& bubbles,
                  QuestionHost& questions, QWidget* parent = nullptr);
    ~Einstellungen() override;

    const Settings& working() const { return m_working; }
    bool changed() const { return m_changed; }
    int selectedElement() const { return m_element; }

signals:
    // The window has closed (after the band was restored).
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Building (EinstellungenBuild.cpp).
    void build();
    void buildSysopGroup();
    void buildBroadcastGroup();
    void buildDisplayGroups();
    void buildElementGroup();
    void buildFoot();
    // An error in the message line, beeped by the caller; a text longer than the line
    // wraps, and line and window grow until it is whole.
    void showMessage(const QString& text);
    QFrame* group(int n, const QRect& twipsRect);
    QLabel* legend(int n, QWidget* parent, const QRect& twipsRect);
    void connectReactions();
    void Beschriften();
    void applyCaptions(const SettingsCaptions& captions);

    // Behaviour: loading (Einstellungen.cpp), the element page (EinstellungenElements.cpp),
    // receiver and path (EinstellungenBroadcast.cpp), saving and closing
    // (EinstellungenSave.cpp), help popups and events (EinstellungenEvents.cpp).
    void load();
    // Placement by the band; the outer height once the window manager has framed it.
    void place();
    void selectElement(int n);
    void showElementButtons();
    void chooseColour(int button);
    void chooseFont();
    void reset();
    void languageReaction(qint16 sprache);
    void receiverReaction(bool on);
    void sysopReaction();
    void choosePath();
    void showPath();
    void openHelp(int n);
    void closeHelp();
    bool speichern();
    void restoreBand();
    void escape();

    AppContext& m_context;
    Platform& m_platform;
    TickerBand& m_band;
    BubbleHost& m_bubbles;
    QuestionHost& m_questions;

    Settings m_working;
    int m_element = 1;
    bool m_changed = false;
    bool m_skip = false;
    bool m_framed = false;

    QFrame* m_zzzPanel[7] = {};
    QLabel* m_legendePan[5] = {};
    QButtonGroup* m_spracheOpt = nullptr;
    QButtonGroup* m_dockPosOpt = nullptr;
    QButtonGroup* m_speedOpt = nullptr;
    QCheckBox* m_onTopChe = nullptr;
    QCheckBox* m_sysopStatusChe = nullptr;
    QLineEdit* m_passwortTex = nullptr;
    QToolButton* m_augePan = nullptr;
    QPushButton* m_hilfePan[2] = {};
    HelpPopup* m_kommentarPan[2] = {};
    QCheckBox* m_broadcastStatusChe = nullptr;
    QPushButton* m_broadcastPfadPan = nullptr;
    QCheckBox* m_broadcastMasterChe = nullptr;
    QCheckBox* m_eigeneChe = nullptr;
    QPushButton* m_farbWahlBef[3] = {};
    QPushButton* m_schriftWahlBef = nullptr;
    QCheckBox* m_zeigDatumChe = nullptr;
    QCheckBox* m_zeigRandChe = nullptr;
    PreviewPanel* m_preview = nullptr;
    QLabel* m_hinweisPan = nullptr;
    QLabel* m_meldungPan = nullptr;
    QPushButton* m_speichernBef = nullptr;
    QPushButton* m_abbrechenBef = nullptr;
    QPushButton* m_standardBef = nullptr;
};

} // namespace qb
