#include "preview/start/StartPreview.h"

#include "preview/TGButton.h"
#include "preview/accessibility/PreviewAccessibility.h"
#include "widgets/start/StartWidgetLibrary.h"

namespace tessary::preview {

void StartPreview() {
  widgets::StartWidgetLibrary();
  InstallPreviewAccessibility();
  InstallTGButtonAccessibility();
}

}  // namespace tessary::preview
