// The main window as a whole, with real keys and clicks: its layout, the
// calculate button, the chart's context menu and the clipboard copy, the
// separator and where the window opens.

#include "app_test_support.h"

#include "chart_widget.h"
#include "window_placement.h"

#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

using namespace app_test;

namespace {

// Notes the override cursor whenever the label changes size, which it does
// only inside the calculation.
class CursorDuringLabelResize : public QObject {
public:
    std::optional<Qt::CursorShape> shape;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            shape = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        return false;
    }
};

bool hasPixelOfColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

int darkPixels(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += qGray(image.pixel(x, y)) < 96;
    return count;
}

} // namespace

class MainWindowTest : public FormTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsHaveTheirPlaceAndCaption_data();
    void controlsHaveTheirPlaceAndCaption();
    void gridsHaveTheirRowsAndFixedTexts();
    void gridsDrawTheirTexts();
    void formUsesThirteenPixelSansSerif();
    void focusStartsInCoefficientGridAndTabVisitsGridsAndButton();
    void windowOpensAtStoredPlaceFittedToScreen();
    void nothingMovesWhenWindowIsResized();

    void buttonOnUntouchedGridsWritesDefaultsAndShowsResults();
    void thirdOrderLagShowsSettlingTime();
    void enterAndSpacePressFocusedButton_data();
    void enterAndSpacePressFocusedButton();
    void cursorIsBusyDuringCalculation();

    void rightClickOnChartOpensMenuAtPointer();
    void copyPutsChartPictureOnClipboard();
    void copyOfZoomedChartShowsItAsOnScreen();

    void typingUsesSystemSeparator();
    void localeChangeRereadsSeparator();

private:
    void rightClickChartAt(QPoint chartPos) { click(*form, chart().mapTo(form.get(), chartPos), Qt::RightButton); }
};

void MainWindowTest::init()
{
    form = shownForm();
}

void MainWindowTest::cleanup()
{
    form.reset();
}

void MainWindowTest::controlsHaveTheirPlaceAndCaption_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("sizedToText");
    QTest::newRow("Label1") << "Label1" << QRect(688, 320, 67, 16) << "Время п/п:" << true;
    QTest::newRow("Chart") << "Chart" << QRect(8, 8, 673, 425) << "" << false;
    QTest::newRow("StaticText1") << "StaticText1" << QRect(688, 8, 167, 20) << "Введите коэффициенты:" << true;
    QTest::newRow("StringGrid1") << "StringGrid1" << QRect(688, 32, 177, 120) << "" << false;
    QTest::newRow("StaticText2") << "StaticText2" << QRect(688, 160, 139, 20) << "Введите параметры:" << true;
    QTest::newRow("StringGrid2") << "StringGrid2" << QRect(688, 184, 177, 120) << "" << false;
    QTest::newRow("Button1") << "Button1" << QRect(688, 408, 161, 25) << "Выполнить расчет" << false;
}

void MainWindowTest::controlsHaveTheirPlaceAndCaption()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, sizedToText);

    QWidget& widget = control<QWidget>(*form, qPrintable(name));
    QVERIFY(widget.isVisible());
    if (sizedToText) {
        auto& text = static_cast<QLabel&>(widget);
        QCOMPARE(text.text(), caption);
        QCOMPARE(text.pos(), geometry.topLeft());
        QCOMPARE(text.size(), text.sizeHint());
    } else {
        QCOMPARE(widget.geometry(), geometry);
    }
    if (auto* pushButton = qobject_cast<QPushButton*>(&widget))
        QCOMPARE(pushButton->text(), caption);
    QCOMPARE(form->windowTitle(), "Переходная характеристика");
}

void MainWindowTest::gridsHaveTheirRowsAndFixedTexts()
{
    struct Expected {
        StringGrid* grid;
        QStringList names;
        QList<int> columnWidths;
        bool verticalScrollBar;
    };
    const Expected grids[] = {
        {&coefficients(), {"a0", "a1", "a2", "a3", "b0", "b1", "b2", "b3"}, {59, 90}, true},
        {&parameters(), {"Шаг", "Время"}, {61, 80}, false},
    };
    for (const Expected& e : grids) {
        StringGrid& grid = *e.grid;
        QCOMPARE(grid.columnCount(), 2);
        QCOMPARE(grid.horizontalHeaderItem(0)->text(), "Имя");
        QCOMPARE(grid.horizontalHeaderItem(1)->text(), "Значение");
        QCOMPARE(grid.horizontalHeader()->height(), 24);
        QCOMPARE(grid.rowCount() + 1, e.names.size() + 1);
        for (int row = 1; row <= e.names.size(); ++row) {
            QCOMPARE(grid.cellText(row, 0), e.names[row - 1]);
            QCOMPARE(grid.cellText(row, 1), "");
            QCOMPARE(grid.rowHeight(row - 1), 24);
            const Qt::ItemFlags nameFlags = grid.model()->index(row - 1, 0).flags();
            QVERIFY(!(nameFlags & (Qt::ItemIsEditable | Qt::ItemIsSelectable)));
            QVERIFY(grid.model()->index(row - 1, 1).flags() & Qt::ItemIsEditable);
        }
        QCOMPARE(grid.columnWidth(0), e.columnWidths[0]);
        QCOMPARE(grid.columnWidth(1), e.columnWidths[1]);
        QCOMPARE(grid.verticalScrollBar()->isVisible(), e.verticalScrollBar);
        QVERIFY(!grid.horizontalScrollBar()->isVisible());
        QVERIFY(grid.showGrid());
        QCOMPARE(grid.currentRow() + 1, 1);
        QCOMPARE(grid.currentColumn(), 1);
    }
}

