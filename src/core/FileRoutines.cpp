#include "FileRoutines.h"

#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>

namespace qb {

bool DateiVorhanden(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
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
