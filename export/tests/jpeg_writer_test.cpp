#include "export/jpeg_writer.h"

#include "core/testing/scripted_services.h"
#include "export/dib_section.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>
#include <vector>

namespace kc {
namespace {

using testing::ScriptedServices;

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

struct Decoded {
  int width = 0, height = 0, subsampling = -1;
  std::vector<unsigned char> rgb;
  QRgb pixel(int x, int y) const {
    const unsigned char* p = rgb.data() + (std::size_t(y) * width + x) * 3;
    return qRgb(p[0], p[1], p[2]);
  }
};

// Decodes with the same library family the writer uses, independently of Qt's reader.
Decoded decode(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  Decoded d;
  tjhandle h = tjInitDecompress();
  auto* data = reinterpret_cast<unsigned char*>(bytes.data());
  int colourspace = 0;
  if (tjDecompressHeader3(h, data, bytes.size(), &d.width, &d.height, &d.subsampling,
                          &colourspace) == 0) {
    d.rgb.resize(std::size_t(d.width) * d.height * 3);
    if (tjDecompress2(h, data, bytes.size(), d.rgb.data(), d.width, 0, d.height, TJPF_RGB, 0) != 0)
      d = {};
  } else {
    d = {};
  }
  tjDestroy(h);
  return d;
}

QImage halves(int w, int h, QRgb top, QRgb bottom) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(bottom);
  for (int y = 0; y < h / 2; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, top);
  return image;
}

bool near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList folderEntries(const QString& folder) {
  return QDir(folder).entryList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void expectSaveFailedMessage(const ScriptedServices& services) {
  ASSERT_EQ(services.messages.size(), 1);
  EXPECT_EQ(services.messages[0].text, QStringLiteral("Failed to save to JPG"));
  EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
}

class JpegWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const QString& name) const { return dir.filePath(name); }

  QTemporaryDir dir;
  ScriptedServices services;
};

TEST_F(JpegWriterTest, WritesTheSurfaceUprightAtItsSize) {
  struct Case {
    int width, height;
  };
  // 834 is the snapshot's width (2 filler bytes a line); 5 and 9 give 1 and 3 filler bytes.
  for (const Case c : {Case{834, 598}, {5, 4}, {9, 6}, {2, 2}}) {
    SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
    aDIBSection surface;
    ASSERT_TRUE(surface.CreateFromPicture(halves(c.width, c.height, kRed, kBlue)));
    const QString file = path(QStringLiteral("picture-%1.jpg").arg(c.width));
    ASSERT_TRUE(WriteJpeg(surface, file, 100, services));
    EXPECT_TRUE(services.messages.isEmpty());

    const Decoded d = decode(file);
    ASSERT_EQ(d.width, c.width);
    ASSERT_EQ(d.height, c.height);
    EXPECT_EQ(d.subsampling, TJSAMP_444);
    int wrong = 0;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) {
        const QRgb expected = y < c.height / 2 ? kRed : kBlue;
        if (!near(d.pixel(x, y), expected, 8) && ++wrong <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << d.pixel(x, y);
      }
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(JpegWriterTest, PathIsHandedOverInTheSystemEncoding) {
  aDIBSection surface;
  ASSERT_TRUE(surface.CreateFromPicture(halves(16, 8, kRed, kBlue)));
  const QString file = path(QStringLiteral("ảnh lớp 6A.jpg"));
  ASSERT_TRUE(WriteJpeg(surface, file, 100, services));
  EXPECT_TRUE(QFile::exists(file));
  EXPECT_EQ(decode(file).width, 16);
  EXPECT_EQ(folderEntries(dir.path()), QStringList{QStringLiteral("ảnh lớp 6A.jpg")});
}

TEST_F(JpegWriterTest, ReplacesAnOlderPictureAndKeepsItsPermissions) {
  aDIBSection small, large;
  ASSERT_TRUE(small.CreateFromPicture(halves(4, 4, kBlue, kRed)));
  ASSERT_TRUE(large.CreateFromPicture(halves(40, 30, kRed, kBlue)));
  const QString file = path(QStringLiteral("class.jpg"));
  ASSERT_TRUE(WriteJpeg(small, file, 100, services));
  ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);

  ASSERT_TRUE(WriteJpeg(large, file, 90, services));
  EXPECT_TRUE(services.messages.isEmpty());
  EXPECT_EQ(decode(file).width, 40);
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(folderEntries(dir.path()), QStringList{QStringLiteral("class.jpg")});
}

TEST_F(JpegWriterTest, WritesThroughALinkAndKeepsTheLink) {
  aDIBSection surface;
  ASSERT_TRUE(surface.CreateFromPicture(halves(8, 8, kRed, kBlue)));
  const QString real = path(QStringLiteral("real.jpg"));
  const QString link = path(QStringLiteral("link.jpg"));
  ASSERT_TRUE(WriteJpeg(surface, real, 100, services));
  ASSERT_TRUE(QFile::link(real, link));
  ASSERT_TRUE(surface.CreateFromPicture(halves(24, 8, kRed, kBlue)));

  ASSERT_TRUE(WriteJpeg(surface, link, 100, services));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(decode(real).width, 24);
}

TEST_F(JpegWriterTest, FailuresAreReportedAndLeaveNoFileBehind) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
  const QString readOnly = path(QStringLiteral("readonly.jpg"));
  {
    QFile f(readOnly);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("older picture");
  }
  ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);

  struct Case {
    const char* name;
    QString path;
    int quality;
  };
  const Case cases[] = {
      {"inside a folder that does not exist", path(QStringLiteral("missing/pic.jpg")), 100},
      {"a folder", path(QStringLiteral("folder")), 100},
      {"a name ending in a slash", path(QStringLiteral("pic.jpg/")), 100},
      {"no name at all (a cancelled dialog)", QString(), 100},
      {"a read-only picture", readOnly, 100},
      {"a quality above the encoder's scale", path(QStringLiteral("q.jpg")), 101},
      {"a negative quality", path(QStringLiteral("q.jpg")), -1},
  };
  const QStringList before = folderEntries(dir.path());
  aDIBSection surface;
  ASSERT_TRUE(surface.CreateFromPicture(halves(16, 16, kRed, kBlue)));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    services.messages.clear();
    EXPECT_FALSE(WriteJpeg(surface, c.path, c.quality, services));
    expectSaveFailedMessage(services);
    EXPECT_EQ(folderEntries(dir.path()), before);
    EXPECT_TRUE(folderEntries(path(QStringLiteral("folder"))).isEmpty());
  }
  EXPECT_EQ(readAll(readOnly), QByteArray("older picture"));
}

