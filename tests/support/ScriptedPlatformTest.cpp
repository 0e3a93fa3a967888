#include "support/ScriptedPlatform.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace qb::test {
namespace {

void askWithoutAnswer()
{
    ScriptedPlatform platform;
    platform.showMessage(QStringLiteral("Surprise"), MessageIcon::Question, MessageButtons::YesNo);
}

// A test that meets a dialog it queued no answer for fails, unless it opted out.
TEST(ScriptedPlatform, AnUnexpectedDialogFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(askWithoutAnswer(), "unexpected dialog: Surprise");
}

} // namespace
} // namespace qb::test
