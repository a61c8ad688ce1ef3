#pragma once

// What the page's C++ asks of the browser's document: the functions of dom_library.js, which
// Emscripten links in. Texts cross as UTF-8; a control is named by its place in the layout table,
// which is also its place in the document and in the tab order.

extern "C" {

// The page's title and the document's name as a screen reader speaks it, language already set in
// index.html; the form's back colour and font list.
void drobi_dom_open(const char* title, const char* spoken_title, const char* back_colour,
                    const char* font_family);
// One control of the layout, in tab order: kind as ControlKind, the name for the tests'
// data-name, caption, hover, the hover as a screen reader speaks it (the control's description)
// and the screen-reader name as the layout table gives them (nullptr for none), its back colour
// as CSS (empty for the platform's), whether Tab stops at it.
void drobi_dom_add(int control, int kind, const char* name, const char* caption, const char* hover,
                   const char* spoken_hover, const char* accessible_name, const char* back_colour,
                   int takes_focus);
// Gives the control the keyboard focus.
void drobi_dom_focus(int control);
// Has a screen reader say `text` once, after what it reads of the focused control; "" for
// nothing. What was said is taken back when the control loses the focus.
void drobi_dom_say(const char* text);
// The form's client area and a control's box within it, in CSS pixels, and its font's size.
void drobi_dom_place_form(int left, int top, int width, int height);
void drobi_dom_place(int control, int left, int top, int width, int height, int font_pixels);
// The browser window's inner size in CSS pixels, the same whether the page scrolls or not.
int drobi_dom_view_width();
int drobi_dom_view_height();

// A list's rows, each ended by "\n", replacing what it showed; its selected row (-1 for none).
void drobi_dom_set_rows(int control, const char* rows);
void drobi_dom_select(int control, int row);
// Scrolls the list so that its selected row is in its box, as the window keeps it.
void drobi_dom_reveal_selection(int control);
// drobi_page_frame() is called before the next frame is drawn, once however often this is asked.
void drobi_dom_request_frame();
// What a row shows beside its text: hover text, what a screen reader says (empty: its text) and
// gives as its description (its note in words; empty for none), and the marks of the long
// number: the tint as CSS (empty for none) and a line above the row.
void drobi_dom_row_look(int control, int row, const char* hover, const char* spoken,
                        const char* note, const char* tint, int line_above);
// The rows a list shows in its box, scrolled as it is: the first times 65536 plus the last.
int drobi_dom_rows_in_view(int control);
// A text field's text; the field keeps its caret when the text is what it shows already.
void drobi_dom_set_text(int control, const char* text);

// The error box: its texts, and the page taking no more input until it is started again.
void drobi_dom_show_error(const char* message, const char* ending);

// The first table is in the document: a performance mark "drobi-table" for the page's timings.
void drobi_dom_started();

// The browser's language's number style: decimal separator, group separator, minus sign and group
// size, each ended by "\n", in memory the caller frees.
char* drobi_dom_number_style();

}  // extern "C"
