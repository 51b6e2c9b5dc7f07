#pragma once

#include <QStringList>
#include <QTableWidget>

class CellDelegate;
class QPlainTextEdit;

// A grid of text cells edited in place, in the manner of a classic string
// grid. Row 0 and column 0 are fixed: never current, never edited, drawn
// as header sections; row 0 is the table's header, so it stays in place when
// the grid scrolls. Rows are counted as the grid shows them, the header
// row being row 0. The other cells are edited one at a time. Every typed
// character goes through keyPress first, open editor or not; a handler may
// change it or discard it by setting it to 0. Text pasted into the editor
// does not.
class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr);

    // Writes the header row and the name column; the value cells start
    // empty and the first of them becomes current.
    void setFixedTexts(const QStringList& header, const QStringList& names);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

signals:
    void keyPress(char32_t& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum class Caret { selectAll, atEnd };

    QModelIndex cellIndex(int row, int column) const;
    void openEditor(Caret caret);
    void typeIntoClosedCell(char32_t typed, QKeyEvent* event);
    bool editorKeyPress(QPlainTextEdit& editor, QKeyEvent& event);

    CellDelegate* delegate_;
};
