// What the chart paints, read back from renderToImage on a widget that is
// never shown, as the clipboard copy and the command-line tool use it.

#include "chart_layout.h"
#include "chart_test_support.h"
#include "tick_label.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

using namespace chart_test;

namespace {

struct Point {
    double x;
    double y;
    Colour colour;
};
using Points = std::vector<Point>;

void resetChart(ChartWidget& chart)
{
    chart.resize(windowSize);
    for (int s = 0; s < series::count; ++s)
        chart.clearSeries(s);
}

void addAll(ChartWidget& chart, int index, const Points& points)
{
    for (const Point& p : points)
        chart.addPoint(index, p.x, p.y, "", p.colour);
}

bool isWhite(const QImage& image, QPointF logical)
{
    return image.pixelColor(imagePixel(image, logical)) == QColor(Qt::white);
}

} // namespace

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(AxisRange)

class ChartRenderTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void imageHasWidgetSizeAndWhiteBackground();
    void segmentTakesColourOfItsEndPoint();
    void equalXMakesVerticalSegmentInInsertionOrder();
    void laterSeriesLieOnTop();
    void responseSceneShowsAllThreeColours();
    void degenerateDataStillDrawsFramedAxes_data();
    void degenerateDataStillDrawsFramedAxes();
    void tickLabelsKeepClearOfEachOther_data();
    void tickLabelsKeepClearOfEachOther();
    void decimalSeparatorReachesTickLabels();
    void titleKeepsTwoLinesAndRendersCyrillic();

private:
    ChartWidget chart_;
};

void ChartRenderTest::init()
{
    resetChart(chart_);
    chart_.setDecimalSeparator(',');
}

void ChartRenderTest::imageHasWidgetSizeAndWhiteBackground()
{
    addResponseScene(chart_);
    const QImage image = chart_.renderToImage();
    QCOMPARE(image.deviceIndependentSize().toSize(), windowSize);
    QCOMPARE(image.size(), windowSize * image.devicePixelRatio());

    // Inside the plot away from lines and grid, and in the margins.
    const QPointF belowCurve = pixelOf(chart_, 8.5, 0.25);
    QVERIFY(isWhite(image, belowCurve));
    QVERIFY(isWhite(image, QPointF(4, windowSize.height() / 2)));
    QVERIFY(isWhite(image, QPointF(windowSize.width() - 4, windowSize.height() / 2)));
}

// Red end point after a green start, then a blue end point: each segment
// shows the colour of its end, and the start's colour shows nowhere.
void ChartRenderTest::segmentTakesColourOfItsEndPoint()
{
    addAll(chart_, series::response, {{0, 0, colours::green}, {5, 1, colours::red}, {10, 0, colours::blue}});
    const QImage image = chart_.renderToImage();

    QVERIFY(hasColourNear(image, pixelOf(chart_, 2.5, 0.5), red));
    QVERIFY(hasColourNear(image, pixelOf(chart_, 7.5, 0.5), blue));
    QCOMPARE(countColour(image, green), 0);
}

void ChartRenderTest::equalXMakesVerticalSegmentInInsertionOrder()
{
    // Added out of order: (5, 0) must come before (5, 1), giving a step
    // 0 -> 0 -> 1 -> 1 rather than a diagonal.
    addAll(chart_, series::response,
           {{0, 0, colours::green}, {10, 1, colours::green}, {5, 0, colours::green}, {5, 1, colours::blue}});
    const QImage image = chart_.renderToImage();

    QVERIFY(hasColourNear(image, pixelOf(chart_, 2.5, 0.0), green));
    QVERIFY(hasColourNear(image, pixelOf(chart_, 5.0, 0.5), blue));
    QVERIFY(hasColourNear(image, pixelOf(chart_, 7.5, 1.0), green));
    QVERIFY(!hasColourNear(image, pixelOf(chart_, 2.5, 0.5), green));
    QVERIFY(!hasColourNear(image, pixelOf(chart_, 7.5, 0.5), green));
}

void ChartRenderTest::laterSeriesLieOnTop()
{
    // Identical lines in all series; the last one drawn wins.
    const Colour colourOf[series::count] = {colours::green, colours::red, colours::green, colours::blue};
    for (int s = 0; s < series::count; ++s)
        addAll(chart_, s, {{0, 0.5, colourOf[s]}, {10, 0.5, colourOf[s]}});
    const QImage image = chart_.renderToImage();

    QVERIFY(hasColourNear(image, pixelOf(chart_, 5.0, 0.5), blue));
    QCOMPARE(countColour(image, green), 0);
    QCOMPARE(countColour(image, red), 0);
}

void ChartRenderTest::responseSceneShowsAllThreeColours()
{
    addResponseScene(chart_);
    const QImage image = chart_.renderToImage();

    QVERIFY(hasColourNear(image, pixelOf(chart_, 5.0, 1.0 - std::exp(-2.5)), green));
    QVERIFY(hasColourNear(image, pixelOf(chart_, 2.0, 1.05), red));
    QVERIFY(hasColourNear(image, pixelOf(chart_, 2.0, 0.95), red));
    QVERIFY(hasColourNear(image, pixelOf(chart_, 6.3, 0.5), blue));
    // Lines of one pixel, long enough to be lines and not specks.
    const double ratio = image.devicePixelRatio();
    QVERIFY(countColour(image, green) > 400 * ratio);
    QVERIFY(countColour(image, red) > 2 * 400 * ratio);
    QVERIFY(countColour(image, blue) > 200 * ratio);
}

