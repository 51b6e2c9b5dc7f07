#pragma once

#include "value_cells.h"

class StringGrid;

// The ten value cells in column 1 of the window's two grids: the
// coefficients a0 … b3 in rows 1 to 8 of the first, dt and T in rows 1 and 2
// of the second.
class GridCells : public ValueCells {
public:
    GridCells(StringGrid& coefficients, StringGrid& parameters);

    std::string text(Cell cell) const override;
    void setText(Cell cell, const std::string& text) override;

private:
    struct Place {
        StringGrid& grid;
        int row;
    };
    Place place(Cell cell) const;

    StringGrid& coefficients_;
    StringGrid& parameters_;
};
