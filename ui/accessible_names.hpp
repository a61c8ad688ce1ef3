#pragma once

#include <QWidget>

namespace drobi {

// Gives every list and text field of the window the name a screen reader announces, taken from
// the caption above it, and its hover text as the description. Controls are found by their
// object names ("Spis(0)", "Dylgo", "Text1(0)", ...); the window must have made them already.
void NameControlsForAccessibility(QWidget& window);

}  // namespace drobi
