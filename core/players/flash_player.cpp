#include "core/players/flash_player.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace kc {

namespace {

// GIF delays below this are a request for "as fast as you can"; nobody sees the difference above
// 50 frames a second, but the processor does.
constexpr int kMinDelayMs = 20;
// A frame with no delay at all is shown for a tenth of a second, as browsers do.
constexpr int kNoDelayMs = 100;

int frameDelayFrom(int readerDelay) {
  if (readerDelay <= 0) return kNoDelayMs;
  return std::max(readerDelay, kMinDelayMs);
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect visibleBounds(const QImage& img) {
  if (!img.hasAlphaChannel()) return img.rect();
  int top = -1, bottom = -1, left = img.width(), right = -1;
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    int first = 0;
    while (first < img.width() && qAlpha(line[first]) == 0) ++first;
    if (first == img.width()) continue;
    int last = img.width() - 1;
    while (qAlpha(line[last]) == 0) --last;
    if (top < 0) top = y;
    bottom = y;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

// "Show all": the largest rectangle of the movie's aspect that fits the control, centred.
QRect showAll(const QSize& movie, const QSize& control) {
  if (movie.isEmpty() || control.isEmpty()) return {};
  const double scale =
      std::min(double(control.width()) / movie.width(), double(control.height()) / movie.height());
  const int w = std::max(1, qRound(movie.width() * scale));
  const int h = std::max(1, qRound(movie.height() * scale));
  return QRect((control.width() - w) / 2, (control.height() - h) / 2, w, h);
}

}  // namespace

struct FlashPlayer::Frames {
  struct Frame {
    QImage image;  // the visible part only, at the control's scale; null when nothing shows
    QPoint at;     // where it lies in the control
    QRect rect() const { return image.isNull() ? QRect() : QRect(at, image.size()); }
  };

  QString path;
  QSize source;   // the movie's own size
  int count = 0;  // frames in the movie
  int current = 0;
  std::vector<int> delays;  // per frame, known once the frame has been read
  QSize cacheSize;          // the control size `cached` was made for
  std::vector<Frame> cached;

  // Open while frames remain to be decoded at cacheSize; the file is read into memory so it is
  // not held open for the length of the first loop.
  QBuffer buffer;
  std::unique_ptr<QImageReader> reader;
  QImage pending;  // a frame read before the control had a size

  bool open() {
    reader.reset();
    buffer.close();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    buffer.setData(file.readAll());
    buffer.open(QIODevice::ReadOnly);
    reader = std::make_unique<QImageReader>(&buffer);
    reader->setDecideFormatFromContent(true);
    if (!reader->canRead()) {
      close();
      return false;
    }
    return true;
  }

  void close() {
    reader.reset();
    buffer.close();
    buffer.setData(QByteArray());
  }

  // The next frame as the file holds it; records its delay the first time round.
  QImage readRaw() {
    if (!pending.isNull()) return std::exchange(pending, QImage());
    if (!reader) return {};
    QImage img = reader->read();
    if (img.isNull()) return {};
    const size_t index = cached.size();
    if (index >= delays.size()) delays.push_back(frameDelayFrom(reader->nextImageDelay()));
    return img;
  }

  Frame scale(const QImage& raw) const {
    const QRect target = showAll(source, cacheSize);
    QImage img = raw.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (target.size() != img.size())
      img = img.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect bounds = visibleBounds(img);
    Frame f;
    if (bounds.isEmpty()) return f;
    f.image = bounds == img.rect() ? img : img.copy(bounds);
    f.at = target.topLeft() + bounds.topLeft();
    // Decorations often hold still for several frames; identical frames share one picture.
    if (!cached.empty()) {
      const Frame& prev = cached.back();
      if (prev.at == f.at && prev.image == f.image) f.image = prev.image;
    }
    return f;
  }
};

FlashPlayer::FlashPlayer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &FlashPlayer::tick);
}

FlashPlayer::~FlashPlayer() { delete frames_; }

void FlashPlayer::setMovie(const QString& path) {
  movie_ = path;
  rebuild();
}

void FlashPlayer::rebuild() {
  timer_.stop();
  delete frames_;
  frames_ = nullptr;
  decodes_ = 0;
  update();
  if (movie_.isEmpty()) return;

  auto f = std::make_unique<Frames>();
  f->path = movie_;
  if (!f->open()) return;
  f->count = std::max(1, f->reader->imageCount());
  // The first frame is read now: it tells the movie's size and proves the file is really one
  // (a damaged file becomes an empty control here rather than at the first paint).
  QImage first = f->readRaw();
  if (first.isNull()) return;
  f->source = first.size();
  f->pending = std::move(first);
  frames_ = f.release();
  updateTimer();
}

