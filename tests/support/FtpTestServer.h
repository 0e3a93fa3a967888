#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace qb::test {

// The account of the update server built into the program, which the test server offers.
inline const QString updateUser = QStringLiteral("quillabd");
inline const QString updatePassword = QStringLiteral("q3update");

// A local FTP server (tests/support/ftp_server.py, pyftpdlib) on a free port of 127.0.0.1,
// serving one folder to the update account until the object is destroyed.
class FtpTestServer
{
public:
    struct Options
    {
        QString password = updatePassword;
        double delaySeconds = 0;
        bool silent = false; // accepts connections and never answers
    };

    explicit FtpTestServer(const Options& options)
    {
        QStringList arguments{QStringLiteral(QB_FTP_SERVER),
                              QStringLiteral("--root"),
                              m_folder.path(),
                              QStringLiteral("--user"),
                              updateUser,
                              QStringLiteral("--password"),
                              options.password,
                              QStringLiteral("--log"),
                              logPath(),
                              QStringLiteral("--delay"),
                              QString::number(options.delaySeconds)};
        if (options.silent)
            arguments << QStringLiteral("--silent");
        m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
        if (m_process.waitForReadyRead(20'000))
            m_port = m_process.readLine().trimmed().toInt();
    }

    ~FtpTestServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }

    // Puts a file into the served folder.
    void offer(const QString& name, const QByteArray& content) const
    {
        QFile file(QDir(m_folder.path()).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    QString folder() const { return m_folder.path(); }

    QString address(const QString& name = QStringLiteral("serverversion.txt")) const
    {
        return QStringLiteral("ftp://%1:%2@127.0.0.1:%3/%4")
            .arg(updateUser, updatePassword)
            .arg(m_port)
            .arg(name);
    }

    // How many connections the server has accepted so far.
    int connections() const
    {
        QFile log(logPath());
        return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
    }

private:
    QString logPath() const { return QDir(m_folder.path()).filePath(QStringLiteral(".log")); }

    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
};

} // namespace qb::test
