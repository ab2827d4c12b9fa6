#include "core/players/media_player.h"
#include "core/players/players.h"
#include "core/players/tests/media_fixtures.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaPlayer>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QVideoWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace kc {
namespace {

// Runs the event loop until `done` or the deadline, whichever comes first.
bool waitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return done();
}

bool isPlaying(const QMediaPlayer* e) {
  return e && e->playbackState() == QMediaPlayer::PlayingState &&
         (e->mediaStatus() == QMediaPlayer::LoadedMedia ||
          e->mediaStatus() == QMediaPlayer::BufferingMedia ||
          e->mediaStatus() == QMediaPlayer::BufferedMedia);
}

bool isSilent(const QMediaPlayer* e) {
  return !e || e->playbackState() == QMediaPlayer::StoppedState;
}

class QtMediaPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    tone_ = dir_.filePath("tone.mp3");
    ASSERT_TRUE(testing::writeMp3(tone_, 3.0));
  }
  QTemporaryDir dir_;
  QString tone_;
};

// The whole road through the real engine: a real MP3 plays, the empty URL stops it, a missing
// or broken file leaves it silent. No sound device is needed: GStreamer falls back to a sink
// that runs on the clock. Only a machine whose engine cannot play MP3 at all skips.
TEST_F(QtMediaPlayerTest, PlaysStopsAndStaysSilentOnBadFiles) {
  QtPlayers players;
  std::unique_ptr<MediaPlayer> player(players.createMediaPlayer(nullptr, false));
  auto* qt = qobject_cast<QtMediaPlayer*>(player.get());
  ASSERT_NE(qt, nullptr);
  EXPECT_EQ(qt->engine(), nullptr);  // nothing made before something plays

  player->setUrl(tone_);
  ASSERT_NE(qt->engine(), nullptr);
  QMediaPlayer* engine = qt->engine();
  waitFor([&] { return isPlaying(engine) || engine->error() != QMediaPlayer::NoError; });
  if (engine->error() == QMediaPlayer::FormatError && !engine->isAvailable())
    GTEST_SKIP() << "this media engine cannot play MP3: " << engine->errorString().toStdString();
  ASSERT_TRUE(isPlaying(engine)) << engine->errorString().toStdString() << " status "
                                 << engine->mediaStatus();
  EXPECT_EQ(player->url(), tone_);

  // Once it has run a while, handing over the same file again starts it from its beginning.
  ASSERT_TRUE(waitFor([&] { return engine->position() >= 600; }));
  player->setUrl(tone_);
  EXPECT_LT(engine->position(), 400);
  EXPECT_TRUE(waitFor([&] { return isPlaying(engine); }));

  player->setUrl(QString());
  EXPECT_TRUE(isSilent(engine));
  EXPECT_TRUE(engine->source().isEmpty());
  EXPECT_EQ(player->url(), QString());

  // Bad files: the last hand-over is remembered, nothing plays, nobody is told.
  QFile broken(dir_.filePath("broken.mp3"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(QByteArray(4096, '\x55'));
  broken.close();
  const QString bad[] = {dir_.filePath("missing.mp3"), broken.fileName(), dir_.path()};
  for (const QString& path : bad) {
    SCOPED_TRACE(path.toStdString());
    player->setUrl(tone_);  // something was playing when the bad file came
    ASSERT_TRUE(waitFor([&] { return isPlaying(engine); }));
    player->setUrl(path);
    EXPECT_EQ(player->url(), path);
    waitFor([&] { return isSilent(engine) && engine->mediaStatus() != QMediaPlayer::LoadingMedia; },
            3000);
    EXPECT_FALSE(isPlaying(engine));
    EXPECT_TRUE(isSilent(engine)) << engine->playbackState();
  }
}

TEST_F(QtMediaPlayerTest, GoingAwayStopsThePlayback) {
  auto* player = new QtMediaPlayer;
  player->setUrl(tone_);
  QMediaPlayer* engine = player->engine();
  if (!waitFor([&] { return isPlaying(engine); }))
    GTEST_SKIP() << "the engine does not play here: " << engine->errorString().toStdString();
  std::vector<QMediaPlayer::PlaybackState> states;
  QObject::connect(engine, &QMediaPlayer::playbackStateChanged,
                   [&](QMediaPlayer::PlaybackState s) { states.push_back(s); });
  delete player;
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.back(), QMediaPlayer::StoppedState);
}

TEST(QtMediaPlayerInterface, ShownPlayersCarryVideoAndControls) {
  struct Case {
    bool createdVisible;
    bool shownLater;
    bool expectInterface;
  };
  const Case cases[] = {{true, false, true}, {false, true, true}, {false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.createdVisible << c.shownLater);
    QWidget window;
    QtPlayers players;
    MediaPlayer* player = players.createMediaPlayer(&window, c.createdVisible);
    window.show();
    if (c.shownLater) player->setVisible(true);
    auto* qt = qobject_cast<QtMediaPlayer*>(player);
    ASSERT_NE(qt, nullptr);
    EXPECT_EQ(qt->hasInterface(), c.expectInterface);
    EXPECT_EQ(player->findChildren<QVideoWidget*>().size(), c.expectInterface ? 1 : 0);
    EXPECT_EQ(player->findChildren<QSlider*>().size(), c.expectInterface ? 2 : 0);
    if (c.expectInterface) {
      for (QWidget* part : player->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(part->isVisible()) << part->metaObject()->className();
    }
  }
}

TEST(QtMediaPlayerInterface, VolumeSliderSetsTheSoundLevel) {
  QTemporaryDir dir;
  const QString tone = dir.filePath("tone.mp3");
  ASSERT_TRUE(testing::writeMp3(tone, 0.5));
  QtMediaPlayer player(nullptr, true);
  player.setUrl(tone);
  ASSERT_NE(player.engine(), nullptr);
  QSlider* volume = nullptr;
  for (QSlider* s : player.findChildren<QSlider*>())
    if (s->toolTip() == QStringLiteral("Volume")) volume = s;
  ASSERT_NE(volume, nullptr);
  volume->setValue(25);
  EXPECT_FLOAT_EQ(player.engine()->audioOutput()->volume(), 0.25f);
  player.setUrl(QString());
}

TEST(PreparePlayers, ChoosesGStreamerOnlyWhenNothingIsChosen) {
  const QByteArray saved = qgetenv("QT_MEDIA_BACKEND");
  qunsetenv("QT_MEDIA_BACKEND");
  preparePlayers();
  EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), "gstreamer");
  qputenv("QT_MEDIA_BACKEND", "other");
  preparePlayers();
  EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), "other");
  if (saved.isNull())
    qunsetenv("QT_MEDIA_BACKEND");
  else
    qputenv("QT_MEDIA_BACKEND", saved);
}

}  // namespace
}  // namespace kc
