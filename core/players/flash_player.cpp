#include "core/players/flash_player.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace kc {

namespace {

// GIF delays below this are a request for "as fast as you can"; nobody sees the difference above
// 50 frames a second, but the processor does.
constexpr int kMinDelayMs = 20;
// A frame with no delay at all is shown for a tenth of a second, as browsers do.
constexpr int kNoDelayMs = 100;
// Frames are looked at in tiles of this many movie pixels: small enough that a few sparkles
// over a full-screen movie stay a few small tiles, large enough that the list of tiles stays
// short (a 512 × 384 movie has 768).
constexpr int kTile = 16;

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

// How the movie's tiles lie in the control.
class TileMap {
 public:
  TileMap(const QSize& movie, const QRect& target)
      : movie_(movie),
        target_(target),
        cols_((movie.width() + kTile - 1) / kTile),
        rows_((movie.height() + kTile - 1) / kTile) {
    // A smoothed pixel blends the movie pixels round the point it samples: a tile's pixels in
    // the control depend on the movie's pixels this far outside the tile.
    const int stepX = target.isEmpty() ? 1 : (movie.width() + target.width() - 1) / target.width();
    const int stepY =
        target.isEmpty() ? 1 : (movie.height() + target.height() - 1) / target.height();
    reach_ = 1 + std::max(stepX, stepY);
  }

  int count() const { return cols_ * rows_; }

  // The tile's movie pixels, widened by what smoothing reaches, within the movie.
  QRect reachOf(int tile) const {
    const QRect own((tile % cols_) * kTile, (tile / cols_) * kTile, kTile, kTile);
    return own.adjusted(-reach_, -reach_, reach_, reach_) & QRect(QPoint(), movie_);
  }

  // Where the tile lies in the control (rounded outwards).
  QRect placeOf(int tile) const {
    const int sx0 = (tile % cols_) * kTile, sy0 = (tile / cols_) * kTile;
    const int sx1 = std::min(movie_.width(), sx0 + kTile);
    const int sy1 = std::min(movie_.height(), sy0 + kTile);
    const qint64 w = target_.width(), h = target_.height();
    const int x0 = target_.x() + int(sx0 * w / movie_.width());
    const int y0 = target_.y() + int(sy0 * h / movie_.height());
    const int x1 = target_.x() + int((sx1 * w + movie_.width() - 1) / movie_.width());
    const int y1 = target_.y() + int((sy1 * h + movie_.height() - 1) / movie_.height());
    return QRect(x0, y0, x1 - x0, y1 - y0) & target_;
  }

  // The control area of every tile for which `hit(row, x0, x1)` holds on one of the rows of its
  // reach (x1 exclusive).
  template <class Hit>
  QRegion region(Hit hit) const {
    QRegion r;
    for (int t = 0; t < count(); ++t) {
      const QRect reach = reachOf(t);
      for (int y = reach.top(); y <= reach.bottom(); ++y)
        if (hit(y, reach.left(), reach.right() + 1)) {
          r += placeOf(t);
          break;
        }
    }
    return r;
  }

 private:
  QSize movie_;
  QRect target_;
  int cols_, rows_;
  int reach_ = 2;
};

QRegion visibleTiles(const TileMap& map, const QImage& img) {
  return map.region([&](int y, int x0, int x1) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = x0; x < x1; ++x)
      if (qAlpha(line[x]) != 0) return true;
    return false;
  });
}

QRegion changedTiles(const TileMap& map, const QImage& a, const QImage& b) {
  return map.region([&](int y, int x0, int x1) {
    return std::memcmp(a.constScanLine(y) + x0 * 4, b.constScanLine(y) + x0 * 4,
                       size_t(x1 - x0) * 4) != 0;
  });
}

}  // namespace

