#include "app/LinkMarks.h"

#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>

#include "app/ControlPanelWiring.h"

namespace tessary::app {
namespace {

constexpr int kMarkSize = 7;
constexpr QRgb kMarkColour = 0x1565C0;  // a blue that reads on every theme's face and on fuchsia
constexpr const char* kLinkedTo = "Linked to %1";

class LinkMark : public QWidget {
 public:
  LinkMark(QWidget& parent, QRect area) : QWidget(&parent) {
    setObjectName(QStringLiteral("linkMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(area.right() + 1 - kMarkSize, area.top(), kMarkSize, kMarkSize);
    show();
    raise();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(QColor::fromRgb(kMarkColour));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
};

}  // namespace

LinkMarks::LinkMarks(const ControlPanel& panel, const preview::CommandVocabulary& vocabulary, LiveLinks& links)
    : QObject(panel.pnlTop), panel_(panel), vocabulary_(vocabulary), links_(links) {
  linksWatch_ = links_.OnLinksChanged([this] { Update(); });
  // The toolbars lay their items out again (a theme), the lists select another entry.
  for (QWidget* watched : {static_cast<QWidget*>(panel.TBXToolbar1), static_cast<QWidget*>(panel.TBXToolbar2),
                           static_cast<QWidget*>(panel.cbPages), static_cast<QWidget*>(panel.cbOther)})
    watched->installEventFilter(this);
  for (widgets::TJvImageComboBox* list : {panel.cbPages, panel.cbOther})
    connect(list, &QComboBox::currentIndexChanged, this, &LinkMarks::Update);
}

LinkMarks::~LinkMarks() {
  for (const QPointer<QWidget>& mark : marks_) delete mark.data();
}

std::vector<QWidget*> LinkMarks::Marks() const {
  std::vector<QWidget*> shown;
  for (const QPointer<QWidget>& mark : marks_)
    if (mark != nullptr) shown.push_back(mark);
  return shown;
}

bool LinkMarks::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) ScheduleUpdate();
  return false;
}

void LinkMarks::ScheduleUpdate() {
  if (scheduled_) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    scheduled_ = false;
    Update();
  });
}

void LinkMarks::Update() {
  std::vector<Shown> wanted;
  for (const PicturePlace& place : links_.LinkedPlaces()) {
    const QString file = QFileInfo(QString::fromStdString(links_.LinkedFile(place).value_or(""))).fileName();
    for (const PlaceView& view : ViewsOfPlace(panel_, vocabulary_, place))
      wanted.push_back({view.widget, view.area, file});
  }
  if (wanted == shown_) return;
  shown_ = std::move(wanted);
  for (const QPointer<QWidget>& mark : marks_) delete mark.data();
  marks_.clear();
  for (const QPointer<QWidget>& widget : described_)
    if (widget != nullptr) widget->setAccessibleDescription({});
  described_.clear();
  for (const Shown& view : shown_) {
    marks_.emplace_back(new LinkMark(*view.widget, view.area));
    // A toolbar holds many places: its items are named by their own interfaces.
    if (view.area == view.widget->rect()) {
      view.widget->setAccessibleDescription(QString::fromLatin1(kLinkedTo).arg(view.file));
      described_.emplace_back(view.widget);
    }
  }
}

}  // namespace tessary::app
