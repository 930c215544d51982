#include "app/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <memory>
#include <optional>

namespace tessary {
extern const unsigned char kAppIconPng[];
extern const std::size_t kAppIconPng_size;
}  // namespace tessary

namespace tessary::app {
namespace {

// Answers every question about the icon from the decoded picture, decoding it on the first.
// The picture lives with the icon (and its copies), not in a static: pixmaps must not
// outlive the application object.
class EmbeddedIconEngine : public QIconEngine {
 public:
  EmbeddedIconEngine() : decoded_(std::make_shared<std::optional<QIcon>>()) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Decoded().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Decoded().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Decoded().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Decoded().availableSizes(mode, state);
  }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("tessary-embedded"); }
  QIconEngine* clone() const override { return new EmbeddedIconEngine(*this); }

 private:
  const QIcon& Decoded() {
    if (!decoded_->has_value()) {
      QPixmap picture;
      picture.loadFromData(kAppIconPng, static_cast<uint>(kAppIconPng_size), "PNG");
      decoded_->emplace(picture);
    }
    return **decoded_;
  }

  std::shared_ptr<std::optional<QIcon>> decoded_;  // shared by the engine's clones
};

}  // namespace

QIcon AppIcon() { return QIcon(new EmbeddedIconEngine); }

}  // namespace tessary::app
