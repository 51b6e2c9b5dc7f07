#pragma once

#include <string>

#include "input_values.h"

// The ten value cells of the two grids, in grid order.
enum class Cell { a0, a1, a2, a3, b0, b1, b2, b3, dt, T };
inline constexpr int cellCount = 10;

// What the calculation needs of the grids: the text of a value cell, and a way
// to write a default into it. Texts are UTF-8.
class ValueCells {
public:
    virtual ~ValueCells() = default;
    virtual std::string text(Cell cell) const = 0;
    virtual void setText(Cell cell, const std::string& text) = 0;
};

// Writes the defaults into empty cells and converts all ten texts, in the
// order that decides which defaults are already written when a cell fails.
// Throws CalculationError.
Input readInput(ValueCells& cells, char separator);

// The cell's short name: "a0" … "b3", "dt", "T".
const char* cellName(Cell cell);
