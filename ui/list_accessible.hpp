#pragma once

namespace drobi {

// Makes the window's lists readable to screen readers and other assistive tools: each list is a
// list whose rows are its items, named by their text (or their accessible text where the list
// gives one) and described by their hover text, with the selected row marked. Installed once;
// later calls do nothing.
void InstallListAccessibility();

}  // namespace drobi
