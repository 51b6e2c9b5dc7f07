#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

class QKeyEvent;

// Draws and edits the cells of a StringGrid. Disabled cells are the fixed
// ones and look like header sections. A cell is edited in place with a
// plain-text editor, so that pasted line breaks survive, and every change
// goes back to the cell at once. Each key press reaches `keyHandler` first;
// when it returns true the editor and the delegate's own Enter, Escape and
// Tab handling never see the key.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using KeyHandler = std::function<bool(QPlainTextEdit& editor, QKeyEvent& event)>;

    CellDelegate(KeyHandler keyHandler, QObject* parent);

    // The editor created last; null once it has been destroyed.
    QPlainTextEdit* editor() const { return editor_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    KeyHandler keyHandler_;
    mutable QPointer<QPlainTextEdit> editor_;
};
