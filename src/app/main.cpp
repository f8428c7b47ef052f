// The desktop program. It works in the directory it is started in.

#include <QApplication>

#include "shell/desktop/desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return pramo::runDesktop();
}
