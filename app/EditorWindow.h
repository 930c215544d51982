#pragma once
// The editor window: owns the skin and (in later steps) the preview and control panel.
#include <QMainWindow>

#include "skin/Skin.h"

namespace tessary::app {

class EditorWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit EditorWindow(QWidget* parent = nullptr);

  Skin& skin() { return skin_; }

 private:
  Skin skin_;
};

}  // namespace tessary::app
