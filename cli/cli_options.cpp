#include "cli_options.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>

#include "decimal_separator.h"

namespace {

char parseSeparator(const QString& text)
{
    // The separator must not be something a number can hold otherwise.
    static const QString taken = QStringLiteral("0123456789+-Ee ");
    if (text.size() != 1 || text[0].unicode() >= 0x80 || taken.contains(text[0]))
        throw UsageError("--separator takes one character that is not a digit, sign, exponent letter or space");
    return text[0].toLatin1();
}

OutputFormat parseFormat(const QString& text)
{
    if (text == "text")
        return OutputFormat::text;
    if (text == "json")
        return OutputFormat::json;
    if (text == "csv")
        return OutputFormat::csv;
    throw UsageError("--format takes text, json or csv");
}

QSize parseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([1-9][0-9]{0,3})x([1-9][0-9]{0,3})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        throw UsageError("--size takes WIDTHxHEIGHT in pixels, each 1 to 9999");
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

// The option of a cell: its name, but --time for T.
QString optionName(Cell cell)
{
    return cell == Cell::T ? QStringLiteral("time") : QString(cellName(cell));
}

} // namespace

CliOptions parseCliOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Step response of (b0·p³+b1·p²+b2·p+b3)/(a0·p³+a1·p²+a2·p+a3).");
    for (int i = 0; i < cellCount; ++i) {
        const auto cell = static_cast<Cell>(i);
        parser.addOption({optionName(cell), QStringLiteral("Text of the %1 cell (empty: its default).").arg(cellName(cell)),
                          "TEXT"});
    }
    parser.addOption({"separator", "Decimal separator (default: the system's).", "C"});
    parser.addOption({"format", "Output: text, json or csv (default text).", "FORMAT", "text"});
    parser.addOption({"png", "Also write the chart as a PNG picture.", "FILE"});
    parser.addOption({"size", "Size of the PNG picture (default 673x425).", "WxH", "673x425"});

    if (!parser.parse(arguments))
        throw UsageError(parser.errorText().toStdString());
    if (!parser.positionalArguments().isEmpty())
        throw UsageError("unexpected argument: " + parser.positionalArguments().first().toStdString());

    CliOptions options;
    for (int i = 0; i < cellCount; ++i)
        options.cells.texts[i] = parser.value(optionName(static_cast<Cell>(i))).toStdString();
    options.separator = parser.isSet("separator")
        ? parseSeparator(parser.value("separator"))
        : decimalSeparatorFrom(QLocale::system().decimalPoint().toStdString());
    options.format = parseFormat(parser.value("format"));
    if (parser.isSet("png"))
        options.pngFile = parser.value("png");
    options.pngSize = parseSize(parser.value("size"));
    return options;
}
