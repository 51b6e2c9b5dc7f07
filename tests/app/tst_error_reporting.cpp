// Errors that escape the calculate command, reported in the error box by
// the application object: what the box shows, and that the window goes on
// with whatever the command had changed.

#include "app_test_support.h"

#include "chart_widget.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>

using namespace app_test;

class ErrorReportingTest : public FormTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void errorsShowInBoxAndWindowStaysUsable_data();
    void errorsShowInBoxAndWindowStaysUsable();
    void pastedMarkupShowsAsText();
    void boxWithManyPastedLinesStaysOnScreen();
    void cursorIsRestoredAfterError();
};

void ErrorReportingTest::init()
{
    form = shownForm();
}

void ErrorReportingTest::cleanup()
{
    form.reset();
}

void ErrorReportingTest::errorsShowInBoxAndWindowStaysUsable_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("coefficientsAfter");

    // Defaults written before the failing cell stay written.
    QTest::newRow("two separators in a0") << "1.2,3" << "'1,2,3' is not a valid floating point value."
                                          << QStringList{"1,2,3", "", "", "1", "", "", "", ""};
    QTest::newRow("separator ends a2, two in b1")
        << "{Down}{Down}5,{Down}{Down}{Down}1,,"
        << "'1,,' is not a valid floating point value." << QStringList{"1", "0", "5,", "1", "0", "1,,", "", ""};
    QTest::newRow("a0 = 0: invalid operation")
        << "0" << "Invalid floating point operation." << QStringList{"0", "0", "0", "1", "0", "0", "0", "0"};
    QTest::newRow("dt = 0: division by zero") << "{Tab}0" << "Floating point division by zero."
                                              << QStringList{"1", "0", "0", "1", "0", "0", "0", "0"};
}

void ErrorReportingTest::errorsShowInBoxAndWindowStaysUsable()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QStringList, coefficientsAfter);

    form->setDecimalSeparator(',');
    const QStringList titleBefore = chart().titleLines();
    typeKeys(*form, keys);
    MessageBoxWatcher watcher;
    clickButton();
    QTRY_VERIFY(watcher.seen);

    const MessageBoxWatcher::Box& box = *watcher.seen;
    // The title comes from the executable's name: this test's.
    QCOMPARE(box.title, "tst_error_reporting");
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.modality, Qt::ApplicationModal);
    QTRY_VERIFY(!QApplication::activeModalWidget());

    for (int row = 1; row <= 8; ++row)
        QCOMPARE(coefficients().cellText(row, 1), coefficientsAfter[row - 1]);
    if (text.startsWith(u'\'')) {
        // A conversion error comes before anything is drawn.
        QCOMPARE(label().text(), "Время п/п:");
        QCOMPARE(chart().titleLines(), titleBefore);
    }

    // The window goes on: mend the cells and calculate again.
    for (int row = 1; row <= 8; ++row)
        coefficients().setCellText(row, 1, "");
    parameters().setCellText(1, 1, "");
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    clickButton();
    QCOMPARE(label().text(), "Время п/п: 0,0000 сек");
    QVERIFY(!QApplication::activeModalWidget());
}

// A pasted text is quoted in the message; it must not be read as markup.
void ErrorReportingTest::pastedMarkupShowsAsText()
{
    QGuiApplication::clipboard()->setText("<b>1</b>");
    typeKeys(*form, "{F2}{Shift+Ins}");
    MessageBoxWatcher watcher;
    clickButton();
    QTRY_VERIFY(watcher.seen);
    QCOMPARE(watcher.seen->text, "'<b>1</b>' is not a valid floating point value.");
    QCOMPARE(watcher.seen->textFormat, Qt::PlainText);
}

void ErrorReportingTest::boxWithManyPastedLinesStaysOnScreen()
{
    QGuiApplication::clipboard()->setText("1" + QString(300, u'\n'));
    typeKeys(*form, "{F2}{Shift+Ins}");
    MessageBoxWatcher watcher;
    clickButton();
    QTRY_VERIFY(watcher.seen);
    QVERIFY2(watcher.seen->available.contains(watcher.seen->okButton),
             qPrintable(QString("OK at y %1, screen to %2").arg(watcher.seen->okButton.y()).arg(watcher.seen->available.bottom())));
    QVERIFY(watcher.seen->frame.height() <= watcher.seen->available.height());
}

void ErrorReportingTest::cursorIsRestoredAfterError()
{
    form->setDecimalSeparator(',');
    typeKeys(*form, "1,,2");
    MessageBoxWatcher watcher;
    clickButton();
    QTRY_VERIFY(watcher.seen);
    QVERIFY(!QApplication::overrideCursor());
}

STEPRESPONSE_APP_TEST_MAIN(ErrorReportingTest)
#include "tst_error_reporting.moc"
