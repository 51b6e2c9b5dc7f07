// Typing, pasting and clicking in the grids, with real keys and clicks on
// the shown window: the key filter in front of every typed character, the
// editor's states, moving between cells and leaving the grid.

#include "app_test_support.h"

#include "chart_widget.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace app_test;

class GridEditingTest : public FormTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedKeys_data();
    void typedKeys();
    void parameterGridHasTheSameFilter();
    void upAndDownMoveRowsAndCloseEditor();
    void tabLeavesGridClosingEditor();
    void clickOnCurrentCellOpensEditorWithTextSelected();
    void clickOnAnotherValueCellMovesThereAndClosesEditor();
    void doubleClickOnAnotherValueCellOpensIt();
    void clickOnFixedCellChangesNothing_data();
    void clickOnFixedCellChangesNothing();
    void columnsCannotBeResizedWithMouse();
    void pasteFromEditorMenuBypassesFilter();
};

void GridEditingTest::init()
{
    form = shownForm();
    QGuiApplication::clipboard()->clear();
}

void GridEditingTest::cleanup()
{
    form.reset();
}

void GridEditingTest::typedKeys_data()
{
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<bool>("editorOpen");
    QTest::addColumn<QString>("selectedText");
    QTest::addColumn<QString>("clipboardAfter");

    // Each row types into a0 of the coefficient grid, which starts current,
    // holding oldText, with its editor closed.
    QTest::newRow("digit replaces the selected old text") << ',' << "7" << "" << "5" << "5" << true << "" << "";
    QTest::newRow("digits") << ',' << "" << "" << "125" << "125" << true << "" << "";
    QTest::newRow("full stop types the separator") << ',' << "" << "" << "1.5" << "1,5" << true << "" << "";
    QTest::newRow("comma types the separator") << ',' << "" << "" << "0,25" << "0,25" << true << "" << "";
    QTest::newRow("comma under a full-stop setting") << '.' << "" << "" << "0,25" << "0.25" << true << "" << "";
    QTest::newRow("full stop under a full-stop setting") << '.' << "" << "" << "2.5" << "2.5" << true << "" << "";
    QTest::newRow("several separators are not prevented") << ',' << "" << "" << "1,2.3" << "1,2,3" << true << "" << "";
    QTest::newRow("minus opens the editor, old text stays selected") << ',' << "7" << "" << "-" << "7" << true << "7" << "";
    QTest::newRow("plus discarded") << ',' << "7" << "" << "+" << "7" << true << "7" << "";
    QTest::newRow("exponent letter discarded") << ',' << "7" << "" << "e" << "7" << true << "7" << "";
    QTest::newRow("Cyrillic letter discarded") << ',' << "7" << "" << "ж" << "7" << true << "7" << "";
    QTest::newRow("blank discarded") << ',' << "7" << "" << "{Space}" << "7" << true << "7" << "";
    QTest::newRow("discarded characters amid digits") << ',' << "" << "" << "1a-2 e3" << "123" << true << "" << "";
    QTest::newRow("backspace on a closed cell empties it") << ',' << "75" << "" << "{Back}" << "" << true << "" << "";
    QTest::newRow("Enter on a closed cell opens nothing") << ',' << "7" << "" << "{Enter}" << "7" << false << "" << "";
    QTest::newRow("Escape on a closed cell opens nothing") << ',' << "7" << "" << "{Esc}" << "7" << false << "" << "";
    QTest::newRow("Delete on a closed cell does nothing") << ',' << "7" << "" << "{Del}" << "7" << false << "" << "";
    QTest::newRow("Enter leaves the editor open") << ',' << "" << "" << "12{Enter}3" << "123" << true << "" << "";
    QTest::newRow("Escape keeps the typed text") << ',' << "7" << "" << "12{Esc}" << "12" << true << "" << "";
    QTest::newRow("F2 opens with the caret at the end") << ',' << "7" << "" << "{F2}5" << "75" << true << "" << "";
    QTest::newRow("backspace in the editor") << ',' << "75" << "" << "{F2}{Back}" << "7" << true << "" << "";
    QTest::newRow("left and Delete act inside the editor") << ',' << "123" << "" << "{F2}{Left}{Left}{Del}" << "13" << true << "" << "";
    QTest::newRow("Ctrl+C copies nothing") << ',' << "7" << "" << "-{Ctrl+C}" << "7" << true << "7" << "";
    QTest::newRow("Ctrl+C on a closed cell copies nothing") << ',' << "7" << "" << "{Ctrl+C}" << "7" << false << "" << "";
    QTest::newRow("Ctrl+V pastes nothing") << ',' << "7" << "99" << "{F2}{Ctrl+V}" << "7" << true << "" << "99";
    QTest::newRow("Ctrl+X cuts nothing") << ',' << "7" << "" << "-{Ctrl+X}" << "7" << true << "7" << "";
    QTest::newRow("Ctrl+Z undoes nothing") << ',' << "" << "" << "12{Ctrl+Z}" << "12" << true << "" << "";
    QTest::newRow("Ctrl+A is discarded") << ',' << "7" << "" << "{F2}{Ctrl+A}" << "7" << true << "" << "";
    QTest::newRow("Shift+Insert pastes past the filter, line breaks included")
        << ',' << "7" << "-1e2\n 3" << "{F2}{Shift+Ins}" << "7-1e2\n 3" << true << "" << "-1e2\n 3";
    QTest::newRow("Shift+Insert replaces the selected text") << ',' << "7" << "-1" << "-{Shift+Ins}" << "-1" << true << "" << "-1";
    QTest::newRow("Ctrl+Insert copies the selection") << ',' << "75" << "" << "-{Ctrl+Ins}" << "75" << true << "75" << "75";
    QTest::newRow("Shift+Delete cuts the selection") << ',' << "75" << "" << "-{Shift+Del}" << "" << true << "" << "75";
}

