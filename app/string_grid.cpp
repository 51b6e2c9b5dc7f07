#include "string_grid.h"

#include "cell_delegate.h"
#include "typed_character.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

QTableWidgetItem* fixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    // Disabled cells are skipped by the arrow keys and ignore clicks.
    item->setFlags(Qt::NoItemFlags);
    return item;
}

QTableWidgetItem* valueItem()
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    return item;
}

bool opensEditor(char32_t typed)
{
    return typed == backspaceCode || typed >= U' ';
}

} // namespace

StringGrid::StringGrid(QWidget* parent)
    : QTableWidget(parent)
    , delegate_(new CellDelegate([this](QPlainTextEdit& editor, QKeyEvent& event) {
                                     return editorKeyPress(editor, event);
                                 },
                                 this))
{
    setItemDelegate(delegate_);
    // Editors open only the ways handled below.
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void StringGrid::setFixedTexts(const QStringList& header, const QStringList& names)
{
    setHorizontalHeaderLabels(header);
    // The header row is a row like the others.
    horizontalHeader()->setFixedHeight(verticalHeader()->defaultSectionSize());
    // The table's rows are the grid's rows below the header row.
    for (int tableRow = 0; tableRow < names.size(); ++tableRow)
        setItem(tableRow, 0, fixedItem(names[tableRow]));
    for (int tableRow = 0; tableRow < rowCount(); ++tableRow)
        for (int column = 1; column < columnCount(); ++column)
            setItem(tableRow, column, valueItem());
    setCurrentIndex(cellIndex(1, 1));
}

QModelIndex StringGrid::cellIndex(int row, int column) const
{
    return model()->index(row - 1, column);
}

QString StringGrid::cellText(int row, int column) const
{
    return cellIndex(row, column).data(Qt::EditRole).toString();
}

void StringGrid::setCellText(int row, int column, const QString& text)
{
    model()->setData(cellIndex(row, column), text, Qt::EditRole);
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (state() != EditingState) {
        if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
            openEditor(Caret::atEnd);
            return;
        }
        if (const auto typed = typedCharacter(*event)) {
            typeIntoClosedCell(*typed, event);
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

// A printable character or backspace opens the editor with the old text
// selected and goes on to it, through the filter there; a control code
// (Enter, Escape, Ctrl+C …) meets the filter here and opens nothing.
void StringGrid::typeIntoClosedCell(char32_t typed, QKeyEvent* event)
{
    if (opensEditor(typed)) {
        openEditor(Caret::selectAll);
        if (QPlainTextEdit* editor = delegate_->editor())
            QCoreApplication::sendEvent(editor, event);
        return;
    }
    char32_t key = typed;
    emit keyPress(key);
}

void StringGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    const bool onCurrentCell = event->button() == Qt::LeftButton && pressed.isValid() && pressed == currentIndex();
    QTableWidget::mousePressEvent(event);
    if (onCurrentCell)
        openEditor(Caret::selectAll);
}

// The second click of a double click is one more click on the current cell.
void StringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void StringGrid::openEditor(Caret caret)
{
    const QModelIndex index = currentIndex();
    if (state() == EditingState || !(index.flags() & Qt::ItemIsEditable))
        return;
    edit(index);
    QPlainTextEdit* editor = delegate_->editor();
    if (!editor)
        return;
    QTextCursor cursor = editor->textCursor();
    if (caret == Caret::selectAll)
        cursor.select(QTextCursor::Document);
    else
        cursor.movePosition(QTextCursor::End);
    editor->setTextCursor(cursor);
}

// Returns whether the key was dealt with here; if not, the editor takes it.
bool StringGrid::editorKeyPress(QPlainTextEdit& editor, QKeyEvent& event)
{
    const bool withCtrlOrAlt = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (withCtrlOrAlt)
            break;
        closeEditor(&editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(event.key() == Qt::Key_Tab && !(event.modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        closeEditor(&editor, QAbstractItemDelegate::NoHint);
        QTableWidget::keyPressEvent(&event);
        return true;
    default: break;
    }

    const auto typed = typedCharacter(event);
    if (!typed)
        return false;
    char32_t key = *typed;
    emit keyPress(key);
    if (key == backspaceCode)
        return false;
    if (key != 0)
        editor.insertPlainText(QString::fromUcs4(&key, 1));
    return true;
}
