#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace qb::test {

// A fresh copy of the built template database in a temporary folder.
class TemplateCopy
{
public:
    explicit TemplateCopy(const QString& name = QStringLiteral("qb.kvl"))
        : m_path(m_dir.filePath(name))
    {
        QFile::copy(QStringLiteral(QB_TEMPLATE_PATH), m_path);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    const QString& path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    bool ok() const { return QFile::exists(m_path); }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace qb::test
