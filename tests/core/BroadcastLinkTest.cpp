#include "core/BroadcastLink.h"
#include "core/BroadcastFile.h"
#include "support/GatedSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qb;
using qb::test::GatedSource;

namespace {

// How long a test waits at most for a worker that is not held; never reached when it works.
constexpr int answerLimitMs = 10000;

const BroadcastRequest probe{BroadcastRequest::Kind::Probe, QStringLiteral("/share/qb.kvl")};

// A link over a gated source, on a clock the test moves.
struct HungShare : ::testing::Test
{
    std::shared_ptr<GatedSource::Gate> gate = std::make_shared<GatedSource::Gate>();
    qint64 ticks = 1000;
    BroadcastLink link{std::make_unique<GatedSource>(gate), BroadcastLink::Mode::Threaded,
                       [this] { return ticks; }};

    void TearDown() override { gate->release(); }
};

} // namespace

// A call that hangs holds up neither the caller nor the link's end; the link refuses to
// pile a second call on it, and its deadline is counted from the question.
TEST_F(HungShare, HangingCallNeverBlocksTheCaller)
{
    gate->close();
    ASSERT_TRUE(link.request(probe));
    EXPECT_TRUE(link.busy());
    EXPECT_FALSE(link.take());
    EXPECT_FALSE(link.request(probe)) << "a second call while one hangs";

    ticks += BroadcastLink::deadlineMs - 1;
    EXPECT_FALSE(link.overdue());
    ticks += 1;
    EXPECT_TRUE(link.overdue());
    EXPECT_FALSE(link.waitForAnswer(1));
    EXPECT_LE(gate->callCount(), 1);
}

// An answer that comes after the deadline is taken like any other, once, and frees the
// link for the next question; an answer not yet taken also holds the next one back.
TEST_F(HungShare, LateAnswerIsTakenOnceAndFreesTheLink)
{
    gate->close();
    ASSERT_TRUE(link.request(probe));
    ticks += 10 * BroadcastLink::deadlineMs;
    gate->release();
    ASSERT_TRUE(link.waitForAnswer(answerLimitMs));
    EXPECT_FALSE(link.overdue());
    EXPECT_FALSE(link.request(probe)) << "the late answer is not taken yet";
    const auto answer = link.take();
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->exists);
    EXPECT_FALSE(link.take());
    EXPECT_TRUE(link.request(probe));
    EXPECT_TRUE(link.waitForAnswer(answerLimitMs));
    EXPECT_EQ(gate->callCount(), 2);
}

// The end of a link whose call hangs abandons the worker instead of joining it.
TEST(BroadcastLink, EndingWhileACallHangsReturns)
{
    const auto gate = std::make_shared<GatedSource::Gate>();
    gate->close();
    {
        BroadcastLink link(std::make_unique<GatedSource>(gate));
        ASSERT_TRUE(link.request(probe));
        gate->waitForCall();
    }
    gate->release();
}

// A file that is there but is no database of the program is unreachable, not locked: the
// band tells the user instead of waiting for it to be unlocked.
TEST(BroadcastFile, ForeignFileIsUnreachable)
{
    QTemporaryDir folder;
    QFile garbage(folder.filePath(QStringLiteral("qb.kvl")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    BroadcastFile file;
    const BroadcastAnswer answer = file.answer({BroadcastRequest::Kind::Read, garbage.fileName()});
    EXPECT_TRUE(answer.exists);
    EXPECT_EQ(answer.outcome, BroadcastAnswer::Outcome::Unreachable);
}
