#include "app/FileDrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QTimer>

#include "app/ControlPanelWiring.h"
#include "app/FileKinds.h"
#include "editing/CommandRunner.h"
#include "platform/PictureDecoder.h"
#include "skin/Error.h"
#include "widgets/FloatingWindow.h"

namespace tessary::app {
namespace {

// Why a drop is refused.
constexpr const char* kOneFileOnly = "Drop one file at a time";
constexpr const char* kLocalFilesOnly = "Only files on this computer can be dropped";
constexpr const char* kNotASkinOrPicture = "\"%1\" is neither a picture nor a skin file (.skn, .crs)";
constexpr const char* kNoPicturePlace =
    "A picture goes on a sample, a sample toolbar button, a \"Change...\" button or a background button";

bool IsFileDrag(const QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return static_cast<const QDropEvent*>(event)->mimeData()->hasUrls();
    case QEvent::DragLeave: return true;
    default: return false;
  }
}

}  // namespace

FileDrop::FileDrop(QWidget& window, const ControlPanel& panel, SkinEditor& editor, Dialogs& dialogs,
                   const preview::CommandVocabulary& vocabulary)
    : QObject(&window),
      window_(window),
      panel_(panel),
      editor_(editor),
      dialogs_(dialogs),
      vocabulary_(vocabulary),
      indicator_(new DropIndicator(window)) {
  // Some widget must take drops for the platform to deliver them; the window does, and
  // the filter sees them first wherever they land.
  window.setAcceptDrops(true);
  QCoreApplication::instance()->installEventFilter(this);
}

FileDrop::~FileDrop() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

FileDrop::Verdict FileDrop::VerdictAt(const QMimeData& data, QWidget& top, QPoint pos) const {
  const auto refuse = [this](const QString& why) {
    return Verdict{false, why, {}, [this, why] { dialogs_.ShowErrorBox(why.toStdString()); }};
  };
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1) return refuse(QString::fromLatin1(kOneFileOnly));
  if (!urls.first().isLocalFile()) return refuse(QString::fromLatin1(kLocalFilesOnly));
  const QString path = urls.first().toLocalFile();
  const QString name = QFileInfo(path).fileName();
  const FileKind kind = KindOfFile(path);
  switch (kind) {
    case FileKind::kSkin:
    case FileKind::kOldSkin:
      return {true,
              QStringLiteral("%1 %2").arg(kind == FileKind::kSkin ? QStringLiteral("Open") : QStringLiteral("Import"),
                                          name),
              top.rect(), [this, path] { RunCommand(dialogs_, [&] { OpenSkinFile(editor_, path); }); }};
    case FileKind::kPicture: {
      // A place that takes pictures says itself whether it takes this one.
      Verdict verdict = PictureVerdictAt(path, top, pos);
      return verdict.text.isEmpty() ? refuse(QString::fromLatin1(kNoPicturePlace)) : verdict;
    }
    case FileKind::kOther: break;
  }
  return refuse(QString::fromLatin1(kNotASkinOrPicture).arg(name));
}

FileDrop::Verdict FileDrop::PictureVerdictAt(const QString& path, QWidget& top, QPoint pos) const {
  // The deepest widget under the pointer, then the ones it lies on.
  for (QWidget* widget = top.childAt(pos); widget != nullptr && widget != &top; widget = widget->parentWidget()) {
    const QPoint local = widget->mapFrom(&top, pos);
    std::optional<PictureTarget> target = PictureTargetAt(panel_, editor_, vocabulary_, widget, local);
    if (!target) continue;
    const QRect area(widget->mapTo(&top, target->area.topLeft()), target->area.size());
    const QString refusal = PictureRefusal(path, target->place);
    if (!refusal.isEmpty())
      return {false, refusal, area, [this, refusal] { dialogs_.ShowErrorBox(refusal.toStdString()); }};
    return {true, target->action, area, [this, run = std::move(target->run), file = path.toStdString()] {
              RunCommand(dialogs_, [&] { run(file); });
            }};
  }
  return {};
}

QString FileDrop::PictureRefusal(const QString& path, const PicturePlace& place) const {
  if (!header_ || header_->path != path) {
    header_ = Header{path, {}, {}};
    try {
      header_->size = platform::PictureFileSize(path);
    } catch (const SkinError& error) {
      header_->error = QString::fromStdString(ErrorBoxText(error.what()));
    }
  }
  if (!header_->error.isEmpty()) return header_->error;
  if (!place.IsSlot()) return {};  // a background takes any size
  const ImageSlotRule& rule = RuleOf(place.command);
  if (header_->size == QSize(rule.width, rule.height)) return {};
  return QString::fromStdString(WrongSizeMessage(rule));
}

QWidget* FileDrop::DropWindowOf(QWidget& widget) const {
  QWidget* top = widget.window();
  if (top == &window_) return top;
  auto* floating = qobject_cast<widgets::FloatingWindow*>(top);
  return floating != nullptr && floating->parentWidget() == &window_ ? top : nullptr;
}

DropIndicator& FileDrop::IndicatorOver(QWidget& top) {
  // A floating bar's window may go (its bar docked) and take the indicator with it.
  if (indicator_ == nullptr) indicator_ = new DropIndicator(window_);
  if (indicator_->parentWidget() != &top) indicator_->setParent(&top);
  return *indicator_;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
  if (!IsFileDrag(event) || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  QWidget* top = DropWindowOf(*widget);
  if (top == nullptr) return false;
  if (event->type() == QEvent::DragLeave) {
    // Leaving a floating bar for the window may be told after entering the window.
    if (indicator_ != nullptr && indicator_->parentWidget() == top) IndicatorOver(window_).Clear();
    return false;
  }
  auto* drop = static_cast<QDropEvent*>(event);
  // A new drag reads its picture's header afresh (the file may have changed meanwhile).
  if (event->type() == QEvent::DragEnter) header_.reset();
  const QPoint pos = widget->mapTo(top, drop->position().toPoint());
  Verdict verdict = VerdictAt(*drop->mimeData(), *top, pos);
  // Every file is taken by the window, so that a refused one can say why when dropped, and
  // taken as a copy: the file is only read. A drag that offers only "move" (Shift in a
  // file manager) is answered with the action it offers, which Qt requires; the file
  // manager leaves moving a file to the program it gave it to, and this one does not.
  drop->setDropAction(drop->possibleActions().testFlag(Qt::CopyAction) ? Qt::CopyAction : drop->proposedAction());
  drop->accept();
  if (event->type() != QEvent::Drop) {
    IndicatorOver(*top).ShowVerdict(verdict.takes, verdict.text, verdict.area, pos);
    return true;
  }
  IndicatorOver(window_).Clear();
  // Run once the drop is over: a command may show a modal box, which must not hold up the
  // file manager waiting for the drop to end.
  QTimer::singleShot(0, &window_, std::move(verdict.run));
  return true;
}

}  // namespace tessary::app
