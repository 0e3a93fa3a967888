#include "FileRoutines.h"

#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace qb {

// One stat call: the band asks this of a file on a network share on every tick.
bool DateiVorhanden(const QString& path)
{
    struct stat status;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISREG(status.st_mode);
}

bool DateiKopieren(const QString& from, const QString& to)
{
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 chunk = 1 << 16;
    while (!source.atEnd()) {
        const QByteArray bytes = source.read(chunk);
        if (bytes.isEmpty() || target.write(bytes) != bytes.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}

bool OrdnerVorhanden(const QString& path)
{
    const QString before = QDir::currentPath();
    if (path.isEmpty() || !QDir::setCurrent(path))
        return false;
    QDir::setCurrent(before);
    return true;
}

void Pause(double seconds, const Clock& clock, const std::function<void()>& idle)
{
    constexpr double secondsPerDay = 24 * 60 * 60;
    const auto secondsOfDay = [&clock] {
        return clock.now().time().msecsSinceStartOfDay() / 1000.0;
    };
    const double start = secondsOfDay();
    for (;;) {
        double elapsed = secondsOfDay() - start;
        if (elapsed < 0)
            elapsed += secondsPerDay;
        if (elapsed >= seconds)
            return;
        idle();
    }
}

} // namespace qb
