#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

namespace qb {

namespace {

constexpr int waitMs = 2000;
// A command is one short line; a peer that sends more is cut off.
constexpr qint64 longestCommand = 256;

// Only a folder of this user that nobody else can write may hold the socket: another
// account could otherwise answer in the band's place.
bool isPrivateFolder(const QString& folder)
{
    struct stat status;
    return ::stat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

QString canonicalFilePath(const QString& path)
{
    QString existing = QFileInfo(path).absoluteFilePath();
    QStringList missing;
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        if (info.path() == existing)
            break;
        missing.prepend(info.fileName());
        existing = info.path();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    missing.prepend(canonical.isEmpty() ? existing : canonical);
    return QDir::cleanPath(missing.join(QLatin1Char('/')));
}

SingleInstance::SingleInstance(const QString& databasePath, const QString& runtimeFolder,
                               QObject* parent)
    : QObject(parent), m_runtimeFolder(runtimeFolder)
{
    // Socket paths are limited to about 100 bytes: the name is a digest of the path.
    const QByteArray digest = QCryptographicHash::hash(canonicalFilePath(databasePath).toUtf8(),
                                                       QCryptographicHash::Sha256);
    m_socketPath = QDir(runtimeFolder)
                       .filePath(QStringLiteral("quillaband-%1.socket")
                                     .arg(QString::fromLatin1(digest.toHex().left(24))));
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

QString SingleInstance::runtimeFolderFor(const QProcessEnvironment& environment)
{
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime))
        return runtime;
    const QString folder = QDir::temp().filePath(QStringLiteral("quillaband-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return folder;
}

SingleInstance::Role SingleInstance::claim(const QString& command)
{
    if (!isPrivateFolder(m_runtimeFolder))
        return Role::Alone;
    // Two starts at the same moment take turns: one listens, the other finds it.
    QLockFile turn(m_socketPath + QStringLiteral(".lock"));
    if (!turn.tryLock(waitMs))
        return Role::Alone;

    if (send(command))
        return Role::Second;
    // Nobody answers: whatever socket file is there was left by a band that ended abruptly.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(m_socketPath) ? Role::First : Role::Alone;
}

bool SingleInstance::send(const QString& command)
{
    if (!isPrivateFolder(m_runtimeFolder))
        return false;
    QLocalSocket holder;
    holder.connectToServer(m_socketPath);
    if (!holder.waitForConnected(waitMs))
        return false;
    holder.write(command.toUtf8() + '\n');
    holder.waitForBytesWritten(waitMs);
    holder.disconnectFromServer();
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* peer = m_server.nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            while (peer->canReadLine()) {
                const QString line = QString::fromUtf8(peer->readLine(longestCommand)).trimmed();
                if (!line.isEmpty())
                    emit commandReceived(line);
            }
            if (peer->bytesAvailable() >= longestCommand)
                peer->abort();
        });
    }
}

} // namespace qb
