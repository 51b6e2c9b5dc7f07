#include "application.h"

#include "calculation_error.h"
#include "error_box.h"

#include <QTimer>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const CalculationError& e) {
        // Its message may quote a cell text with a NUL in it.
        reportLater(e.message());
    } catch (const std::exception& e) {
        reportLater(e.what());
    }
    return false;
}

// A modal box opened inside the failed dispatch would run its event loop
// there; the next turn of the loop is a safe place.
void Application::reportLater(const std::string& message)
{
    QTimer::singleShot(0, this, [message] { showErrorBox(message); });
}