bool FlashPlayer::ensureFrame(int index) const {
  Frames* f = frames_;
  if (!f) return false;
  if (f->cacheSize != size()) {
    // Sized anew: the frames are made again for the new size, from the file, once. Only a
    // paint, a tick or a question about the frame asks, so the several resizes of one placement
    // cost a single rebuild.
    f->cached.clear();
    f->cacheSize = size();
    if (f->pending.isNull() && !f->open()) {
      f->count = 0;
      return false;
    }
  }
  if (size().isEmpty()) return false;
  while (int(f->cached.size()) <= index) {
    const QImage raw = f->readRaw();
    if (raw.isNull()) {
      // The file held fewer frames than it announced (or broke off): loop over those it had.
      f->count = int(f->cached.size());
      f->close();
      return false;
    }
    ++decodes_;
    f->cached.push_back(f->scale(raw));
    if (int(f->cached.size()) >= f->count) f->close();
  }
  return true;
}

bool FlashPlayer::isEmpty() const { return frames_ == nullptr || frames_->count == 0; }

int FlashPlayer::frameCount() const { return frames_ ? frames_->count : 0; }

int FlashPlayer::currentFrame() const { return frames_ ? frames_->current : 0; }

QRect FlashPlayer::frameRect() const {
  if (!ensureFrame(currentFrame())) return {};
  return frames_->cached[frames_->current].rect();
}

int FlashPlayer::frameDelay() const {
  if (!frames_) return 0;
  const size_t i = frames_->current;
  return i < frames_->delays.size() ? frames_->delays[i] : kNoDelayMs;
}

qint64 FlashPlayer::cacheBytes() const {
  if (!frames_) return 0;
  qint64 bytes = 0;
  QSet<qint64> seen;
  for (const auto& fr : frames_->cached) {
    if (fr.image.isNull() || seen.contains(fr.image.cacheKey())) continue;
    seen.insert(fr.image.cacheKey());
    bytes += fr.image.sizeInBytes();
  }
  return bytes;
}

void FlashPlayer::setPlaying(bool playing) {
  playing_ = playing;
  updateTimer();
}

void FlashPlayer::tick() {
  if (isEmpty() || frames_->count < 2) return;
  Frames* f = frames_;
  // A cache made for another size cannot say where the old frame lay: repaint all then.
  const bool fresh = f->cacheSize == size() && f->current < int(f->cached.size());
  const QRect beforeRect = fresh ? f->cached[f->current].rect() : QRect();
  const qint64 beforeKey = fresh ? f->cached[f->current].image.cacheKey() : -1;

  int next = (f->current + 1) % f->count;
  // A file that held fewer frames than it announced shrinks the count here: start over.
  if (!ensureFrame(next) && next >= f->count) next = 0;
  if (f->count == 0) {
    timer_.stop();
    update();
    return;
  }
  f->current = next;

  if (!fresh || !ensureFrame(next)) {
    update();
  } else {
    const auto& after = f->cached[next];
    if (after.rect() != beforeRect || after.image.cacheKey() != beforeKey)
      update(QRegion(beforeRect).united(after.rect()));
  }
  if (timer_.isActive() || playing_) updateTimer();
}

void FlashPlayer::updateTimer() {
  const bool run = playing_ && !isEmpty() && frames_->count > 1 && isVisible();
  if (!run) {
    timer_.stop();
    return;
  }
  timer_.start(frameDelay());
}

void FlashPlayer::paintEvent(QPaintEvent* e) {
  if (!ensureFrame(currentFrame())) return;
  const auto& fr = frames_->cached[frames_->current];
  if (fr.image.isNull() || !e->rect().intersects(fr.rect())) return;
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(fr.at, fr.image);
}

void FlashPlayer::resizeEvent(QResizeEvent*) {
  // Nothing is decoded here: a placement resizes several times in a row, and the frames are
  // made once, at the size the control has when it is next painted.
  update();
}

void FlashPlayer::showEvent(QShowEvent*) { updateTimer(); }

void FlashPlayer::hideEvent(QHideEvent*) { timer_.stop(); }

}  // namespace kc
