#include <string>

#include "number_conversion.h"
#include "value_cells.h"

namespace {

void writeDefaultIfEmpty(ValueCells& cells, Cell cell, const std::string& text)
{
    if (cells.text(cell).empty())
        cells.setText(cell, text);
}

float convert(const ValueCells& cells, Cell cell, char separator)
{
    return convertCellText(cells.text(cell), separator);
}

} // namespace

const char* cellName(Cell cell)
{
    static const char* const names[cellCount] = {"a0", "a1", "a2", "a3", "b0", "b1", "b2", "b3", "dt", "T"};
    return names[static_cast<int>(cell)];
}

Input readInput(ValueCells& cells, char separator)
{
    Input input;
    Coefficients& c = input.coefficients;

    // a0 and a3 get their default 1 first, so the zero defaults below skip them.
    writeDefaultIfEmpty(cells, Cell::a0, "1");
    writeDefaultIfEmpty(cells, Cell::a3, "1");

    const Cell coefficientCells[] = {Cell::a0, Cell::a1, Cell::a2, Cell::a3,
                                     Cell::b0, Cell::b1, Cell::b2, Cell::b3};
    float* const coefficientValues[] = {&c.a0, &c.a1, &c.a2, &c.a3, &c.b0, &c.b1, &c.b2, &c.b3};
    for (int i = 0; i < 8; ++i) {
        writeDefaultIfEmpty(cells, coefficientCells[i], "0");
        *coefficientValues[i] = convert(cells, coefficientCells[i], separator);
    }

    // Written with the current separator, so untouched grids compute under
    // every regional setting.
    writeDefaultIfEmpty(cells, Cell::dt, std::string("0") + separator + "0005");
    writeDefaultIfEmpty(cells, Cell::T, "10");
    input.parameters.dt = convert(cells, Cell::dt, separator);
    input.parameters.T = convert(cells, Cell::T, separator);
    return input;
}
