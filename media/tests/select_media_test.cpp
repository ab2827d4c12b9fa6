// The media check window: its help text, trying a file in the preview, closing.

#include "media/select_media.h"
#include "core/players/media_player.h"
#include "core/testing/temp_program.h"
#include "core/text/vn_label.h"
#include "core/window_names.h"
#include "media/media_windows.h"

#include <QCoreApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace kc::testing {
namespace {

class Media : public ::testing::Test {
 protected:
  Media() { registerMediaWindows(*tp.program); }
  SelectMedia& window() { return *tp.program->window<SelectMedia>(windows::kSelectMedia); }
  TempProgram tp;
};

TEST_F(Media, LoadsWithNoFileAndTheHelpText) {
  SelectMedia& w = window();
  EXPECT_EQ(w.linkName(), "-");
  EXPECT_EQ(w.player()->url(), "");
  EXPECT_EQ(w.player()->parentWidget(), &w);
  EXPECT_EQ(w.dialogFilter(),
            "Multimedia files (*.mp3;*.wav;*.mid;*.avi;*.flv;*.mp4;*.mkv;*.mov)|*.mp3;*.wav;*.mid;"
            "*.avi;*.flv;*.mp4;*.mkv;*.mov|All Files (*.*)|*.*");
  EXPECT_EQ(w.size(), QSize(619, 434));
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  // The letter ư (0xAD) stands where the words need it.
  const QString help = w.label2()->codes();
  for (const char* word : {"\xAE\xAD\xEE"
                           "c",
                           "th\xAD m\xF4"
                           "c",
                           "l\xAD\xEE"
                           "t"})
    EXPECT_TRUE(help.contains(QString::fromLatin1(word))) << word;
  EXPECT_EQ(help.count(QChar(0xAD)), 3);
  EXPECT_EQ(w.label2()->text().count(QStringLiteral(u"ư")), 3);
  EXPECT_TRUE(w.label2()->text().contains(QStringLiteral(u"được phát")));
}

TEST_F(Media, TryingAFilePlaysItAndKeepsItsBareName) {
  struct Case {
    QString path, name;
  };
  const Case cases[] = {{"/home/teacher/clips/mediavideo1.mp4", "mediavideo1.mp4"},
                        {"C:\\Lop 10\\bai hat.mp3", "bai hat.mp3"},
                        {"noextension", "noextension"}};
  for (const Case& c : cases) {
    tp.services.queueOpen(c.path);
    window().chooseButton()->click();
    EXPECT_EQ(window().player()->url(), c.path);
    EXPECT_EQ(window().linkName(), c.name);
    EXPECT_EQ(window().label1()->width(), window().label1()->sizeHint().width());
  }
  EXPECT_EQ(tp.services.openRequests.last().filter, window().dialogFilter());
}

TEST_F(Media, CancelledDialogChangesNothing) {
  tp.services.queueOpen(std::nullopt);
  window().tryFile();
  EXPECT_EQ(window().linkName(), "-");
  EXPECT_EQ(window().player()->url(), "");
  tp.services.queueOpen(QStringLiteral("/clips/a.wav"));
  window().tryFile();
  tp.services.queueOpen(std::nullopt);
  window().tryFile();
  EXPECT_EQ(window().linkName(), "a.wav");
  EXPECT_EQ(window().player()->url(), "/clips/a.wav");
}

TEST_F(Media, ClosingStopsThePlayerAndForgetsTheName) {
  tp.services.queueOpen(QStringLiteral("/clips/a.wav"));
  window().tryFile();
  MediaPlayer* player = window().player();
  QStringList urls;
  QObject::connect(player, &MediaPlayer::urlSet, [&](const QString& u) { urls << u; });
  window().closeButton()->click();
  EXPECT_EQ(urls, QStringList{""});
  EXPECT_FALSE(tp.program->isLoaded(windows::kSelectMedia));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window().linkName(), "-");
}

}  // namespace
}  // namespace kc::testing
