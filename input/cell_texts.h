#pragma once

#include <array>
#include <string>

#include "value_cells.h"

// The ten value cells as plain texts, for the command-line tool and the tests.
class CellTexts : public ValueCells {
public:
    std::array<std::string, cellCount> texts;

    std::string text(Cell cell) const override { return texts[static_cast<int>(cell)]; }
    void setText(Cell cell, const std::string& text) override { texts[static_cast<int>(cell)] = text; }
};
