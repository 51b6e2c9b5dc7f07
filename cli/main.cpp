// stepresponse-cli: the window's calculate command on the command line.

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "calculate.h"
#include "calculation_error.h"
#include "chart_picture.h"
#include "cli_options.h"
#include "cli_output.h"

namespace {

void write(FILE* stream, const QByteArray& bytes) { std::fwrite(bytes.constData(), 1, bytes.size(), stream); }

RunRecord run(const CliOptions& options)
{
    RunRecord record;
    record.cells = options.cells;
    try {
        calculate(record.cells, record.chart, record.chart, options.separator, record.progress);
    } catch (const CalculationError& e) {
        record.error = reportedText(e.message());
    }
    return record;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    CliOptions options;
    try {
        options = parseCliOptions(arguments);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "stepresponse-cli: %s\n", e.what());
        return 2;
    }

    const RunRecord record = run(options);
    if (options.pngFile) {
        // The picture needs no display: draw offscreen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        if (!writeChartPicture(record.chart, options.separator, options.pngSize, *options.pngFile)) {
            std::fprintf(stderr, "stepresponse-cli: cannot write %s\n", qPrintable(*options.pngFile));
            return 1;
        }
    }
    switch (options.format) {
    case OutputFormat::text: write(stdout, textOutput(record)); break;
    case OutputFormat::csv: write(stdout, csvOutput(record)); break;
    case OutputFormat::json: write(stdout, jsonOutput(record)); break;
    }
    if (record.error) {
        write(stderr, QByteArray::fromStdString(*record.error + "\n"));
        return 1;
    }
    return 0;
}