TEST_F(JpegWriterTest, EmptySurfaceWritesNothing) {
  aDIBSection surface;
  const QString file = path(QStringLiteral("empty.jpg"));
  EXPECT_FALSE(WriteJpeg(surface, file, 100, services));
  expectSaveFailedMessage(services);
  EXPECT_FALSE(QFile::exists(file));
}

// Makes every write beyond `bytes` fail for as long as it lives (as a full disk would), without
// the signal that would otherwise end the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  bool active() const { return active_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
  bool active_ = false;
};

TEST_F(JpegWriterTest, WriteThatStopsHalfwayKeepsTheOlderPicture) {
  const QString file = path(QStringLiteral("lesson.jpg"));
  aDIBSection older;
  ASSERT_TRUE(older.CreateFromPicture(halves(8, 8, kBlue, kRed)));
  ASSERT_TRUE(WriteJpeg(older, file, 100, services));
  const QByteArray olderBytes = readAll(file);
  ASSERT_LT(olderBytes.size(), 4096);

  // Noise does not compress: the new picture is far larger than the limit.
  QImage noise(834, 598, QImage::Format_RGB32);
  std::srand(7);
  for (int y = 0; y < noise.height(); ++y)
    for (int x = 0; x < noise.width(); ++x)
      noise.setPixel(x, y, qRgb(std::rand() & 255, std::rand() & 255, std::rand() & 255));
  aDIBSection newer;
  ASSERT_TRUE(newer.CreateFromPicture(noise));

  bool written = true;
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.active());
    written = WriteJpeg(newer, file, 100, services);
  }
  EXPECT_FALSE(written);
  expectSaveFailedMessage(services);
  EXPECT_EQ(readAll(file), olderBytes);
  EXPECT_EQ(folderEntries(dir.path()), QStringList{QStringLiteral("lesson.jpg")});

  // Once the disk has room again the same write succeeds.
  services.messages.clear();
  EXPECT_TRUE(WriteJpeg(newer, file, 100, services));
  EXPECT_EQ(decode(file).width, 834);
}

}  // namespace
}  // namespace kc
