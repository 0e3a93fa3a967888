#include "UpdateSource.h"

#include <QtGlobal>

namespace qb {

QString UpdateAdresse(const std::optional<QString>& environment, const QString& builtIn)
{
    return environment ? environment->trimmed() : builtIn;
}

QString UpdateAdresse()
{
    const char* name = "QUILLABAND_UPDATE_URL";
    const std::optional<QString> environment =
        qEnvironmentVariableIsSet(name) ? std::optional(qEnvironmentVariable(name)) : std::nullopt;
    return UpdateAdresse(environment, QStringLiteral(QB_UPDATE_URL));
}

} // namespace qb