void ChartRenderTest::degenerateDataStillDrawsFramedAxes_data()
{
    QTest::addColumn<Points>("points");

    QTest::newRow("no points") << Points{};
    QTest::newRow("single point") << Points{{3, 7, colours::green}};
    QTest::newRow("flat line") << Points{{0, 2, colours::green}, {10, 2, colours::green}};
    QTest::newRow("vertical line") << Points{{4, 0, colours::green}, {4, 1, colours::green}};
    QTest::newRow("tiny values") << Points{{0, 1e-7, colours::green}, {1e-6, 3e-7, colours::green}};
    QTest::newRow("huge values") << Points{{-1e12, 1e9, colours::green}, {1e12, -1e9, colours::green}};
}

void ChartRenderTest::degenerateDataStillDrawsFramedAxes()
{
    QFETCH(Points, points);
    addAll(chart_, series::response, points);

    const ViewRange view = chart_.viewRange();
    for (double end : {view.x.min, view.x.max, view.y.min, view.y.max})
        QVERIFY(std::isfinite(end));
    QVERIFY(view.x.span() > 0 && view.y.span() > 0);

    const QImage image = chart_.renderToImage();
    const QColor black(Qt::black);
    const PlotMapping mapping = chart_.plotMapping();
    QVERIFY(hasColourNear(image, mapping.toPixel(view.x.min, view.y.min), black));
    QVERIFY(hasColourNear(image, mapping.toPixel(view.x.max, view.y.max), black));

    // Some tick label left of the plot: dark pixels in the left margin.
    const int plotLeft = static_cast<int>(mapping.toPixel(view.x.min, 0).x());
    bool labelled = false;
    for (int y = 0; y < windowSize.height() && !labelled; ++y)
        for (int x = 2; x < plotLeft - 6 && !labelled; ++x)
            labelled = image.pixelColor(imagePixel(image, QPointF(x, y))).lightness() < 100;
    QVERIFY(labelled);
}

void ChartRenderTest::tickLabelsKeepClearOfEachOther_data()
{
    QTest::addColumn<AxisRange>("range");

    QTest::newRow("unit") << AxisRange{0, 1};
    QTest::newRow("ten") << AxisRange{0, 10};
    QTest::newRow("around zero") << AxisRange{-2, 2};
    QTest::newRow("tiny") << AxisRange{0, 3e-5};
    QTest::newRow("deep zoom") << AxisRange{0.7768686, 0.776871};
    QTest::newRow("huge") << AxisRange{-1e12, 1e12};
    QTest::newRow("large, not huge") << AxisRange{0, 1234567};
}

// Labels are as dense as they can be without touching: on both axes, with
// the same range, at least three of them and none overlapping its neighbour.
void ChartRenderTest::tickLabelsKeepClearOfEachOther()
{
    QFETCH(AxisRange, range);

    const QFontMetricsF metrics(chart_.font());
    const ChartLayout layout = layoutChart(windowSize, metrics, {range, range}, ChartContent{});
    const PlotMapping mapping = layout.mapping();

    const AxisTicks& x = layout.xTicks;
    QVERIFY(x.count >= 3);
    for (int i = 0; i + 1 < x.count; ++i) {
        const double distance = mapping.toPixel(x.value(i + 1), 0).x() - mapping.toPixel(x.value(i), 0).x();
        const double halfWidths = (metrics.horizontalAdvance(tickLabel(x, i, ',')) +
                                   metrics.horizontalAdvance(tickLabel(x, i + 1, ','))) / 2.0;
        QVERIFY2(distance >= halfWidths + 4.0, qPrintable(tickLabel(x, i, ',')));
    }

    const AxisTicks& y = layout.yTicks;
    QVERIFY(y.count >= 3);
    const double yDistance = mapping.toPixel(0, y.value(0)).y() - mapping.toPixel(0, y.value(1)).y();
    QVERIFY(yDistance >= metrics.height());
}

void ChartRenderTest::decimalSeparatorReachesTickLabels()
{
    addAll(chart_, series::response, {{0, 0, colours::green}, {1, 1, colours::green}});
    const QImage withComma = chart_.renderToImage();
    chart_.setDecimalSeparator('.');
    const QImage withPoint = chart_.renderToImage();
    QVERIFY(withComma != withPoint);
}

void ChartRenderTest::titleKeepsTwoLinesAndRendersCyrillic()
{
    const QString first = QString::fromUtf8(chartTitle);
    QCOMPARE(chart_.titleLines(), (QStringList{first, QString()}));

    chart_.setTitleLine(1, "W(p) = 1 / (p³ + 2p² + 2p + 1)");
    chart_.setTitleLine(2, "ignored");
    chart_.setTitleLine(-1, "ignored");
    QCOMPARE(chart_.titleLines(), (QStringList{first, QString::fromUtf8("W(p) = 1 / (p³ + 2p² + 2p + 1)")}));

    QVERIFY(!QFontInfo(chart_.font()).family().isEmpty());
    QVERIFY(QFontMetrics(chart_.font()).inFontUcs4(U'Х'));

    // Both lines are drawn: ink in the band above the plot.
    const QImage image = chart_.renderToImage();
    const double plotTop = pixelOf(chart_, 0, chart_.viewRange().y.max).y();
    int inked = 0;
    for (int y = 1; y < plotTop - 2; ++y)
        for (int x = 1; x < windowSize.width() - 1; ++x)
            inked += image.pixelColor(imagePixel(image, QPointF(x, y))).lightness() < 128;
    QVERIFY(inked > 200);
}

QTEST_MAIN(ChartRenderTest)
#include "tst_chart_render.moc"
