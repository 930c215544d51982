#include "preview/BrowserChromeBottom.h"

#include <QHBoxLayout>
#include <QLabel>

#include "preview/ChromeTables.h"
#include "preview/TFlatGauge.h"
#include "preview/TFlatPanel.h"
#include "skin/Skin.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolWindow.h"

namespace tessary::preview {

using widgets::TTBXToolWindow;

namespace {

constexpr int kTabRowHeight = 26;
constexpr int kStatusHeight = 18;
constexpr int kStatusIconSide = 16;
constexpr int kGaugeProgress = 50;

QString Text(const char* text) { return QString::fromUtf8(text); }

TTBXToolWindow* MakeToolWindow(const char* name, const QString& caption, int clientHeight) {
  auto* window = new TTBXToolWindow;
  window->setObjectName(Text(name));
  window->SetCaption(caption);
  window->SetClientAreaSize(QSize(0, clientHeight));
  window->SetStretch(true);
  return window;
}

// The panel's pictures: 16 x 16, centred, without a picture of their own; each shows its
// hint when the pointer rests on it.
void AddIcons(TFlatPanel& panel, std::span<const StatusIcon> icons) {
  if (icons.empty()) return;
  auto* layout = new QHBoxLayout(&panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const StatusIcon& icon : icons) {
    auto* picture = new QLabel;
    picture->setObjectName(Text(icon.name));
    picture->setFixedSize(kStatusIconSide, kStatusIconSide);
    picture->setToolTip(Text(icon.hint));
    picture->setAccessibleName(Text(icon.hint));
    picture->setVisible(icon.visible);
    layout->addWidget(picture, 0, Qt::AlignCenter);
  }
}

QWidget* MakeElement(const StatusElement& element, Skin& skin, StatusBarParts& parts) {
  QWidget* widget = nullptr;
  switch (element.kind) {
    case StatusKind::Panel: {
      auto* panel = new TFlatPanel;
      panel->SetTransparent(true);
      panel->SetAlignment(element.alignment);
      panel->SetCaption(Text(element.caption));
      panel->setToolTip(Text(element.hint));
      AddIcons(*panel, element.icons);
      if (element.panel != nullptr) parts.*element.panel = panel;
      widget = panel;
      break;
    }
    case StatusKind::Spacer: widget = new QWidget; break;
    case StatusKind::Gauge: {
      auto* gauge = new TFlatGauge;
      gauge->SetTransparent(true);
      gauge->SetColors(0, kFlatFrameColour);
      gauge->SetAdvColorBorder(0);
      gauge->SetBarColor(skin.gaugeColour);
      gauge->SetProgress(kGaugeProgress);
      gauge->setAccessibleName(QStringLiteral("Progress"));
      parts.WBGauge = gauge;
      widget = gauge;
      break;
    }
  }
  widget->setObjectName(Text(element.name));
  if (element.width > 0) {
    widget->setFixedWidth(element.width);
  } else {
    widget->setMinimumWidth(0);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }
  widget->resize(widget->width(), kStatusHeight);
  return widget;
}

}  // namespace

BrowserChromeBottom BuildBrowserChromeBottom(widgets::TTBDock& tbdBottom, Skin& skin) {
  BrowserChromeBottom bottom;
  bottom.tbdBottom = &tbdBottom;
  tbdBottom.SetBoundLines(widgets::blTop | widgets::blBottom | widgets::blLeft | widgets::blRight);
  tbdBottom.SetBackground(&skin.bgBottom);
  // Without a picture the dock shows the theme's own dock face, as the browser's docks do.
  tbdBottom.SetColor(clNone);

  bottom.tbtTabs = MakeToolWindow("tbtTabs", QStringLiteral("Tabs"), kTabRowHeight);
  bottom.tbtTabs->DockTo(&tbdBottom, 1);
  bottom.tbtStatus = MakeToolWindow("tbtStatus", QStringLiteral("Status Bar"), kStatusHeight);
  for (const StatusElement& element : StatusElements()) bottom.tbtStatus->AddChild(MakeElement(element, skin, bottom));
  bottom.tbtStatus->DockTo(&tbdBottom, 2);
  return bottom;
}

std::vector<std::pair<RepaintTarget, QWidget*>> BrowserChromeBottom::RepaintTargets() const {
  return {
      {RepaintTarget::fpStatusText, fpStatusText}, {RepaintTarget::fpConnection, fpConnection},
      {RepaintTarget::fpSecure, fpSecure},         {RepaintTarget::fpStopper, fpStopper},
      {RepaintTarget::WBGauge, WBGauge},
  };
}

}  // namespace tessary::preview
