#include "error_box.h"

#include "application_title.h"
#include "calculation_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {
constexpr int maxBoxLines = 20;
}

QString errorBoxText(const std::string& message)
{
    QStringList lines = QString::fromStdString(reportedText(message)).split(u'\n');
    if (lines.size() > maxBoxLines) {
        const QStringList rest = lines.mid(maxBoxLines - 1);
        lines = lines.mid(0, maxBoxLines - 1);
        lines.append(rest.join(u' '));
    }
    return lines.join(u'\n');
}

void showErrorBox(const std::string& message)
{
    // Owned by the active window, the box shows over it. The owner gets the
    // activation back itself: there may be no window manager to hand it on.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, applicationTitle(QCoreApplication::applicationFilePath()),
                    errorBoxText(message), QMessageBox::Ok, owner);
    // The message may quote pasted text, which must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    if (owner)
        owner->activateWindow();
}
