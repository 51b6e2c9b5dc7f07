#pragma once

#include <QApplication>
#include <string>

// The application object. An exception that escapes any event handler ends
// here: it is shown in the error box as soon as control is back in the
// event loop, and the program goes on with whatever the handler had changed.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportLater(const std::string& message);
};
