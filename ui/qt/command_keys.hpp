#pragma once

#include <QKeySequence>
#include <QList>

#include "ui/lesson/menu_commands.hpp"

namespace drobi {

// The keys that choose a command in a window: the command table's shortcut first, which a menu
// shows, and for the zoom steps the keys that reach them besides: Ctrl+= (plus without Shift)
// and the platform's own zoom keys. The keypad's plus and minus need none of their own, as Qt
// tries a keypad key also as the same key off the keypad.
QList<QKeySequence> CommandKeys(CommandId id);

// The zoom step a zoom command takes: +1 larger, -1 smaller, 0 back to 100 %.
int ZoomDirection(CommandId id);

}  // namespace drobi
