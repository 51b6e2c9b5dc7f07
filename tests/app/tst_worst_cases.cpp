// What a user can throw at the window: a megabyte pasted into a cell, odd
// characters, and a long series of calculations that fail and succeed in
// turn. The window must report, keep its state and go on working.

#include "app_test_support.h"

#include "calculate.h"
#include "cell_texts.h"
#include "chart_widget.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>

using namespace app_test;

class WorstCasesTest : public FormTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pastedMegabyteIsQuotedCutAndWindowGoesOn();
    void oddPastedTextsAreRejectedAndChangeNothingElse_data();
    void oddPastedTextsAreRejectedAndChangeNothingElse();
    void hundredCalculationsLeaveExactlyTheLastRunsPoints();

private:
    // Pastes over the text of coefficient a0 through its editor, as a user
    // can: a click on the current cell puts the focus in the grid, Up keys
    // reach a0 (closing any editor), and a discarded character opens it with
    // its text selected.
    void pasteIntoA0(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        click(*form, cellCentre(*form, coefficients(), currentRow(coefficients()), 1));
        while (currentRow(coefficients()) > 1)
            typeKeys(*form, "{Up}");
        typeKeys(*form, "-{Shift+Ins}");
    }

    // Presses the button and answers the error box; returns its text.
    QString calculateExpectingError()
    {
        MessageBoxWatcher watcher;
        clickButton();
        if (!QTest::qWaitFor([&] { return watcher.seen.has_value(); }, 5000))
            return {};
        if (!QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }))
            return {};
        if (!QTest::qWaitForWindowActive(form.get()))
            return {};
        return watcher.seen->text;
    }

};

void WorstCasesTest::init()
{
    form = shownForm();
    form->setDecimalSeparator(',');
}

void WorstCasesTest::cleanup()
{
    form.reset();
}

void WorstCasesTest::pastedMegabyteIsQuotedCutAndWindowGoesOn()
{
    const QString megabyte(1 << 20, u'7');
    pasteIntoA0(megabyte + "x");
    QCOMPARE(coefficients().cellText(1, 1).size(), megabyte.size() + 1);

    QCOMPARE(calculateExpectingError(), "'" + QString(100, u'7') + "…' is not a valid floating point value.");

    pasteIntoA0("1");
    clickButton();
    QCOMPARE(label().text(), "Время п/п: 0,0000 сек");
}

void WorstCasesTest::oddPastedTextsAreRejectedAndChangeNothingElse_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("NUL") << QString::fromUtf16(u"1\u00002", 3);
    QTest::newRow("tab") << "\t1";
    QTest::newRow("line breaks") << "1\n2\n";
    QTest::newRow("Cyrillic") << "один";
    QTest::newRow("emoji") << "1😀";
}

void WorstCasesTest::oddPastedTextsAreRejectedAndChangeNothingElse()
{
    QFETCH(QString, text);
    typeKeys(*form, "{Down}{Down}{Down}1{Down}{Down}{Down}{Down}1");  // a3 = 1, b3 = 1
    clickButton();
    const QImage before = chart().renderToImage();
    const QString labelBefore = label().text();

    pasteIntoA0(text);
    QCOMPARE(coefficients().cellText(1, 1), text);
    QCOMPARE(calculateExpectingError(), "'" + text + "' is not a valid floating point value.");

    QCOMPARE(coefficients().cellText(1, 1), text);
    for (int row = 2; row <= 8; ++row)
        QCOMPARE(coefficients().cellText(row, 1), row == 4 || row == 8 ? "1" : "0");
    QCOMPARE(label().text(), labelBefore);
    QCOMPARE(chart().renderToImage(), before);
}

void WorstCasesTest::hundredCalculationsLeaveExactlyTheLastRunsPoints()
{
    for (int run = 0; run < 100; ++run) {
        const bool failing = run % 2 == 0;
        coefficients().setCellText(1, 1, failing ? "0" : QString::number(run % 7 + 1));
        coefficients().setCellText(8, 1, "1");
        if (failing) {
            QCOMPARE(calculateExpectingError(), "Invalid floating point operation.");
        } else {
            clickButton();
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    // The last run had a0 = 99 % 7 + 1 = 2: draw it afresh and compare.
    CellTexts cells;
    cells.setText(Cell::a0, "2");
    cells.setText(Cell::b3, "1");
    ChartWidget expected;
    expected.resize(chart().size());
    struct : LabelSink {
        std::string caption;
        void setCaption(const std::string& text) override { caption = text; }
    } expectedLabel;
    calculate(cells, expected, expectedLabel, ',');
    QCOMPARE(chart().renderToImage(), expected.renderToImage());
    QCOMPARE(label().text(), QString::fromStdString(expectedLabel.caption));
}

STEPRESPONSE_APP_TEST_MAIN(WorstCasesTest)
#include "tst_worst_cases.moc"
