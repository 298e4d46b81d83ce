#include "quitsignals.h"
#include "tonquirl.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quitOnTerminationSignals();
    // Lives as long as the program; the event loop's end is the program's end.
    auto *dialog = new tonquirl;
    dialog->show();
    return app.exec();
}