// Every animation control steps on one shared beat. A control whose next frame falls due within
// a short window of another's is stepped together with it, so the three decorations over the
// show cost one repaint of the window where they would cost three (a repaint of a window full
// of controls costs the same whatever little it covers). Each control keeps its own schedule:
// its due times advance by its frame delays, not from when it was stepped, so a frame is shown
// at most the window early and the animation's pace does not change.
class FlashBeat {
 public:
  static FlashBeat& instance() {
    static FlashBeat beat;
    return beat;
  }

  // `due` on the beat's clock (ms); replaces any step already booked for `player`.
  void book(FlashPlayer* player, qint64 due, int window) {
    cancel(player);
    booked_.push_back({player, due, window});
    rearm();
  }
  void cancel(const FlashPlayer* player) {
    std::erase_if(booked_, [&](const Booking& b) { return b.player == player; });
    if (booked_.empty()) timer_.stop();
  }
  bool isBooked(const FlashPlayer* player) const {
    return std::any_of(booked_.begin(), booked_.end(),
                       [&](const Booking& b) { return b.player == player; });
  }
  qint64 now() const { return clock_.elapsed(); }

  // How early a frame of `delay` ms may be shown to share a repaint.
  static int windowFor(int delay) { return std::min(kGatherMs, delay / 4); }

 private:
  static constexpr int kGatherMs = 30;
  struct Booking {
    FlashPlayer* player;
    qint64 due;
    int window;
  };

  FlashBeat() {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
  }

  void rearm() {
    if (booked_.empty()) return;
    qint64 first = booked_.front().due;
    for (const Booking& b : booked_) first = std::min(first, b.due);
    timer_.start(int(std::clamp<qint64>(first - now(), 0, 1 << 30)));
  }

  void fire() {
    const qint64 t = now();
    std::vector<Booking> due;
    std::vector<Booking> later;
    for (const Booking& b : booked_) (b.due - t <= b.window ? due : later).push_back(b);
    booked_ = std::move(later);
    // A step books the control's next one (or not, if it stopped meanwhile).
    for (const Booking& b : due) b.player->beatStep(b.due);
    if (booked_.empty())
      timer_.stop();
    else
      rearm();
  }

  QElapsedTimer clock_;
  QTimer timer_;
  std::vector<Booking> booked_;
};

struct FlashPlayer::Frames {
  struct Piece {
    QImage image;  // visible pixels at the control's scale
    QPoint at;     // where they lie in the control
    QRect rect() const { return QRect(at, image.size()); }
  };
  struct Frame {
    std::vector<Piece> pieces;  // empty when nothing shows
    QRect bounds;               // round all the pieces
    QRegion covered;            // the pieces' rectangles
    QRegion changed;            // where it differs from the frame before it in the loop
    bool changedKnown = false;
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
  // While the first loop is decoded: the frame before, to find what the next one changes, and
  // the first, to find what the loop's return to it changes.
  QImage previous;
  QImage first;

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

