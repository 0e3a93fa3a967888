#pragma once

#include <QString>

namespace qb::test {

// Fails the running test, GoogleTest's or Qt Test's, with the message.
void failRunningTest(const QString& message);

} // namespace qb::test
