#include "BandAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace qb {

namespace {

QAccessibleInterface* notificationFor(const QString&, QObject* object)
{
    if (auto* announcer = qobject_cast<BandAnnouncer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

BandAnnouncer::BandAnnouncer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&notificationFor);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("BandAnnouncer"));
    // Without a size it covers nothing of the band and takes no input.
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Shown with the band it would be announced empty: it shows with its first text.
    hide();
}

void BandAnnouncer::announce(const QString& text)
{
    setAccessibleName(text);
    // The announcement is the object appearing. Once shown it stays: the next one is sent
    // without hiding it first, which a screen reader would report as a second change.
    if (isHidden()) {
        show();
    } else if (QAccessible::isActive()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

} // namespace qb