void GridEditingTest::typedKeys()
{
    QFETCH(char, separator);
    QFETCH(QString, oldText);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, keys);
    QFETCH(QString, cellText);
    QFETCH(bool, editorOpen);
    QFETCH(QString, selectedText);
    QFETCH(QString, clipboardAfter);

    form->setDecimalSeparator(separator);
    coefficients().setCellText(1, 1, oldText);
    if (!clipboardBefore.isEmpty())
        QGuiApplication::clipboard()->setText(clipboardBefore);

    typeKeys(*form, keys);

    QCOMPARE(coefficients().cellText(1, 1), cellText);
    QPlainTextEdit* editor = openEditor(coefficients());
    QCOMPARE(editor != nullptr, editorOpen);
    if (editor) {
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->toPlainText(), cellText);
        QCOMPARE(editor->textCursor().selectedText(), selectedText);
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
    QCOMPARE(currentRow(coefficients()), 1);
}

void GridEditingTest::parameterGridHasTheSameFilter()
{
    form->setDecimalSeparator(',');
    typeKeys(*form, "{Tab}");
    QVERIFY(parameters().hasFocus());
    typeKeys(*form, "0.0-1e{Down}x1,5");
    QCOMPARE(parameters().cellText(1, 1), "0,01");
    QCOMPARE(parameters().cellText(2, 1), "1,5");
}

void GridEditingTest::upAndDownMoveRowsAndCloseEditor()
{
    typeKeys(*form, "5{Down}");
    QCOMPARE(currentRow(coefficients()), 2);
    QVERIFY(!openEditor(coefficients()));
    QVERIFY(coefficients().hasFocus());

    typeKeys(*form, "6{Down}{Down}7{Up}");
    QCOMPARE(currentRow(coefficients()), 3);
    QVERIFY(!openEditor(coefficients()));
    QCOMPARE(coefficients().cellText(1, 1), "5");
    QCOMPARE(coefficients().cellText(2, 1), "6");
    QCOMPARE(coefficients().cellText(3, 1), "");
    QCOMPARE(coefficients().cellText(4, 1), "7");

    // The header row is never current.
    typeKeys(*form, "{Up}{Up}{Up}{Up}");
    QCOMPARE(currentRow(coefficients()), 1);
    typeKeys(*form, "{Down}{Down}{Down}{Down}{Down}{Down}{Down}{Down}{Down}");
    QCOMPARE(currentRow(coefficients()), 8);
}

void GridEditingTest::tabLeavesGridClosingEditor()
{
    typeKeys(*form, "5{Tab}");
    QVERIFY(parameters().hasFocus());
    QVERIFY(!openEditor(coefficients()));
    QCOMPARE(coefficients().cellText(1, 1), "5");

    typeKeys(*form, "2{BackTab}");
    QVERIFY(coefficients().hasFocus());
    QVERIFY(!openEditor(parameters()));
    QCOMPARE(parameters().cellText(1, 1), "2");
    QCOMPARE(currentRow(coefficients()), 1);
    QCOMPARE(currentRow(parameters()), 1);
}

