#pragma once

struct KeyboardBuffer;
class TextBox;

// The keyboard editors of an open text field, one per input mode. Each takes this frame's key
// presses: the arrows move the caret, typed characters replace the selection or go in at the
// caret (never past the field's maximum length), Backspace and Delete erase. Number fields take
// only the main-row digits, and minus turns the number's sign; a decimal field holds at most
// one point, which moves to where it is typed. The caret and selection geometry is recomputed.
void EditTextProperty(const KeyboardBuffer& keyboard, TextBox& field);
void EditIntegerProperty(const KeyboardBuffer& keyboard, TextBox& field);
void EditDecimalProperty(const KeyboardBuffer& keyboard, TextBox& field);
// The editor of the field's mode; none for a mode without one.
void EditOpenField(const KeyboardBuffer& keyboard, TextBox& field);

// Backspace and Delete, the last two steps of every editor: a selection is erased, else the
// character before (Backspace) or at (Delete) the caret.
void EraseBeforeCaret(const KeyboardBuffer& keyboard, TextBox& field);
void EraseAtCaret(const KeyboardBuffer& keyboard, TextBox& field);
