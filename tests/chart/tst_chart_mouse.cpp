// Zooming and scrolling with real mouse events on the widget, and the
// context menu's way past a right drag.

#include "chart_test_support.h"

#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>

using namespace chart_test;

namespace {

bool near(const AxisRange& actual, const AxisRange& expected)
{
    const double tolerance = 1e-9 * std::max(std::abs(expected.min), std::abs(expected.max)) + 1e-12;
    return std::abs(actual.min - expected.min) <= tolerance && std::abs(actual.max - expected.max) <= tolerance;
}

bool near(const ViewRange& actual, const ViewRange& expected)
{
    return near(actual.x, expected.x) && near(actual.y, expected.y);
}

QString describe(const ViewRange& v)
{
    return QStringLiteral("x %1..%2, y %3..%4").arg(v.x.min).arg(v.x.max).arg(v.y.min).arg(v.y.max);
}

// Counts the menus the chart lets through, whichever way the main window
// asks for them: its own contextMenuEvent as the chart's parent, or the
// chart's customContextMenuRequested.
class MenuOwner : public QWidget {
public:
    int menus = 0;

protected:
    void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
};

enum class MenuDelivery { onPress, onRelease };

} // namespace

Q_DECLARE_METATYPE(MenuDelivery)
Q_DECLARE_METATYPE(Qt::ContextMenuPolicy)

class ChartMouseTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void rightwardDragZoomsIntoRectangle_data();
    void rightwardDragZoomsIntoRectangle();
    void rubberBandShowsOnlyWhileDragging();
    void tinyDragDoesNothing_data();
    void tinyDragDoesNothing();
    void leftwardDragUndoesZoomAndScroll();
    void rightDragScrollsDataWithPointer_data();
    void rightDragScrollsDataWithPointer();
    void clearingSeriesReturnsToAutoScale();
    void zoomedSeriesStayInsidePlot();
    void deepZoomStopsWhereValuesBlur();
    void contextMenuOnlyWithoutScroll_data();
    void contextMenuOnlyWithoutScroll();
    void rightClickThroughWindowOpensMenuOnlyWithoutScroll_data();
    void rightClickThroughWindowOpensMenuOnlyWithoutScroll();

private:
    void zoom(QPoint from, QPoint to) { drag(*chart_, Qt::LeftButton, from, to); }

    MenuOwner owner_;
    ChartWidget* chart_ = nullptr;
};

void ChartMouseTest::init()
{
    delete chart_;
    chart_ = new ChartWidget(&owner_);
    chart_->resize(windowSize);
    addResponseScene(*chart_);
    owner_.menus = 0;
}

void ChartMouseTest::rightwardDragZoomsIntoRectangle_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("down and right") << QPoint(200, 100) << QPoint(400, 300);
    QTest::newRow("up and right") << QPoint(200, 300) << QPoint(400, 100);
    QTest::newRow("beyond the plot") << QPoint(10, 5) << QPoint(660, 420);
}

void ChartMouseTest::rightwardDragZoomsIntoRectangle()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);

    const PlotMapping before = chart_->plotMapping();
    const QPointF a = before.toData(from);
    const QPointF b = before.toData(to);
    const ViewRange expected{{a.x(), b.x()}, {std::min(a.y(), b.y()), std::max(a.y(), b.y())}};

    zoom(from, to);
    QVERIFY2(near(chart_->viewRange(), expected), qPrintable(describe(chart_->viewRange())));
}