  void restart() {
    cached.clear();
    previous = QImage();
    first = QImage();
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

  // Scales the visible tiles of `img` into pieces, each cut down to its visible pixels.
  Frame scale(const QImage& img, const QRect& target, const TileMap& map) const {
    Frame f;
    const bool smooth = target.size() != img.size();
    for (const QRect& r : visibleTiles(map, img)) {
      QImage piece(r.size(), QImage::Format_ARGB32_Premultiplied);
      piece.fill(Qt::transparent);
      {
        QPainter p(&piece);
        p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.translate(-r.topLeft());
        p.drawImage(target, img);
      }
      const QRect bounds = visibleBounds(piece);
      if (bounds.isEmpty()) continue;
      Piece pc{bounds == piece.rect() ? piece : piece.copy(bounds), r.topLeft() + bounds.topLeft()};
      f.bounds |= pc.rect();
      f.covered += pc.rect();
      f.pieces.push_back(std::move(pc));
    }
    return f;
  }

  void add(const QImage& raw) {
    const QImage img = raw.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect target = showAll(source, cacheSize);
    const TileMap map(img.size(), target);
    const bool comparable = !previous.isNull() && previous.size() == img.size();
    const QRegion changed = comparable ? changedTiles(map, previous, img) : QRegion();
    Frame f;
    if (comparable && changed.isEmpty()) {
      // Decorations often hold still for several frames: such a frame shares the pictures.
      f = cached.back();
    } else {
      f = scale(img, target, map);
    }
    if (comparable) {
      f.changed = changed & (f.covered + cached.back().covered);
      f.changedKnown = true;
    }
    if (cached.empty()) first = img;
    previous = img;
    cached.push_back(std::move(f));
    if (int(cached.size()) >= count) endLoop();
  }

  // Every frame is decoded: what the return to the first frame changes is known now.
  void endLoop() {
    if (cached.size() > 1 && !first.isNull() && previous.size() == first.size()) {
      const TileMap map(first.size(), showAll(source, cacheSize));
      Frame& f0 = cached.front();
      f0.changed = changedTiles(map, previous, first) & (f0.covered + cached.back().covered);
      f0.changedKnown = true;
    }
    previous = QImage();
    first = QImage();
    close();
  }
};

FlashPlayer::FlashPlayer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

FlashPlayer::~FlashPlayer() {
  FlashBeat::instance().cancel(this);
  delete frames_;
}

void FlashPlayer::setMovie(const QString& path) {
  movie_ = path;
  FlashBeat::instance().cancel(this);
  delete frames_;
  frames_ = nullptr;
  decodes_ = 0;
  loadPending_ = !movie_.isEmpty();
  update();
}

bool FlashPlayer::ensureLoaded() const {
  if (!loadPending_) return frames_ != nullptr;
  loadPending_ = false;
  auto f = std::make_unique<Frames>();
  f->path = movie_;
  if (!f->open()) return false;
  f->count = std::max(1, f->reader->imageCount());
  // The first frame is read now: it tells the movie's size and proves the file is really one
  // (a damaged file becomes an empty control here rather than at the first paint).
  QImage first = f->readRaw();
  if (first.isNull()) return false;
  f->source = first.size();
  f->pending = std::move(first);
  frames_ = f.release();
  updateTimer();
  return true;
}

void FlashPlayer::loadDeferred() {
  loadQueued_ = false;
  if (!loadPending_ || !ensureLoaded() || !ensureFrame(frames_->current)) return;
  update(frames_->cached[frames_->current].covered);
}

bool FlashPlayer::ensureFrame(int index) const {
  if (!ensureLoaded()) return false;
  Frames* f = frames_;
  if (f->cacheSize != size()) {
    // Sized anew: the frames are made again for the new size, from the file, once. Only a
    // paint, a tick or a question about the frame asks, so the several resizes of one placement
    // cost a single rebuild.
    f->restart();
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
      f->endLoop();
      return false;
    }
    ++decodes_;
    f->add(raw);
  }
  return true;
}

bool FlashPlayer::isEmpty() const { return !ensureLoaded() || frames_->count == 0; }

int FlashPlayer::frameCount() const { return ensureLoaded() ? frames_->count : 0; }

int FlashPlayer::currentFrame() const { return ensureLoaded() ? frames_->current : 0; }

QRect FlashPlayer::frameRect() const {
  if (!ensureFrame(currentFrame())) return {};
  return frames_->cached[frames_->current].bounds;
}

QRegion FlashPlayer::changedRegion() const {
  if (!ensureFrame(currentFrame())) return {};
  const auto& fr = frames_->cached[frames_->current];
  return fr.changedKnown ? fr.changed : QRegion(rect());
}

int FlashPlayer::frameDelay() const {
  if (!ensureLoaded()) return 0;
  const size_t i = frames_->current;
  return i < frames_->delays.size() ? frames_->delays[i] : kNoDelayMs;
}

bool FlashPlayer::isAnimating() const {
  ensureLoaded();
  return FlashBeat::instance().isBooked(this);
}

qint64 FlashPlayer::cacheBytes() const {
  if (!frames_) return 0;
  qint64 bytes = 0;
  QSet<qint64> seen;
  for (const auto& fr : frames_->cached)
    for (const auto& pc : fr.pieces) {
      if (seen.contains(pc.image.cacheKey())) continue;
      seen.insert(pc.image.cacheKey());
      bytes += pc.image.sizeInBytes();
    }
  return bytes;
}

void FlashPlayer::setPlaying(bool playing) {
  playing_ = playing;
  updateTimer();
}

void FlashPlayer::tick() {
  if (!advance()) return;
  if (isAnimating() || playing_) updateTimer();
}

void FlashPlayer::beatStep(qint64 due) {
  if (!advance() || !playing_ || !isVisible()) return;
  FlashBeat& beat = FlashBeat::instance();
  // After a long stall (a busy machine) the schedule starts afresh rather than rushing.
  const qint64 now = beat.now();
  const int delay = frameDelay();
  const qint64 next = due + delay < now ? now + delay : due + delay;
  beat.book(this, next, FlashBeat::windowFor(delay));
}

bool FlashPlayer::advance() {
  if (isEmpty() || frames_->count < 2) return false;
  Frames* f = frames_;
  // A cache made for another size cannot say where the old frame lay: repaint all then.
  const bool fresh = f->cacheSize == size() && f->current < int(f->cached.size());
  const QRegion before = fresh ? f->cached[f->current].covered : QRegion();
  const int from = f->current;

  int next = (f->current + 1) % f->count;
  // A file that held fewer frames than it announced shrinks the count here: start over.
  if (!ensureFrame(next) && next >= f->count) next = 0;
  if (f->count == 0) {
    FlashBeat::instance().cancel(this);
    update();
    return false;
  }
  f->current = next;

  if (!fresh || !ensureFrame(next)) {
    update();
  } else {
    const auto& after = f->cached[next];
    // Only what changed from the frame before; a jump elsewhere repaints both frames' places.
    const bool step = after.changedKnown && next == (from + 1) % f->count;
    const QRegion dirty = step ? after.changed : before.united(after.covered);
    if (!dirty.isEmpty()) update(dirty);
  }
  return true;
}

void FlashPlayer::updateTimer() const {
  // A movie not opened yet starts its timer when it is opened.
  const bool run = playing_ && !loadPending_ && frames_ && frames_->count > 1 && isVisible();
  FlashBeat& beat = FlashBeat::instance();
  if (!run) {
    beat.cancel(this);
    return;
  }
  const int delay = frameDelay();
  beat.book(const_cast<FlashPlayer*>(this), beat.now() + delay, FlashBeat::windowFor(delay));
}

void FlashPlayer::paintEvent(QPaintEvent* e) {
  if (loadPending_ && isVisible()) {
    // On screen for the first time: the window around paints now, the movie opens right after.
    if (!loadQueued_) {
      loadQueued_ = true;
      QMetaObject::invokeMethod(this, &FlashPlayer::loadDeferred, Qt::QueuedConnection);
    }
    return;
  }
  // Otherwise (drawn off screen, say grabbed while hidden) the picture is wanted now.
  if (!ensureFrame(currentFrame())) return;
  const auto& fr = frames_->cached[frames_->current];
  if (!e->region().intersects(fr.bounds)) return;
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  // Only the asked-for parts of each piece: an update is a scatter of small changed tiles.
  for (const auto& pc : fr.pieces)
    for (const QRect& r : e->region()) {
      const QRect part = r & pc.rect();
      if (!part.isEmpty()) p.drawImage(part.topLeft(), pc.image, part.translated(-pc.at));
    }
}

void FlashPlayer::resizeEvent(QResizeEvent*) {
  // Nothing is decoded here: a placement resizes several times in a row, and the frames are
  // made once, at the size the control has when it is next painted.
  update();
}

void FlashPlayer::showEvent(QShowEvent*) { updateTimer(); }

void FlashPlayer::hideEvent(QHideEvent*) { FlashBeat::instance().cancel(this); }

}  // namespace kc
