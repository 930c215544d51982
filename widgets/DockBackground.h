#pragma once
// Painting a dock background (TTBBackground) onto docks, docked bars and transparent child
// widgets. Tiles are aligned to the client origin of the dock's parent, so the picture runs
// on without a seam from the dock into its bars, their borders and their children.
#include <QPixmap>
#include <QPoint>
#include <QRect>

class QPainter;
class QWidget;

namespace tessary {
class TTBBackground;
}

namespace tessary::widgets {

// The paint cache: a pixmap of the background's PaintPixels(), rebuilt only when the
// background's Generation() changes. One per background (looked up by address).
const QPixmap& BackgroundPixmap(const TTBBackground& background);

// Paints the background into `area` (painter coordinates) with tile origin `origin`,
// using one tiled fill of the cached pixmap (a 1x1 or 8x8 picture included).
void PaintBackground(QPainter& painter, const TTBBackground& background, const QRect& area, QPoint origin);

// Tile origin for `target` painted as part of `dock`: the client origin of the dock's
// parent expressed in target's coordinates.
QPoint BackgroundOrigin(const QWidget* target, const QWidget* dock);

// For a transparent child widget (label, status panel) of a bar docked on `dock`: paints
// the dock background under the child so the picture runs on. Does nothing when the dock
// has no background picture or shows none on its bars.
void PaintBackgroundUnder(QPainter& painter, QWidget* child);

}  // namespace tessary::widgets
