#pragma once

namespace drobi {

// The title of the button that closes a view or a dialog, for a window whose window system gives
// it none of its own: the page's panel of the written division and its «Относно».
inline constexpr const char* kCloseTitle = "Затвори";

}  // namespace drobi
