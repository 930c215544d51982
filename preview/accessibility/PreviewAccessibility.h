#pragma once
// Accessibility of the preview's own painted controls: the status bar's flat panels
// (static text named by their caption, or by their hint where they have none) and the
// progress gauge (a progress bar whose value is its progress) reach screen readers and
// GUI test tools through Qt's accessibility interfaces.

namespace tessary::preview {

// Installs the interface factory once (the preview's start does it).
void InstallPreviewAccessibility();

}  // namespace tessary::preview
