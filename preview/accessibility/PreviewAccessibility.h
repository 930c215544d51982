#pragma once
// Accessibility of the preview's own painted controls: the status bar's flat panels
// (static text named by their caption, or by their hint where they have none) and the
// progress gauge (a progress bar whose value is its progress) reach screen readers and
// GUI test tools through Qt's accessibility interfaces.

class QWidget;

namespace tessary::preview {

// Installs the interface factory once (the controls' constructors call it).
void InstallPreviewAccessibility();

// Tells assistive tools that a control's name or value changed.
void NotifyAccessibleNameChanged(QWidget* control);
void NotifyAccessibleValueChanged(QWidget* control, int value);

}  // namespace tessary::preview
