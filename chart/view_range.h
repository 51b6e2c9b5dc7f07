#pragma once

// A closed interval of one axis, in data units.
struct AxisRange {
    double min = 0.0;
    double max = 1.0;

    double span() const { return max - min; }
    bool operator==(const AxisRange&) const = default;
};

// The part of the data plane the plot shows. Zooming and scrolling replace
// it; auto-scaling derives it from the data.
struct ViewRange {
    AxisRange x;
    AxisRange y;

    bool operator==(const ViewRange&) const = default;
};

// A range of zero width widened around its value, so a single point or a
// flat line still gets an axis to sit on.
AxisRange widenedIfFlat(AxisRange range);

// The range grown by fraction of its span on both sides.
AxisRange padded(AxisRange range, double fraction);

// Whether doubles still tell the range's ends and ticks apart: a zoom deeper
// than this would collapse the axis.
bool isResolvable(const ViewRange& view);