void ChartMouseTest::rubberBandShowsOnlyWhileDragging()
{
    // Vertical edges of the band over the white area below the curve.
    const QPoint from = pixelOf(*chart_, 8.2, 0.25).toPoint();
    const QPoint to = pixelOf(*chart_, 9.0, 0.1).toPoint();
    const auto bandEdgeInk = [&](const QImage& image) {
        int ink = 0;
        for (int y = from.y() + 2; y < to.y() - 2; ++y)
            ink += image.pixelColor(imagePixel(image, QPointF(from.x(), y))).lightness() < 128;
        return ink;
    };

    sendMouse(*chart_, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    sendMouse(*chart_, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, to);
    QVERIFY(bandEdgeInk(chart_->grab().toImage()) > 3);
    QCOMPARE(bandEdgeInk(chart_->renderToImage()), 0);

    sendMouse(*chart_, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
    // The zoomed plot is white where the band's edge was, save for grid.
    QVERIFY(bandEdgeInk(chart_->grab().toImage()) < 3);
}

void ChartMouseTest::tinyDragDoesNothing_data()
{
    QTest::addColumn<QPoint>("delta");

    QTest::newRow("click") << QPoint(0, 0);
    QTest::newRow("narrow") << QPoint(2, 80);
    QTest::newRow("flat") << QPoint(80, 2);
    QTest::newRow("flat upwards") << QPoint(80, -2);
    QTest::newRow("slightly left") << QPoint(-2, 80);
}

void ChartMouseTest::tinyDragDoesNothing()
{
    QFETCH(QPoint, delta);

    const QPoint from(250, 150);
    zoom(from, from + QPoint(100, 100));
    const ViewRange zoomed = chart_->viewRange();

    zoom(from, from + delta);
    QCOMPARE(chart_->viewRange(), zoomed);
}

void ChartMouseTest::leftwardDragUndoesZoomAndScroll()
{
    const ViewRange autoScaled = chart_->viewRange();
    zoom({200, 100}, {400, 300});
    drag(*chart_, Qt::RightButton, {300, 200}, {340, 170});
    QVERIFY(chart_->viewRange() != autoScaled);

    // Leftwards and up, as well as flat: the direction that counts is x.
    zoom({400, 300}, {300, 200});
    QCOMPARE(chart_->viewRange(), autoScaled);
    drag(*chart_, Qt::RightButton, {300, 200}, {340, 170});
    zoom({400, 200}, {390, 200});
    QCOMPARE(chart_->viewRange(), autoScaled);
}

void ChartMouseTest::rightDragScrollsDataWithPointer_data()
{
    QTest::addColumn<QPoint>("delta");

    QTest::newRow("right") << QPoint(60, 0);
    QTest::newRow("up and left") << QPoint(-45, -30);
    QTest::newRow("just past a click") << QPoint(3, 0);
}

// The point of the data under the press ends up under the release.
void ChartMouseTest::rightDragScrollsDataWithPointer()
{
    QFETCH(QPoint, delta);

    const QPoint from(300, 200);
    const QPointF grabbed = chart_->plotMapping().toData(from);
    const ViewRange before = chart_->viewRange();

    drag(*chart_, Qt::RightButton, from, from + delta);
    const QPointF released = chart_->plotMapping().toData(from + delta);
    QVERIFY(std::abs(released.x() - grabbed.x()) < 1e-9);
    QVERIFY(std::abs(released.y() - grabbed.y()) < 1e-9);
    // Scrolling keeps the scale.
    QVERIFY(std::abs(chart_->viewRange().x.span() - before.x.span()) < 1e-9);
    QVERIFY(std::abs(chart_->viewRange().y.span() - before.y.span()) < 1e-9);
}

void ChartMouseTest::clearingSeriesReturnsToAutoScale()
{
    const ViewRange autoScaled = chart_->viewRange();
    zoom({200, 100}, {400, 300});
    drag(*chart_, Qt::RightButton, {300, 200}, {250, 260});

    // A new calculation clears all four series first, then adds points.
    addResponseScene(*chart_);
    QCOMPARE(chart_->viewRange(), autoScaled);

    zoom({200, 100}, {400, 300});
    chart_->clearSeries(series::marker);
    QCOMPARE(chart_->viewRange().x, (AxisRange{0, 10}));
}

void ChartMouseTest::zoomedSeriesStayInsidePlot()
{
    zoom(pixelOf(*chart_, 5.0, 1.0).toPoint(), pixelOf(*chart_, 7.0, 0.8).toPoint());
    const QImage image = chart_->renderToImage();
    const PlotMapping mapping = chart_->plotMapping();
    const ViewRange view = chart_->viewRange();
    const QRectF plot = QRectF(mapping.toPixel(view.x.min, view.y.max), mapping.toPixel(view.x.max, view.y.min));

    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c != green && c != red && c != blue)
                continue;
            const QPointF logical = QPointF(x, y) / image.devicePixelRatio();
            ++(plot.adjusted(-1, -1, 1, 1).contains(logical) ? inside : outside);
        }
    QVERIFY(inside > 100);
    QCOMPARE(outside, 0);
}

