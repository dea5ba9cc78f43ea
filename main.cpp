#include "shell/BaşlangıçModülü.h"
#include "shell/GirişDavranışları.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    QApplication uygulama(argc, argv);
    // The windows are laid out in twips for an 8-point sans-serif face.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Giriş::UygulamaGenelindeKur();
    return Main(uygulama);
}
