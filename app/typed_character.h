#pragma once

#include <optional>

class QKeyEvent;

inline constexpr char32_t backspaceCode = 8;

// The character a key press types, as the grids' key filter sees it:
// Backspace, Enter and Escape as their control codes, Ctrl with a letter as
// that letter's control code (Ctrl+C is 3), otherwise the printable
// character of the key's text. Keys that type nothing (arrows, Delete, F2,
// Shift+Insert, other Ctrl combinations) give none and stay the editor's.
std::optional<char32_t> typedCharacter(const QKeyEvent& event);
