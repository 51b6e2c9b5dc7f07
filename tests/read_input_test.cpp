// Reading the ten cells: defaults, their order, and where a failure stops.

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "calculation_error.h"
#include "cell_texts.h"

namespace {

using Texts = std::array<std::string, cellCount>;

// Cells that remember the order in which defaults were written.
class LoggingCells : public CellTexts {
public:
    std::vector<Cell> written;
    void setText(Cell cell, const std::string& text) override
    {
        written.push_back(cell);
        CellTexts::setText(cell, text);
    }
};

TEST(ReadInput, UntouchedGridsGetTheirDefaults)
{
    LoggingCells cells;
    const Input input = readInput(cells, ',');
    EXPECT_EQ(cells.texts, (Texts{"1", "0", "0", "1", "0", "0", "0", "0", "0,0005", "10"}));
    EXPECT_EQ(cells.written, (std::vector<Cell>{Cell::a0, Cell::a3, Cell::a1, Cell::a2, Cell::b0, Cell::b1,
                                                Cell::b2, Cell::b3, Cell::dt, Cell::T}));
    EXPECT_EQ(input.coefficients.a0, 1.0f);
    EXPECT_EQ(input.coefficients.a3, 1.0f);
    EXPECT_EQ(input.parameters.dt, 0.0005f);
    EXPECT_EQ(input.parameters.T, 10.0f);
}

TEST(ReadInput, DefaultStepUsesTheCurrentSeparator)
{
    CellTexts cells;
    const Input input = readInput(cells, '.');
    EXPECT_EQ(cells.texts[int(Cell::dt)], "0.0005");
    EXPECT_EQ(input.parameters.dt, 0.0005f);
}

struct StopCase {
    const char* name;
    Texts before;
    Texts after; // the cells when the error is raised
    const char* message;
};

void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }

class ReadInputStops : public testing::TestWithParam<StopCase> {};

TEST_P(ReadInputStops, KeepsTheDefaultsWrittenSoFar)
{
    const StopCase& c = GetParam();
    CellTexts cells;
    cells.texts = c.before;
    try {
        readInput(cells, ',');
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_EQ(e.message(), c.message);
    }
    EXPECT_EQ(cells.texts, c.after);
}

INSTANTIATE_TEST_SUITE_P(Order, ReadInputStops, testing::Values(
    StopCase{"a0",
             {"x", "", "", "", "", "", "", "", "", ""},
             {"x", "", "", "1", "", "", "", "", "", ""},  // a3 already has its 1
             "'x' is not a valid floating point value"},
    StopCase{"a2",
             {"", "", "1,2,3", "", "", "", "", "", "", ""},
             {"1", "0", "1,2,3", "1", "", "", "", "", "", ""},
             "'1,2,3' is not a valid floating point value"},
    StopCase{"b1overflow",
             {"", "", "", "", "", "1E39", "", "", "", ""},
             {"1", "0", "0", "1", "0", "1E39", "", "", "", ""},
             "Floating point overflow"},
    StopCase{"dt",
             {"", "", "", "", "", "", "", "", " ", ""},    // blanks are not empty
             {"1", "0", "0", "1", "0", "0", "0", "0", " ", "10"},  // T is filled before dt is read
             "' ' is not a valid floating point value"},
    StopCase{"T",
             {"", "", "", "", "", "", "", "", "", "1\n"},
             {"1", "0", "0", "1", "0", "0", "0", "0", "0,0005", "1\n"},
             "'1\n' is not a valid floating point value"}),
    [](const testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

TEST(ReadInput, FilledCellsAreNotOverwritten)
{
    CellTexts cells;
    cells.texts = {"2", "3", "4", "5", "6", "7", "8", "9", "0,01", "5"};
    const Texts before = cells.texts;
    const Input input = readInput(cells, ',');
    EXPECT_EQ(cells.texts, before);
    EXPECT_EQ(input.coefficients.b3, 9.0f);
    EXPECT_EQ(input.parameters.dt, 0.01f);
}

} // namespace
