#include "core/BroadcastLink.h"
#include "core/BroadcastFile.h"
#include "support/GatedSource.h"
#include "support/RawSql.h"
#include "support/TemplateCopy.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qb;
using qb::test::GatedSource;
using qb::test::RawSql;
using qb::test::TemplateCopy;

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

// The worker's reads: a missing file is not found; a present one gives its settings row and
// its notes; a broadcaster's unfinished write is a lock, and the read-only connection leaves
// its journal for the broadcaster to roll back.
TEST(BroadcastFile, ReadsFileStatesAsTheBandNeedsThem)
{
    TemplateCopy broadcaster;
    RawSql(broadcaster.path())
        .exec(QStringLiteral("INSERT INTO Notizen (inhalt, Rhythmus) VALUES ('news', 0)"));
    RawSql(broadcaster.path()).exec(QStringLiteral("UPDATE Einstellungen SET Speed = 77"));
    BroadcastFile file({}, 20);
    using Kind = BroadcastRequest::Kind;
    using Outcome = BroadcastAnswer::Outcome;

    const BroadcastAnswer missing = file.answer({Kind::Read, broadcaster.folder() + "/no.kvl"});
    EXPECT_FALSE(missing.exists);
    EXPECT_EQ(missing.outcome, Outcome::Unreachable);

    const BroadcastAnswer read = file.answer({Kind::Read, broadcaster.path()});
    ASSERT_EQ(read.outcome, Outcome::Read);
    ASSERT_TRUE(read.einstellungen);
    EXPECT_EQ(read.einstellungen->value(QStringLiteral("Speed")).toInt(), 77);
    ASSERT_EQ(read.notes.size(), 1);
    EXPECT_EQ(read.notes.front().inhalt, QStringLiteral("news"));

    RawSql writer(broadcaster.path());
    ASSERT_EQ(writer.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
    EXPECT_EQ(file.answer({Kind::Read, broadcaster.path(), true}).outcome, Outcome::LockedOut);
    writer.exec(QStringLiteral("ROLLBACK"));

    QFile garbage(broadcaster.folder() + QStringLiteral("/garbage.kvl"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    const BroadcastAnswer foreign = file.answer({Kind::Read, garbage.fileName()});
    EXPECT_TRUE(foreign.exists);
    EXPECT_EQ(foreign.outcome, Outcome::Unreachable);
}