// Zooming again and again into a few pixels must stop before the axis
// collapses, and the chart must still paint a sane view.
void ChartMouseTest::deepZoomStopsWhereValuesBlur()
{
    ViewRange previous = chart_->viewRange();
    int refused = 0;
    for (int i = 0; i < 40; ++i) {
        zoom({300, 200}, {305, 205});
        const ViewRange view = chart_->viewRange();
        QVERIFY(view.x.span() > 0 && view.y.span() > 0);
        QVERIFY(std::isfinite(view.x.span()) && std::isfinite(view.y.span()));
        refused += view == previous;
        previous = view;
    }
    QVERIFY(refused > 0);
    QVERIFY(!chart_->renderToImage().isNull());
}

void ChartMouseTest::contextMenuOnlyWithoutScroll_data()
{
    QTest::addColumn<Qt::ContextMenuPolicy>("policy");
    QTest::addColumn<MenuDelivery>("delivery");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("menus");

    const auto parent = Qt::DefaultContextMenu;
    const auto custom = Qt::CustomContextMenu;
    const auto press = MenuDelivery::onPress;
    const auto release = MenuDelivery::onRelease;
    QTest::newRow("parent, on press, click") << parent << press << QPoint(0, 0) << 1;
    QTest::newRow("parent, on press, jitter") << parent << press << QPoint(1, 1) << 1;
    QTest::newRow("parent, on press, scroll") << parent << press << QPoint(40, 10) << 0;
    QTest::newRow("parent, on release, click") << parent << release << QPoint(0, 0) << 1;
    QTest::newRow("parent, on release, scroll") << parent << release << QPoint(40, 10) << 0;
    QTest::newRow("custom, on press, click") << custom << press << QPoint(0, 0) << 1;
    QTest::newRow("custom, on press, scroll") << custom << press << QPoint(-40, 0) << 0;
    QTest::newRow("custom, on release, click") << custom << release << QPoint(0, 0) << 1;
    QTest::newRow("custom, on release, scroll") << custom << release << QPoint(0, 40) << 0;
}

// Qt asks for the menu right after the press or the release, depending on
// the platform; both are played here as Qt would.
void ChartMouseTest::contextMenuOnlyWithoutScroll()
{
    QFETCH(Qt::ContextMenuPolicy, policy);
    QFETCH(MenuDelivery, delivery);
    QFETCH(QPoint, delta);
    QFETCH(int, menus);

    chart_->setContextMenuPolicy(policy);
    QSignalSpy customRequests(chart_, &QWidget::customContextMenuRequested);
    const QPoint from(300, 200);
    const QPoint to = from + delta;
    const auto askForMenu = [&](QPoint at) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, chart_->mapToGlobal(at));
        QApplication::sendEvent(chart_, &menu);
    };

    sendMouse(*chart_, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, from);
    if (delivery == MenuDelivery::onPress)
        askForMenu(from);
    sendMouse(*chart_, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, to);
    sendMouse(*chart_, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, to);
    if (delivery == MenuDelivery::onRelease)
        askForMenu(to);
    QCOMPARE(owner_.menus + customRequests.count(), menus);

    // A menu from the keyboard is never the chart's to hold back.
    QContextMenuEvent keyboardMenu(QContextMenuEvent::Keyboard, from, chart_->mapToGlobal(from));
    QApplication::sendEvent(chart_, &keyboardMenu);
    QCOMPARE(owner_.menus + customRequests.count(), menus + 1);
}

void ChartMouseTest::rightClickThroughWindowOpensMenuOnlyWithoutScroll_data()
{
    QTest::addColumn<int>("moveBy");
    QTest::addColumn<int>("menus");

    QTest::newRow("click") << 0 << 1;
    QTest::newRow("scroll") << 50 << 0;
}

// The same through a shown window, where Qt itself turns the right button
// into a context menu request.
void ChartMouseTest::rightClickThroughWindowOpensMenuOnlyWithoutScroll()
{
    QFETCH(int, moveBy);
    QFETCH(int, menus);

    owner_.resize(windowSize + QSize(20, 20));
    chart_->move(10, 10);
    owner_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner_));
    QWindow* window = owner_.windowHandle();
    const ViewRange before = chart_->viewRange();

    const QPoint from = chart_->mapTo(&owner_, QPoint(300, 200));
    const QPoint to = from + QPoint(moveBy, 0);
    QTest::mousePress(window, Qt::RightButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::RightButton, {}, to);

    QCOMPARE(owner_.menus, menus);
    QCOMPARE(chart_->viewRange() != before, moveBy != 0);
    owner_.hide();
}

QTEST_MAIN(ChartMouseTest)
#include "tst_chart_mouse.moc"
