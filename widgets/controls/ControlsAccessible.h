#pragma once
// Screen-reader and test-tool access to the control panel's self-painted controls: push
// buttons and radio boxes by their captions (without "&") with Press/Toggle actions that do
// what a click does.

namespace tessary::widgets {

// Registers the accessibility interfaces of these controls (once; later calls do nothing).
void InstallControlsAccessibility();

}  // namespace tessary::widgets
