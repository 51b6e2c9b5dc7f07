// What the window tests share: the program's own application object, a
// shown main window, real keys and clicks, and a watcher that answers the
// error box.

#pragma once

#include "application.h"
#include "chart_widget.h"
#include "main_form.h"
#include "string_grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

// The tests run with the program's application object, so that exceptions
// from handlers are reported the way the program reports them.
#define STEPRESPONSE_APP_TEST_MAIN(TestClass)      \
    int main(int argc, char** argv)                \
    {                                              \
        Application app(argc, argv);               \
        TestClass test;                            \
        return QTest::qExec(&test, argc, argv);    \
    }

namespace app_test {

template <class Widget>
Widget& control(QWidget& form, const char* name)
{
    auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("No control %s", name);
    return *widget;
}

// A new main window, shown and active, so that keys reach its focus widget.
inline std::unique_ptr<TMainForm> shownForm()
{
    auto form = std::make_unique<TMainForm>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("The main window did not become active");
    return form;
}

struct NamedKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

inline const NamedKey namedKeys[] = {
    {"Enter", Qt::Key_Return, Qt::NoModifier},        {"Esc", Qt::Key_Escape, Qt::NoModifier},
    {"Back", Qt::Key_Backspace, Qt::NoModifier},      {"Del", Qt::Key_Delete, Qt::NoModifier},
    {"Tab", Qt::Key_Tab, Qt::NoModifier},             {"BackTab", Qt::Key_Backtab, Qt::ShiftModifier},
    {"Up", Qt::Key_Up, Qt::NoModifier},               {"Down", Qt::Key_Down, Qt::NoModifier},
    {"Left", Qt::Key_Left, Qt::NoModifier},           {"Right", Qt::Key_Right, Qt::NoModifier},
    {"Home", Qt::Key_Home, Qt::NoModifier},           {"F2", Qt::Key_F2, Qt::NoModifier},
    {"Space", Qt::Key_Space, Qt::NoModifier},         {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},       {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},       {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
    {"Shift+Ins", Qt::Key_Insert, Qt::ShiftModifier}, {"Ctrl+Ins", Qt::Key_Insert, Qt::ControlModifier},
    {"Shift+Del", Qt::Key_Delete, Qt::ShiftModifier},
};

inline void pressNamedKey(QWindow* window, const QString& name)
{
    for (const NamedKey& k : namedKeys) {
        if (name == QLatin1String(k.name)) {
            QTest::keyClick(window, k.key, k.modifiers);
            return;
        }
    }
    qFatal("Unknown key name %s", qPrintable(name));
}

// Types into the window's focus widget the way the keyboard does, through
// the whole event path. Characters are typed as they stand; a name in
// braces is a key: {Enter} {Esc} {Back} {Del} {Tab} {BackTab} {Up} {Down}
// {Left} {Right} {Home} {F2} {Space} {Ctrl+A} {Ctrl+C} {Ctrl+V} {Ctrl+X}
// {Ctrl+Z} {Shift+Ins} {Ctrl+Ins} {Shift+Del}.
inline void typeKeys(QWidget& form, const QString& keys)
{
    QWindow* window = form.windowHandle();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == u'{') {
            const qsizetype end = keys.indexOf(u'}', i);
            pressNamedKey(window, keys.mid(i + 1, end - i - 1));
            i = end;
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(window, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// The open cell editor of the grid, if any.
inline QPlainTextEdit* openEditor(StringGrid& grid)
{
    for (QPlainTextEdit* editor : grid.findChildren<QPlainTextEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// The current cell's row as the grid shows it (the header row is row 0).
inline int currentRow(StringGrid& grid)
{
    return grid.currentRow() + 1;
}

// The centre of a cell in window coordinates; row 0 is the header row.
inline QPoint cellCentre(QWidget& form, StringGrid& grid, int row, int column)
{
    if (row == 0) {
        QHeaderView& header = *grid.horizontalHeader();
        const QPoint centre(header.sectionViewportPosition(column) + header.sectionSize(column) / 2, header.height() / 2);
        return header.viewport()->mapTo(&form, centre);
    }
    return grid.viewport()->mapTo(&form, grid.visualRect(grid.model()->index(row - 1, column)).center());
}

inline QPoint centreOf(QWidget& form, QWidget& widget)
{
    return widget.mapTo(&form, widget.rect().center());
}

inline void click(QWidget& form, QPoint windowPos, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(form.windowHandle(), button, Qt::NoModifier, windowPos);
}

// Waits for the next modal message box, notes what it shows and answers it
// with Enter, as a user would.
class MessageBoxWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        Qt::TextFormat textFormat;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        Qt::WindowModality modality;
        QRect frame;
        QRect okButton; // in screen coordinates
        QRect available;
    };

    MessageBoxWatcher()
    {
        connect(&timer_, &QTimer::timeout, this, &MessageBoxWatcher::poll);
        timer_.start(10);
    }

    std::optional<Box> seen;

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (seen || !box || !box->isVisible())
            return;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen = Box{box->windowTitle(),
                   box->text(),
                   box->textFormat(),
                   box->icon(),
                   box->standardButtons(),
                   box->windowModality(),
                   box->frameGeometry(),
                   ok ? QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size()) : QRect(),
                   box->screen()->availableGeometry()};
        QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    }

    QTimer timer_;
};

// The base of a suite on the main window: the window its init() opens, and
// its controls by name.
class FormTest : public QObject {
protected:
    std::unique_ptr<TMainForm> form;

    QPushButton& button() { return control<QPushButton>(*form, "Button1"); }
    QLabel& label() { return control<QLabel>(*form, "Label1"); }
    ChartWidget& chart() { return control<ChartWidget>(*form, "Chart"); }
    StringGrid& coefficients() { return control<StringGrid>(*form, "StringGrid1"); }
    StringGrid& parameters() { return control<StringGrid>(*form, "StringGrid2"); }
    void clickButton() { click(*form, centreOf(*form, button())); }
};

} // namespace app_test
