// The command-line tool run as a process: its options, outputs and exit codes.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
    const QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

CliRun runCli(const QStringList& arguments, const QStringList& environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    for (const QString& assignment : environment)
        env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    process.setProcessEnvironment(env);
    process.start(STEPRESPONSE_CLI, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(Cli, DefaultCalculationAsJson)
{
    const CliRun run = runCli({"--separator", ",", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject o = run.json();
    const QJsonObject cells = o["cells"].toObject();
    const QStringList expected{"1", "0", "0", "1", "0", "0", "0", "0", "0,0005", "10"};
    const QStringList names{"a0", "a1", "a2", "a3", "b0", "b1", "b2", "b3", "dt", "T"};
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(cells[names[i]].toString(), expected[i]) << names[i].toStdString();
    EXPECT_TRUE(o["error"].isNull());
    EXPECT_EQ(o["plot_interval"].toInt(), 19);
    EXPECT_EQ(o["t_end"].toDouble(), 10.00031852722168);
    EXPECT_EQ(o["ts"].toDouble(), 0.0);
    EXPECT_EQ(o["label"].toString(), "Время п/п: 0,0000 сек");
    EXPECT_EQ(o["title"].toArray(), (QJsonArray{"Переходная характеристика:",
                                                "a0=1,0000 a1=0,0000 a2=0,0000 a3=1,0000 Время п/п=0,0000"}));
    const QJsonArray series = o["series"].toArray();
    ASSERT_EQ(series.size(), 4);
    EXPECT_EQ(series[0].toArray().size(), 1052);
    EXPECT_EQ(series[0][0].toArray(), (QJsonArray{0.007000000681728125, 0, "#008000"}));
    EXPECT_EQ(series[1].toArray(), (QJsonArray{QJsonArray{0, 0, "#ff0000"}, QJsonArray{10, 0, "#ff0000"}}));
    EXPECT_EQ(series[3][1].toArray()[2].toString(), "#0000ff");
}

TEST(Cli, FaultKeepsTheJsonAndReportsOnStderr)
{
    const CliRun run = runCli({"--separator", ",", "--format", "json", "--a0", "0", "--b3", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Invalid floating point operation.\n");
    const QJsonObject o = run.json();
    EXPECT_EQ(o["error"].toString(), "Invalid floating point operation.");
    EXPECT_EQ(o["plot_interval"].toInt(), 19);
    EXPECT_EQ(o["upper"].toDouble(), 1.0499999523162842);
    EXPECT_TRUE(o["ts"].isNull());
    EXPECT_TRUE(o["t_end"].isNull());
    EXPECT_EQ(o["label"].toString(), "Время п/п:");
    EXPECT_EQ(o["title"].toArray(), (QJsonArray{"Переходная характеристика:", ""}));
}

TEST(Cli, ConversionErrorQuotesTheCellAsItStands)
{
    // A value may begin with "-" and hold line breaks: it is the cell's text.
    const CliRun run = runCli({"--separator", ",", "--format", "json", "--a1", "-3", "--b2", "-1\n"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject o = run.json();
    EXPECT_EQ(o["error"].toString(), "'-1\n' is not a valid floating point value.");
    EXPECT_EQ(o["cells"]["a1"].toString(), "-3");
    EXPECT_EQ(o["cells"]["b3"].toString(), "");  // not reached
    EXPECT_TRUE(o["plot_interval"].isNull());
    EXPECT_TRUE(o["upper"].isNull());
}

TEST(Cli, TextAndCsvOutputs)
{
    const QStringList lag{"--separator", ",", "--a0", "1", "--a1", "3", "--a2", "3", "--a3", "1", "--b3", "1"};
    const CliRun text = runCli(lag);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(text.out),
              "Время п/п: 6,2952 сек\na0=1,0000 a1=3,0000 a2=3,0000 a3=1,0000 Время п/п=6,2952\n");

    const CliRun csv = runCli(lag + QStringList{"--format", "csv"});
    const CliRun json = runCli(lag + QStringList{"--format", "json"});
    const QList<QByteArray> lines = csv.out.trimmed().split('\n');
    const QJsonArray response = json.json()["series"][0].toArray();
    ASSERT_EQ(lines.size(), response.size() + 1);
    EXPECT_EQ(lines[0], "t,y");
    // The shortest texts read back to exactly the values of the JSON.
    for (int i = 0; i < response.size(); ++i) {
        const QList<QByteArray> fields = lines[i + 1].split(',');
        ASSERT_EQ(fields.size(), 2);
        EXPECT_EQ(fields[0].toDouble(), response[i][0].toDouble());
        EXPECT_EQ(fields[1].toDouble(), response[i][1].toDouble());
    }
    EXPECT_EQ(lines[1], "0.007000000681728125,4.531269581775632e-08");
}

TEST(Cli, SeparatorDefaultsToTheSystems)
{
    const CliRun comma = runCli({"--format", "json"}, {"LC_ALL=ru_RU.UTF-8"});
    EXPECT_EQ(comma.json()["cells"]["dt"].toString(), "0,0005");
    const CliRun stop = runCli({"--format", "json", "--time", "2.5"}, {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(stop.exitCode, 0);
    EXPECT_EQ(stop.json()["cells"]["dt"].toString(), "0.0005");
    EXPECT_EQ(stop.json()["series"][1][1][0].toDouble(), 2.5);
    EXPECT_EQ(stop.json()["label"].toString(), "Время п/п: 0.0000 сек");
}

TEST(Cli, UsageErrorsExitWithTwoAndOneLine)
{
    const QStringList bad[] = {
        {"--format", "xml"},
        {"--separator", ",,"},
        {"--separator", "5"},
        {"--unknown"},
        {"--a0"},
        {"stray"},
        {"--size", "0x10"},
    };
    for (const QStringList& arguments : bad) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(Cli, WritesTheChartAsAPicture)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.png");
    const CliRun run = runCli({"--separator", ",", "--a0", "1", "--a1", "3", "--a2", "3", "--a3", "1", "--b3", "1",
                               "--png", file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(file);
    ASSERT_EQ(image.size(), QSize(673, 425));
    EXPECT_EQ(image.pixelColor(image.width() / 2, 2), QColor(Qt::white));
    int green = 0, red = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            green += c == QColor(0, 0x80, 0);
            red += c == QColor(0xFF, 0, 0);
            blue += c == QColor(0, 0, 0xFF);
        }
    EXPECT_GT(green, 300);
    EXPECT_GT(red, 300);
    EXPECT_GT(blue, 100);

    const CliRun small = runCli({"--png", file, "--size", "320x200"});
    EXPECT_EQ(small.exitCode, 0);
    EXPECT_EQ(QImage(file).size(), QSize(320, 200));

    const CliRun unwritable = runCli({"--png", dir.filePath("missing/chart.png")});
    EXPECT_EQ(unwritable.exitCode, 1);
}

} // namespace
