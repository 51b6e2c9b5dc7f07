#include "grid_cells.h"

#include "string_grid.h"

namespace {
constexpr int valueColumn = 1;
}

GridCells::GridCells(StringGrid& coefficients, StringGrid& parameters)
    : coefficients_(coefficients)
    , parameters_(parameters)
{
}

GridCells::Place GridCells::place(Cell cell) const
{
    switch (cell) {
    case Cell::dt: return {parameters_, 1};
    case Cell::T: return {parameters_, 2};
    default: return {coefficients_, static_cast<int>(cell) - static_cast<int>(Cell::a0) + 1};
    }
}

std::string GridCells::text(Cell cell) const
{
    const Place p = place(cell);
    return p.grid.cellText(p.row, valueColumn).toStdString();
}

void GridCells::setText(Cell cell, const std::string& text)
{
    const Place p = place(cell);
    p.grid.setCellText(p.row, valueColumn, QString::fromStdString(text));
}
