#!/usr/bin/python3
"""The page's timings and size, in headless Chromium (scripts/build-web.sh first).

bench/web_bench.py [PAGE_FOLDER, default build-web/ui/web/page] [loads, default 30]

Prints the medians and whether the page meets its targets:
  load   navigation to the first table in the document ("drobi-table"), warm: <= 100 ms;
  click  a row of the numerators at 90 digits, the page's whole path: the handler with the rows
         as the change event takes it, and the marks of the rows in view before the next frame:
         <= 1 ms; and from the event to the end of the page's part of the next frame: <= 16.7 ms;
  panel  the written division opened at 90 digits (a fraction it did not show before), the
         handler with every line written: <= 1 ms, and to the next frame: <= 16.7 ms; the clicks
         above again with the panel open; the zoom from 250 to 300 % with the panel open, the
         handler and the page laid out anew: <= 16.7 ms;
  size   drobi.wasm <= 100 KB, gzip -9 <= 50 KB.
Exits with 1 when a target is missed.
"""
import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'tests', 'web'))
from chromium_bridge import open_page, session  # noqa: E402

# After warming up, clicks on rows 0..15 in turn: the page's own time for each (its change handler
# and its part of the next frame), and the time to that frame.
CLICKS = '''var done = arguments[0], list = document.querySelector('[data-name="Spis(0)"]');
var digits = document.querySelector('[data-name="Spis(5)"]');
digits.selectedIndex = 8;
digits.dispatchEvent(new Event('change'));
var handled = [], framed = [], row = 0, frame = Module._drobi_page_frame, spent = 0;
Module._drobi_page_frame = function () {
  var start = performance.now();
  frame();
  spent += performance.now() - start;
};
// Warm: the browser compiles the hot functions of the module again, optimised, as they are used.
for (var warm = 0; warm < 400; ++warm) {
  list.selectedIndex = warm % 16;
  list.dispatchEvent(new Event('change'));
}
function click() {
  if (row === 64) return done([handled, framed]);
  var start = performance.now();
  list.selectedIndex = ++row % 16;
  list.dispatchEvent(new Event('change'));
  var event = performance.now() - start;
  spent = 0;
  requestAnimationFrame(function () {
    handled.push(event + spent);
    framed.push(performance.now() - start);
    setTimeout(click, 0);
  });
}
click();'''


# The panel opened for each of the rows in turn (chosen while it is closed, so that opening it
# writes every line), and the zoom from 250 to 300 % with it open, the layout forced at once.
PANEL = '''var done = arguments[0], list = document.querySelector('[data-name="Spis(0)"]');
var opened = [], framed = [], zoomed = [], row = 0, panel = document.getElementById('division');
function open() {
  if (row === 32) return zoom();
  Module._drobi_page_close_division();
  list.selectedIndex = ++row % 16;
  list.dispatchEvent(new Event('change'));
  var start = performance.now();
  Module._drobi_page_command(0);
  opened.push(performance.now() - start);
  requestAnimationFrame(function () {
    framed.push(performance.now() - start);
    setTimeout(open, 0);
  });
}
function zoom() {
  for (var i = 0; i < 20; ++i) {
    Module._drobi_page_command(3);
    for (var step = 0; step < 5; ++step) Module._drobi_page_command(1);  // 250 %
    panel.getBoundingClientRect();
    var start = performance.now();
    Module._drobi_page_command(1);
    panel.lastChild.lastChild.getBoundingClientRect();
    zoomed.push(performance.now() - start);
  }
  Module._drobi_page_command(3);
  done([opened, framed, zoomed]);
}
open();'''


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else 'build-web/ui/web/page'
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    with session(folder, 'bg') as (browser, address):
        times = []
        for _ in range(loads + 1):  # the first load fills the caches
            open_page(browser, address)
            times.append(browser.execute_script(
                "return performance.getEntriesByName('drobi-table')[0].startTime;"))
        handled, framed = browser.execute_async_script(CLICKS)
        opened, shown, zoomed = browser.execute_async_script(PANEL)
        handled_open, framed_open = browser.execute_async_script(CLICKS)
    wasm = open(os.path.join(folder, 'drobi.wasm'), 'rb').read()
    results = [('load to the first table, ms', statistics.median(times[1:]), 100),
               ('click at 90 digits, handler and marks, ms', statistics.median(handled), 1),
               ('click at 90 digits, to the next frame, ms', statistics.median(framed), 16.7),
               ('panel opened at 90 digits, handler, ms', statistics.median(opened), 1),
               ('panel opened at 90 digits, to the next frame, ms', statistics.median(shown),
                16.7),
               ('click with the panel open, handler and marks, ms',
                statistics.median(handled_open), 1),
               ('click with the panel open, to the next frame, ms',
                statistics.median(framed_open), 16.7),
               ('zoom to 300 % with the panel open, with layout, ms', statistics.median(zoomed),
                16.7),
               ('drobi.wasm, KB', len(wasm) / 1024, 100),
               ('drobi.wasm gzip -9, KB', len(gzip.compress(wasm, 9)) / 1024, 50)]
    for name, value, target in results:
        print('%-52s %8.3f  (target <= %s)%s' % (name, value, target,
                                                  '' if value <= target else '  MISSED'))
    return 0 if all(value <= target for _, value, target in results) else 1


if __name__ == '__main__':
    sys.exit(main())
