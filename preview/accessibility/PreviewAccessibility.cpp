#include "preview/accessibility/PreviewAccessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include "preview/TFlatGauge.h"
#include "preview/TFlatPanel.h"

namespace tessary::preview {

namespace {

class AccessibleFlatPanel : public QAccessibleWidget {
 public:
  explicit AccessibleFlatPanel(TFlatPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* panel = static_cast<const TFlatPanel*>(widget());
    const QString caption = panel->Caption().trimmed();
    switch (t) {
      case QAccessible::Name: return caption.isEmpty() ? panel->toolTip() : caption;
      case QAccessible::Description: return panel->toolTip();
      default: return QAccessibleWidget::text(t);
    }
  }
};

class AccessibleFlatGauge : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleFlatGauge(TFlatGauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) {
      const TFlatGauge::Look look = Gauge()->CurrentLook();
      return look.showText ? look.text : QStringLiteral("0 %");
    }
    return QAccessibleWidget::text(t);
  }

  QVariant currentValue() const override { return Gauge()->Progress(); }
  // The gauge shows progress; nobody sets it through an assistive tool.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return Gauge()->MaxValue(); }
  QVariant minimumValue() const override { return Gauge()->MinValue(); }
  QVariant minimumStepSize() const override { return 1; }

 private:
  TFlatGauge* Gauge() const { return static_cast<TFlatGauge*>(widget()); }
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
  if (auto* panel = qobject_cast<TFlatPanel*>(object)) return new AccessibleFlatPanel(panel);
  if (auto* gauge = qobject_cast<TFlatGauge*>(object)) return new AccessibleFlatGauge(gauge);
  return nullptr;
}

}  // namespace

void InstallPreviewAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(CreateInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace tessary::preview
