#include "shell/KaynakSimgeleri.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QStyle>

QIcon KaynakSimgesi(const QString& ad) {
    // the program's own drawings first (resources/simgeler/<ad>.xpm); the images
    // live in the core library, which the linker would otherwise leave out
    static const bool yüklendi = [] {
        Q_INIT_RESOURCE(depora);
        return true;
    }();
    (void)yüklendi;
    const QString çizim = QStringLiteral(":/simgeler/%1.xpm").arg(ad);
    if (QFile::exists(çizim)) return QIcon(çizim);

    struct Simge {
        const char* tema;
        QStyle::StandardPixmap yedek;
    };
    static const QHash<QString, Simge> simgeler = {
        {QStringLiteral("YAZDIR"), {"document-print", QStyle::SP_FileIcon}},
        {QStringLiteral("LISTE"), {"view-list-details", QStyle::SP_FileDialogListView}},
        {QStringLiteral("EXCEL"), {"x-office-spreadsheet", QStyle::SP_FileDialogDetailedView}},
        {QStringLiteral("HATABILDIRME"), {"mail-send", QStyle::SP_MessageBoxWarning}},
        {QStringLiteral("HAKKINDA"), {"help-about", QStyle::SP_MessageBoxInformation}},
    };
    const auto it = simgeler.find(ad);
    if (it == simgeler.end()) return {};
    const QIcon tema = QIcon::fromTheme(QString::fromLatin1(it->tema));
    return tema.isNull() ? QApplication::style()->standardIcon(it->yedek) : tema;
}

void SimgeKoy(QLabel* kutu, const QString& ad, int boyut) {
    kutu->setPixmap(KaynakSimgesi(ad).pixmap(boyut, boyut));
    kutu->setProperty("simge", ad);
}
