#include "cell_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyleOptionHeader>

CellDelegate::CellDelegate(KeyHandler keyHandler, QObject* parent)
    : QStyledItemDelegate(parent)
    , keyHandler_(std::move(keyHandler))
{
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.flags() & Qt::ItemIsEnabled) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionHeader header;
    // The view's own state, not the disabled one the cell comes with.
    if (option.widget)
        header.initFrom(option.widget);
    header.rect = option.rect;
    header.state |= QStyle::State_Raised;
    header.text = index.data().toString();
    header.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    // The style leaves its clipping behind, which would hide the next cells.
    painter->save();
    style->drawControl(QStyle::CE_Header, &header, painter, option.widget);
    painter->restore();
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QPlainTextEdit(parent);
    editor->setFrameShape(QFrame::NoFrame);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->document()->setDocumentMargin(2);
    // Text may arrive without a typed character only by pasting; a drop or
    // an input method would slip past the key filter.
    editor->setAcceptDrops(false);
    editor->setAttribute(Qt::WA_InputMethodEnabled, false);

    // createEditor is const by Qt's signature; emitting the signal is not.
    auto* self = const_cast<CellDelegate*>(this);
    connect(editor, &QPlainTextEdit::textChanged, self, [self, editor] { emit self->commitData(editor); });
    editor_ = editor;
    return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto& textEditor = static_cast<QPlainTextEdit&>(*editor);
    const QString text = index.data(Qt::EditRole).toString();
    // Each change comes straight back from the cell; setting the same text
    // again would lose the caret and the undo history.
    if (textEditor.toPlainText() == text)
        return;
    // Text from the cell needs no writing back.
    const QSignalBlocker noWriteBack(textEditor);
    textEditor.setPlainText(text);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QPlainTextEdit&>(*editor).toPlainText(), Qt::EditRole);
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (auto* editor = qobject_cast<QPlainTextEdit*>(object);
            editor && keyHandler_(*editor, static_cast<QKeyEvent&>(*event)))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
