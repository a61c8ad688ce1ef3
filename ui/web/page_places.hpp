#pragma once

#include <utility>

#include "ui/window_scale.hpp"

namespace drobi::web {

// A box of the page in CSS pixels.
struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};

// Where the form's client area and the panel of the written division lie, and the scale of both.
struct PagePlaces {
  WindowScale scale;
  Box form;
  Box panel;  // empty while the panel is closed
};

// The places in a browser window of `width` × `height` CSS pixels whose top `bar` pixels hold the
// menu bar, at the page's zoom step `zoom_percent`.
//
// At 100 % the form is laid out at the largest scale that fits the room below the bar, never
// below 100 %, as the page always did; a zoom step multiplies that fitted scale, and the page
// scrolls to what no longer fits. With the panel open, the form is fitted to leave the panel room
// beside it (half the width) or below it (half the height), whichever lets the form be larger:
// beside it on a wide window, below on a narrow or tall one. The panel takes the rest of the
// window, and never less than half the form's size.
PagePlaces PlacePage(int width, int height, int bar, int zoom_percent, bool panel);

// The panel's room shared by the exercises (first) and the written division (second), both open:
// cut across its longer side, so that beside the form the exercises lie above the division and
// below the form to its left; the exercises take two fifths, as their lines are few and short and
// the division's are many.
std::pair<Box, Box> SharePanels(const Box& room);

}  // namespace drobi::web
