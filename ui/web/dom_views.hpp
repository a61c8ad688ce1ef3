#pragma once

// What the page's menu bar, the panel of the written division and «Относно» ask of the browser's
// document: more functions of dom_library.js (see dom.hpp). Titles cross split around their
// access key, so that the document underlines that letter without reading the '&' itself.

extern "C" {

// A menu of the bar, left to right from 0: its title before the access key, the key, the rest.
void drobi_dom_add_menu(int menu, const char* before, const char* key, const char* after);
// An entry of menu `menu` that chooses `command` (a CommandId): its title split likewise, its
// shortcut as the menu shows it ("" for none), the shortcut's key (0 for none) and what a screen
// reader says for it ("" for the title).
void drobi_dom_add_command(int menu, int command, const char* before, const char* key,
                           const char* after, const char* shortcut, int shortcut_key,
                           const char* spoken);
// Whether choosing the entry, or pressing its shortcut, does anything now.
void drobi_dom_enable_command(int command, int enabled);
// The bar's height in CSS pixels, which the form and the panel lie below.
int drobi_dom_bar_height();

// The panel of the written division, made closed: its title, its close button's title, the font
// list of its lines, and the list that opens it with Enter or a double click (or tap), choosing
// `command`.
void drobi_dom_make_division(const char* title, const char* close, const char* font_family,
                             int opener, int command);
// Shows the panel, moving the focus into it, or hides it, giving the focus back.
void drobi_dom_show_division(int open);
void drobi_dom_place_division(int left, int top, int width, int height, int font_pixels);
// Line `line` as its runs, each a look and a text ended by "\x1f": the look is "" for plain text,
// or the tint as "#rrggbb" followed by "u" for an underline and "b" for bold type.
void drobi_dom_division_line(int line, const char* runs);
// The panel keeps its first `lines` lines; `joined` is what Ctrl+C copies with nothing selected.
void drobi_dom_division_end(int lines, const char* joined);

// «Относно»: the dialog's title, its lines each ended by "\n", and its close button's title.
void drobi_dom_show_about(const char* title, const char* lines, const char* close);

// «Въведете дроб»: opens the dialog with an empty field, its texts given; Enter or «Добре» hands
// what was typed to drobi_page_enter_fraction, Escape or «Отказ» closes it and changes nothing.
void drobi_dom_show_fraction_entry(const char* title, const char* field_name, const char* hint,
                                   const char* accept, const char* cancel);
// The answer to what was typed: "" closes the dialog, else the message it shows (and a screen
// reader says), the field keeping the text as typed.
void drobi_dom_fraction_message(const char* message);

// The panel «Упражнения», made closed: its title, its close button's title, the kinds' titles and
// the buttons' titles (in the order of ExerciseAction, "" where an action has no button), each
// split as before "\x1f" key "\x1f" after "\x1f", and the answer field's name. Its buttons, the
// field's Enter and the keys hand an ExerciseAction to drobi_page_exercise.
void drobi_dom_make_exercises(const char* title, const char* close, const char* kinds,
                              const char* buttons, const char* answer_name);
// Shows the panel, moving the focus into it, or hides it, giving the focus back.
void drobi_dom_show_exercises(int open);
void drobi_dom_place_exercises(int left, int top, int width, int height, int font_pixels);
// What the panel shows now, each text with its spoken form: the chosen kind (its place in
// kTaskKinds), the question, whether it takes a typed answer (else the two answer buttons),
// whether it has its verdict, the verdict ("" for none), the count; `fresh` empties the field.
void drobi_dom_exercise_state(int kind, const char* question, const char* spoken_question,
                              int typed, int answered, const char* verdict,
                              const char* spoken_verdict, const char* count,
                              const char* spoken_count, int fresh);

// «Работен лист»: opens the modal dialog, made on the first call: its title, the titles of the
// variants' field, the digits' field, the divisions' check box and the print button, each split as
// before "\x1f" key "\x1f" after "\x1f", the close button's title, and the values it shows.
// «Печат…» or Enter hands what the fields hold to drobi_page_print_sheet; Escape or «Затвори»
// closes it.
void drobi_dom_show_sheet(const char* title, const char* parts, const char* close, int variants,
                          int digits, int divisions);
// The message for field `field` (0 the variants, 1 the digits), shown below the fields and said
// by a screen reader, the focus on that field with its text selected; -1 and "" for none.
void drobi_dom_sheet_message(int field, const char* message);
// The sheet to print, replacing the last one: pages of `width` by `height` points, the fonts of
// PageFont's roles as CSS font lists; then each page, and its runs and rules in points, a run's
// y its baseline. Only the print style sheet shows them.
void drobi_dom_sheet_begin(double width, double height, const char* serif, const char* fixed);
void drobi_dom_sheet_page();
void drobi_dom_sheet_run(double x, double y, const char* text, int fixed, double size, int bold);
void drobi_dom_sheet_rule(double x1, double y1, double x2, double y2, double width);
// The browser's print dialog for the sheet.
void drobi_dom_print_sheet();

}  // extern "C"
