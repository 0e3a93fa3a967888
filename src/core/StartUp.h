#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace qb {

struct AppContext;
class Clock;
class Platform;

// The data folder below a documents folder: ".../Quillaband 3/".
QString dataFolderIn(const QString& documentsFolder);

// The windows the start-up shows, in the order it shows them. The application
// implements them with the real windows; tests record the calls.
class StartUpWindows
{
public:
    virtual ~StartUpWindows() = default;
    virtual void showIntro() = 0;
    virtual void closeIntro() = 0;
    // The band that tells a receiver the broadcaster is being connected.
    virtual void showConnecting() = 0;
    virtual void closeConnecting() = 0;
    virtual void showTicker() = 0;
    // Lets pending user-interface events run once.
    virtual void processEvents() = 0;
    // Waits without processing events.
    virtual void pause(double seconds) = 0;
};

// The start sequence of the program. The template "org.kvl" lies in the context's
// dataFolder; relative file names ("nefe.txt", the update leftovers) are resolved
// against the current folder, the state folder once the start has entered it.
class StartUp
{
public:
    StartUp(AppContext& context, Platform& platform, Clock& clock, StartUpWindows& windows,
            QLocale locale = QLocale());

    // Runs the start sequence with the user's documents folder. Returns 0 when
    // the ticker is up; otherwise the user has been told why and the program
    // ends with the returned status.
    // A non-empty stateFolder is created and made the current folder first.
    int Main(const QString& documentsFolder, const QString& stateFolder = {});

private:
    QString templatePath() const;
    // Ends the start with a message in the language `sprache` (1 or 2), or in both.
    int abandon(const QString& english, const QString& german, qint16 sprache = 0);
    struct Reason
    {
        QString english;
        QString german;
    };
    // Why the local database cannot be written; nullopt when it can.
    static std::optional<Reason> writeProblem(const QString& database);
    // Sprache as stored in a database that is opened read-only; 0 when unreadable.
    static qint16 storedLanguage(const QString& database);
    void tidyUpdateLeftovers();
    void connectBroadcaster();
    void finishFirstRun();

    AppContext& m_context;
    Platform& m_platform;
    Clock& m_clock;
    StartUpWindows& m_windows;
    QLocale m_locale;
};

} // namespace qb
