#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <stdexcept>

#include "cell_texts.h"

enum class OutputFormat { text, json, csv };

struct CliOptions {
    CellTexts cells;
    char separator = '.';
    OutputFormat format = OutputFormat::text;
    std::optional<QString> pngFile;
    QSize pngSize{673, 425}; // the window's chart
};

// A command line that cannot be run; the message is one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the arguments (program name first). The separator defaults to the
// system's, as the window reads it. Throws UsageError.
CliOptions parseCliOptions(const QStringList& arguments);
