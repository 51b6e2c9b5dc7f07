#pragma once

#include "chart_sink.h"

class QLabel;

// The settling-time label as the calculation writes it: the label sizes
// itself to the new caption, growing to the right.
class LabelCaption : public LabelSink {
public:
    explicit LabelCaption(QLabel& label) : label_(label) {}
    void setCaption(const std::string& text) override;

private:
    QLabel& label_;
};
