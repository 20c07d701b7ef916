#pragma once

class QWidget;

namespace rc {

// Moves a top-level window to the middle of its screen: left = (screen width - window width) / 2,
// top likewise.
void CentreOnScreen(QWidget* window);

// A length given in twips (1440 to the inch) in the widget's pixels.
int TwipsToPixels(const QWidget* widget, int twips);

} // namespace rc
