#include "shell/BaşlangıçModülü.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication uygulama(argc, argv);
    return Main(uygulama);
}
