#include <QApplication>
#include <QFont>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication uygulama(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));  // as the program
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
