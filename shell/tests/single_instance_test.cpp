#include "shell/single_instance.h"
#include "core/testing/scripted_services.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QUuid>

#include <gtest/gtest.h>

namespace kc::testing {
namespace {

QString uniqueKey() {
  return QStringLiteral("kelvora-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TEST(SingleInstanceTest, SecondCopyGetsTheMessageAndTheFirstKeepsRunning) {
  const QString key = uniqueKey();
  ScriptedServices services;
  SingleInstance first(key);
  ASSERT_TRUE(claimSingleInstance(first, services));
  EXPECT_TRUE(services.messages.isEmpty());
  {
    SingleInstance second(key);
    EXPECT_FALSE(claimSingleInstance(second, services));
    EXPECT_EQ(services.messageTexts(), QStringList{QStringLiteral("Chuong trinh dang chay")});
  }
  // The refused copy ending must not free the first copy's lock.
  EXPECT_TRUE(first.holds());
  EXPECT_TRUE(QFileInfo::exists(first.lockPath()));
  SingleInstance third(key);
  EXPECT_FALSE(third.acquire());
}

TEST(SingleInstanceTest, NextStartRunsOnceTheFirstCopyHasEnded) {
  const QString key = uniqueKey();
  {
    SingleInstance first(key);
    ASSERT_TRUE(first.acquire());
  }
  SingleInstance next(key);
  EXPECT_TRUE(next.acquire());
}

// A lesson lasts longer than any "stale" timeout: an old lock of a running copy still holds.
TEST(SingleInstanceTest, LongRunningCopyStillRefusesASecond) {
  const QString key = uniqueKey();
  SingleInstance first(key);
  ASSERT_TRUE(first.acquire());
  {
    QFile f(first.lockPath());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600),
                              QFileDevice::FileModificationTime));
  }
  SingleInstance second(key);
  EXPECT_FALSE(second.acquire());
}

// A copy that crashed leaves its lock behind; the next start must not be refused for ever.
TEST(SingleInstanceTest, LockOfACopyThatDiedIsTakenOver) {
  const QString key = uniqueKey();
  SingleInstance probe(key);
  QProcess gone;
  gone.start(QStringLiteral("true"), {});
  ASSERT_TRUE(gone.waitForStarted(10000));
  const qint64 deadPid = gone.processId();
  ASSERT_TRUE(gone.waitForFinished(10000));
  {
    QFile f(probe.lockPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray::number(deadPid) + "\nkelvora-crossword\n" +
            QSysInfo::machineHostName().toUtf8() + "\n");
  }
  ScriptedServices services;
  SingleInstance next(key);
  EXPECT_TRUE(claimSingleInstance(next, services));
  EXPECT_TRUE(services.messages.isEmpty());
}

}  // namespace
}  // namespace kc::testing
