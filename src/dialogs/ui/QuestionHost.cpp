#include "QuestionHost.h"

#include "core/Settings.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

namespace qb {

QuestionHost::QuestionHost(Platform& platform, const Settings& settings, mBox::Pause pause)
    : m_platform(platform), m_settings(settings), m_pause(std::move(pause))
{
}

int QuestionHost::MeldungZeigen(int buttonSet, const QString& text)
{
    if (m_open)
        m_open->done(m_open->answer());
    const QRect screen = m_platform.screenGeometry();
    const mBox::Place place{twips::fromPixels(screen.width()), twips::fromPixels(screen.height()),
                            m_band ? twips::fromPixels(m_band->height()) : 0,
                            m_settings.dockPos != 0, screen.topLeft()};
    mBox box(m_settings.Sprache, buttonSet, text, place, m_pause);
    m_open = &box;
    box.exec();
    m_answer = box.answer();
    return m_answer;
}

} // namespace qb