void GridEditingTest::clickOnCurrentCellOpensEditorWithTextSelected()
{
    coefficients().setCellText(1, 1, "42");
    click(*form, cellCentre(*form, coefficients(), 1, 1));
    QPlainTextEdit* editor = openEditor(coefficients());
    QVERIFY(editor);
    QCOMPARE(editor->textCursor().selectedText(), "42");
    typeKeys(*form, "3");
    QCOMPARE(coefficients().cellText(1, 1), "3");
}

void GridEditingTest::clickOnAnotherValueCellMovesThereAndClosesEditor()
{
    typeKeys(*form, "5");
    QVERIFY(openEditor(coefficients()));
    click(*form, cellCentre(*form, coefficients(), 3, 1));
    QCOMPARE(currentRow(coefficients()), 3);
    QVERIFY(!openEditor(coefficients()));
    QCOMPARE(coefficients().cellText(1, 1), "5");

    // A click in the other grid moves its current cell and the focus there.
    click(*form, cellCentre(*form, parameters(), 2, 1));
    QVERIFY(parameters().hasFocus());
    QCOMPARE(currentRow(parameters()), 2);
    QVERIFY(!openEditor(parameters()));
}

void GridEditingTest::doubleClickOnAnotherValueCellOpensIt()
{
    coefficients().setCellText(4, 1, "9");
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, cellCentre(*form, coefficients(), 4, 1));
    QCOMPARE(currentRow(coefficients()), 4);
    QPlainTextEdit* editor = openEditor(coefficients());
    QVERIFY(editor);
    QCOMPARE(editor->textCursor().selectedText(), "9");
}

void GridEditingTest::clickOnFixedCellChangesNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("header of the names") << 0 << 0;
    QTest::newRow("header of the values") << 0 << 1;
    QTest::newRow("name a2") << 3 << 0;
}

void GridEditingTest::clickOnFixedCellChangesNothing()
{
    QFETCH(int, row);
    QFETCH(int, column);

    typeKeys(*form, "{Down}");
    click(*form, cellCentre(*form, coefficients(), row, column));
    click(*form, cellCentre(*form, coefficients(), row, column));
    QCOMPARE(currentRow(coefficients()), 2);
    QCOMPARE(coefficients().currentColumn(), 1);
    QVERIFY(!openEditor(coefficients()));
}

void GridEditingTest::columnsCannotBeResizedWithMouse()
{
    QHeaderView& header = *coefficients().horizontalHeader();
    const int border = header.sectionViewportPosition(1);
    QWindow* window = form->windowHandle();
    const QPoint start = header.viewport()->mapTo(form.get(), QPoint(border, header.height() / 2));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(window, start + QPoint(30, 0));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, start + QPoint(30, 0));
    QCOMPARE(coefficients().columnWidth(0), 59);
    QCOMPARE(coefficients().columnWidth(1), 90);
    QCOMPARE(header.sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(coefficients().verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QVERIFY(!header.sectionsMovable());
}

// The only way a sign reaches a cell, and the calculation reads it.
void GridEditingTest::pasteFromEditorMenuBypassesFilter()
{
    form->setDecimalSeparator(',');
    typeKeys(*form, "{Down}3{Down}3{Down}{Down}{Down}{Down}{Down}{F2}");
    QGuiApplication::clipboard()->setText("-1");
    QPlainTextEdit* editor = openEditor(coefficients());
    QVERIFY(editor);

    QTest::mouseClick(form->windowHandle(), Qt::RightButton, Qt::NoModifier,
                      editor->mapTo(form.get(), editor->rect().center()));
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QAction* paste = menu->findChild<QAction*>("edit-paste");
    QVERIFY(paste);
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(paste).center());
    QCOMPARE(coefficients().cellText(8, 1), "-1");

    clickButton();
    QCOMPARE(label().text(), "Время п/п: 6,2952 сек");
    // b3 = -1: the response settles at -1, its band around -1.05 and -0.95.
    const ViewRange view = chart().viewRange();
    QVERIFY2(view.y.min < -1.04 && view.y.max < 0.1, qPrintable(QString("y %1..%2").arg(view.y.min).arg(view.y.max)));
}

STEPRESPONSE_APP_TEST_MAIN(GridEditingTest)
#include "tst_grid_editing.moc"