void MainWindowTest::gridsDrawTheirTexts()
{
    StringGrid& grid = coefficients();
    grid.setCellText(2, 1, "88");
    const QImage image = grid.viewport()->grab().toImage();
    // Inside the grid lines.
    const auto cell = [&grid](int row, int column) {
        return grid.visualRect(grid.model()->index(row - 1, column)).adjusted(2, 2, -2, -2);
    };
    QVERIFY(darkPixels(image, cell(2, 1)) > 0);
    QCOMPARE(darkPixels(image, cell(3, 1)), 0);
    // Names in the usual text colour, not greyed out.
    QVERIFY(darkPixels(image, cell(3, 0)) > 0);
}

void MainWindowTest::formUsesThirteenPixelSansSerif()
{
    for (const char* name : {"Label1", "StaticText1", "StringGrid1", "Button1"}) {
        const QFont font = control<QWidget>(*form, name).font();
        QCOMPARE(font.pixelSize(), 13);
        // Without any font installed every glyph is an empty box.
        QVERIFY2(!QFontInfo(font).family().isEmpty(), name);
    }
}

void MainWindowTest::focusStartsInCoefficientGridAndTabVisitsGridsAndButton()
{
    QCOMPARE(QApplication::focusWidget(), &coefficients());
    typeKeys(*form, "{Tab}");
    QCOMPARE(QApplication::focusWidget(), &parameters());
    typeKeys(*form, "{Tab}");
    QCOMPARE(QApplication::focusWidget(), &button());
    typeKeys(*form, "{Tab}");
    QCOMPARE(QApplication::focusWidget(), &coefficients());
    typeKeys(*form, "{BackTab}");
    QCOMPARE(QApplication::focusWidget(), &button());
}

void MainWindowTest::windowOpensAtStoredPlaceFittedToScreen()
{
    const QRect stored(155, 362, 892, 490);
    const QRect available = form->screen()->availableGeometry();
    const QRect frame = form->frameGeometry();
    QCOMPARE(frame.size(), stored.size());
    if (available.contains(stored))
        QCOMPARE(frame, stored);
    else
        QCOMPARE(frame, fittedWindowRect(stored, available));
}

void MainWindowTest::nothingMovesWhenWindowIsResized()
{
    const QRect buttonBefore = button().geometry();
    const QRect chartBefore = chart().geometry();
    form->resize(500, 300);
    QCOMPARE(form->size(), QSize(500, 300));
    form->resize(1200, 700);
    QCOMPARE(button().geometry(), buttonBefore);
    QCOMPARE(chart().geometry(), chartBefore);
}

void MainWindowTest::buttonOnUntouchedGridsWritesDefaultsAndShowsResults()
{
    form->setDecimalSeparator(',');
    clickButton();

    const QStringList coefficientTexts{"1", "0", "0", "1", "0", "0", "0", "0"};
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(coefficients().cellText(row, 1), coefficientTexts[row - 1]);
    QCOMPARE(parameters().cellText(1, 1), "0,0005");
    QCOMPARE(parameters().cellText(2, 1), "10");
    QCOMPARE(label().text(), "Время п/п: 0,0000 сек");
    QCOMPARE(label().size(), label().sizeHint());
    QCOMPARE(chart().titleLines(),
             QStringList({"Переходная характеристика:", "a0=1,0000 a1=0,0000 a2=0,0000 a3=1,0000 Время п/п=0,0000"}));
    // A zero response: everything lies on y = 0 from t = 0 to T = 10.
    const ViewRange view = chart().viewRange();
    QVERIFY(view.x.min <= 0 && view.x.max >= 10);
}

void MainWindowTest::thirdOrderLagShowsSettlingTime()
{
    form->setDecimalSeparator(',');
    typeKeys(*form, "{Down}3{Down}3{Down}{Down}{Down}{Down}{Down}1");
    clickButton();

    QCOMPARE(label().text(), "Время п/п: 6,2952 сек");
    QCOMPARE(label().pos(), QPoint(688, 320));
    QCOMPARE(label().size(), label().sizeHint());
    QCOMPARE(chart().titleLines()[1], "a0=1,0000 a1=3,0000 a2=3,0000 a3=1,0000 Время п/п=6,2952");
    // The four series as drawn: the response green, the band red, the
    // marker blue.
    const QImage picture = chart().renderToImage();
    QVERIFY(hasPixelOfColour(picture, qRgb(0, 128, 0)));
    QVERIFY(hasPixelOfColour(picture, qRgb(255, 0, 0)));
    QVERIFY(hasPixelOfColour(picture, qRgb(0, 0, 255)));
    const ViewRange view = chart().viewRange();
    QVERIFY(view.y.max >= 1.05 && view.y.min <= 0);
}

