#include "ui/web/page_places.hpp"

#include <algorithm>

#include "ui/window_layout.hpp"

namespace drobi::web {
namespace {

// The fitted scale times the zoom step. Fitting a window zoom_percent times as large multiplies
// the fitted scale, except where the fit stopped at 100 %: there the step itself is the scale.
WindowScale Zoomed(int width, int height, int zoom_percent) {
  const WindowScale fit = WindowScale::Fitting(width, height, kDefaultDpi);
  if (zoom_percent == 100) return fit;
  if (fit == WindowScale(kDefaultDpi)) return WindowScale(kDefaultDpi, zoom_percent);
  return WindowScale::Fitting(width * zoom_percent / 100, height * zoom_percent / 100, kDefaultDpi);
}

int FormWidth(const WindowScale& scale) { return scale.Pixels(MainWindowLayout().client_width); }

}  // namespace

PagePlaces PlacePage(int width, int height, int bar, int zoom_percent, bool panel) {
  const WindowLayout& window = MainWindowLayout();
  const int room = std::max(0, height - bar);
  const bool beside = panel && FormWidth(WindowScale::Fitting(width / 2, room, kDefaultDpi)) >
                                   FormWidth(WindowScale::Fitting(width, room / 2, kDefaultDpi));
  PagePlaces places;
  places.scale = !panel   ? Zoomed(width, room, zoom_percent)
                 : beside ? Zoomed(width / 2, room, zoom_percent)
                          : Zoomed(width, room / 2, zoom_percent);
  Box& form = places.form;
  form.width = places.scale.Pixels(window.client_width);
  form.height = places.scale.Pixels(window.client_height);
  form.left = beside ? 0 : std::max(0, (width - form.width) / 2);
  form.top = bar + (panel && !beside ? 0 : std::max(0, (room - form.height) / 2));
  if (beside) {
    places.panel = {form.width, bar, std::max(width - form.width, form.width / 2),
                    std::max(room, form.height)};
  } else if (panel) {
    places.panel = {0, bar + form.height, std::max(width, form.width),
                    std::max(room - form.height, form.height / 2)};
  }
  return places;
}

std::pair<Box, Box> SharePanels(const Box& room) {
  Box first = room, second = room;
  if (room.height >= room.width) {
    first.height = room.height * 2 / 5;
    second.top += first.height;
    second.height -= first.height;
  } else {
    first.width = room.width * 2 / 5;
    second.left += first.width;
    second.width -= first.width;
  }
  return {first, second};
}

}  // namespace drobi::web
