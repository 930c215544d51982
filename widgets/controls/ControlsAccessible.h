#pragma once
// Screen-reader and test-tool access to the control panel's self-painted controls: push
// buttons and radio boxes by their captions (without "&") with Press/Toggle actions that do
// what a click does, the colour button with its colour as value, and the open palette with
// one child per colour cell that a Press action picks.
namespace tessary::widgets {

// Registers the accessibility interfaces of these controls (once; later calls do nothing;
// the library's start does it).
void InstallControlsAccessibility();

}  // namespace tessary::widgets
