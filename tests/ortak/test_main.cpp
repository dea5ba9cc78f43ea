#include "shell/GirişDavranışları.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The off-screen display as a clerk's usual one, 1920 x 1080 at 96 dpi (not Qt's own 800 x 800).
    QTemporaryFile ekran;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && ekran.open()) {
        ekran.write(R"({"screens": [{"name": "ekran", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}]})");
        ekran.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + ekran.fileName().toLocal8Bit());
    }
    QApplication uygulama(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));  // as the program
    Giriş::UygulamaGenelindeKur();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
