// stepresponse: the step response of a third-order transfer function, in a window.

#include "application.h"
#include "error_box.h"
#include "main_form.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    try {
        TMainForm form;
        form.show();
        // A bare X server activates no window by itself.
        form.activateWindow();
        return app.exec();
    } catch (const std::exception& e) {
        // Start-up has no event loop yet to report through.
        showErrorBox(e.what());
        return 1;
    }
}
