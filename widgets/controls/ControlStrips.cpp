#include "widgets/controls/ControlStrips.h"

#include <QPixmapCache>
#include <cstdint>
#include <cstring>

namespace tessary {
extern const unsigned char kControlStripsData[];
extern const std::size_t kControlStripsData_size;
}  // namespace tessary

namespace tessary::widgets {
namespace {

// Layout of the resource (written by scripts/make-control-strips.py), little-endian:
//   "TXCS", u16 picture count, then per picture: u8 name length, the name, u16 width,
//   u16 height, width * height u32 pixels 0xAARRGGBB (not premultiplied), rows top-down.
constexpr char kMagic[4] = {'T', 'X', 'C', 'S'};
constexpr int kMaxSide = 1024;  // the pictures are small; anything larger is damage

class Cursor {
 public:
  explicit Cursor(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  bool Has(std::size_t n) const { return bytes_.size() - at_ >= n; }
  std::uint32_t Read(std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= static_cast<std::uint32_t>(bytes_[at_ + i]) << (8 * i);
    at_ += width;
    return value;
  }
  const unsigned char* Here() const { return bytes_.data() + at_; }
  void Skip(std::size_t n) { at_ += n; }

 private:
  std::span<const unsigned char> bytes_;
  std::size_t at_ = 0;
};

struct Strips {
  QImage button, radio, arrow, arrowDisabled;
};

const Strips& Loaded() {
  static const Strips strips = [] {
    const std::span<const unsigned char> data = ControlStripsResource();
    Strips s;
    s.button = DecodeStripPicture(data, "XPBUTTON");
    s.radio = DecodeStripPicture(data, "XPRADIOBOX");
    s.arrow = DecodeStripPicture(data, "DFS_ARROW_BMP");
    s.arrowDisabled = DecodeStripPicture(data, "DFS_ARROW_DISABLED_BMP");
    return s;
  }();
  return strips;
}

QImage Cell(const QImage& strip, QSize cell, int oneBasedIndex) {
  return strip.copy((oneBasedIndex - 1) * cell.width(), 0, cell.width(), cell.height());
}

// The source column (or row) that target position `t` of `target` takes.
int SourceIndex(int t, int target, int source) {
  const int half = source / 2;
  const int leading = target >= 2 * half ? half : target / 2;
  const int trailing = target >= 2 * half ? half : target - leading;
  if (t < leading) return t;
  if (t >= target - trailing) return source - (target - t);
  return half;  // the middle column or row, repeated
}

// Pixmaps live in Qt's pixmap cache (never in statics, which would outlive the application).
template <typename Make>
QPixmap Cached(const QString& name, Make make) {
  const QString key = QStringLiteral("tessary/strips/") + name;
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    pixmap = QPixmap::fromImage(make());
    QPixmapCache::insert(key, pixmap);
  }
  return pixmap;
}

}  // namespace

std::span<const unsigned char> ControlStripsResource() { return {kControlStripsData, kControlStripsData_size}; }

QImage DecodeStripPicture(std::span<const unsigned char> resource, const char* name) {
  Cursor in(resource);
  if (!in.Has(6) || std::memcmp(in.Here(), kMagic, sizeof kMagic) != 0) return {};
  in.Skip(sizeof kMagic);
  const std::uint32_t count = in.Read(2);
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!in.Has(1)) return {};
    const std::uint32_t nameLength = in.Read(1);
    if (!in.Has(nameLength + 4)) return {};
    const QByteArray pictureName(reinterpret_cast<const char*>(in.Here()), nameLength);
    in.Skip(nameLength);
    const int width = static_cast<int>(in.Read(2));
    const int height = static_cast<int>(in.Read(2));
    if (width > kMaxSide || height > kMaxSide) return {};
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    if (!in.Has(bytes)) return {};
    if (pictureName != name) {
      in.Skip(bytes);
      continue;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < width; ++x) row[x] = in.Read(4);
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return {};
}

QImage ScaleKeepingCorners(const QImage& source, QSize size) {
  if (source.isNull() || size.isEmpty()) return {};
  const QImage from = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage to(size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(SourceIndex(y, size.height(), from.height())));
    auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
    for (int x = 0; x < size.width(); ++x) out[x] = in[SourceIndex(x, size.width(), from.width())];
  }
  return to;
}

QPixmap ButtonLookPixmap(ButtonLook look, QSize size) {
  return Cached(QStringLiteral("button/%1/%2x%3").arg(static_cast<int>(look)).arg(size.width()).arg(size.height()),
                [&] { return ScaleKeepingCorners(Cell(Loaded().button, kButtonCell, static_cast<int>(look)), size); });
}

QPixmap RadioMarkPixmap(RadioMark mark) {
  return Cached(QStringLiteral("radio/%1").arg(static_cast<int>(mark)),
                [&] { return Cell(Loaded().radio, kRadioCell, static_cast<int>(mark)); });
}

QPixmap DropDownArrowPixmap(bool disabled) {
  return Cached(disabled ? QStringLiteral("arrow/disabled") : QStringLiteral("arrow"),
                [&] { return disabled ? Loaded().arrowDisabled : Loaded().arrow; });
}

}  // namespace tessary::widgets