void MainWindowTest::enterAndSpacePressFocusedButton_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("Enter") << "{Enter}";
    QTest::newRow("Space") << "{Space}";
}

void MainWindowTest::enterAndSpacePressFocusedButton()
{
    QFETCH(QString, key);
    form->setDecimalSeparator(',');
    typeKeys(*form, "{Tab}{Tab}");
    QCOMPARE(QApplication::focusWidget(), &button());
    typeKeys(*form, key);
    QCOMPARE(label().text(), "Время п/п: 0,0000 сек");
}

void MainWindowTest::cursorIsBusyDuringCalculation()
{
    CursorDuringLabelResize watcher;
    label().installEventFilter(&watcher);
    clickButton();
    QCOMPARE(watcher.shape, Qt::WaitCursor);
    QVERIFY(!QApplication::overrideCursor());
}

void MainWindowTest::rightClickOnChartOpensMenuAtPointer()
{
    auto& menu = control<QMenu>(*form, "PopupMenu");
    const QPoint pointer(300, 200);
    rightClickChartAt(pointer);
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), chart().mapToGlobal(pointer));
    QCOMPARE(menu.actions().size(), 1);
    QCOMPARE(menu.actions().first()->objectName(), "N1");
    QCOMPARE(menu.actions().first()->text(), "Скопировать в буфер обмена");
    menu.close();

    // Elsewhere in the window there is no menu.
    click(*form, centreOf(*form, label()), Qt::RightButton);
    click(*form, centreOf(*form, control<QLabel>(*form, "StaticText1")), Qt::RightButton);
    QVERIFY(!menu.isVisible());
}

void MainWindowTest::copyPutsChartPictureOnClipboard()
{
    QGuiApplication::clipboard()->clear();
    auto& menu = control<QMenu>(*form, "PopupMenu");
    rightClickChartAt(QPoint(100, 100));
    QTRY_VERIFY(menu.isVisible());
    QAction* n1 = menu.actions().first();
    QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(n1).center());
    QTRY_VERIFY(!menu.isVisible());

    // Before any calculation: the empty chart with its title.
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), chart().size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), chart().grab().toImage().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(copied.pixel(copied.width() / 2, copied.height() / 2) & 0xFFFFFF, 0xFFFFFFu);
}

void MainWindowTest::copyOfZoomedChartShowsItAsOnScreen()
{
    typeKeys(*form, "{Down}3{Down}3{Down}{Down}{Down}{Down}{Down}1");
    clickButton();
    const ViewRange full = chart().viewRange();

    QWindow* window = form->windowHandle();
    const QPoint from = chart().mapTo(form.get(), QPoint(200, 100));
    const QPoint to = chart().mapTo(form.get(), QPoint(400, 300));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
    QVERIFY(!(chart().viewRange() == full));

    auto& menu = control<QMenu>(*form, "PopupMenu");
    rightClickChartAt(QPoint(300, 250));
    QTRY_VERIFY(menu.isVisible());
    QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(menu.actions().first()).center());

    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied, chart().grab().toImage().convertToFormat(QImage::Format_RGB32));
    QVERIFY(!(chart().viewRange() == full));
}

// Runs under the C locale (".") and again under a Russian one (",").
void MainWindowTest::typingUsesSystemSeparator()
{
    const QString system = QLocale::system().decimalPoint();
    QVERIFY2(system == "." || system == ",", qPrintable(system));
    QCOMPARE(QString(QChar(form->decimalSeparator())), system);

    typeKeys(*form, "1.5{Down}2,5{Down}{Down}{Down}{Down}{Down}{Down}1");
    QCOMPARE(coefficients().cellText(1, 1), "1" + system + "5");
    QCOMPARE(coefficients().cellText(2, 1), "2" + system + "5");
    clickButton();
    QCOMPARE(parameters().cellText(1, 1), "0" + system + "0005");
    QVERIFY2(label().text().startsWith("Время п/п: ") && label().text().contains(system), qPrintable(label().text()));
}

void MainWindowTest::localeChangeRereadsSeparator()
{
    const char system = form->decimalSeparator();
    const char other = system == ',' ? '.' : ',';
    form->setDecimalSeparator(other);
    typeKeys(*form, "1.");
    QCOMPARE(coefficients().cellText(1, 1), QString("1") + other);

    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(form->decimalSeparator(), system);
    typeKeys(*form, "5,");
    QCOMPARE(coefficients().cellText(1, 1), QString("1") + other + "5" + system);
}

STEPRESPONSE_APP_TEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
