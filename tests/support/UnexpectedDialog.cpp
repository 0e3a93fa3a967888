#include "support/UnexpectedDialog.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qb::test {

void failRunningTest(const QString& message)
{
    // Qt Test names its running test function; otherwise the test is GoogleTest's.
    if (QTest::currentTestFunction()) {
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
        return;
    }
    ADD_FAILURE() << message.toStdString();
}

} // namespace qb::test
