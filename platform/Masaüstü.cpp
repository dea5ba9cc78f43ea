#include "platform/Masaüstü.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace {

QString klasör(const char* ortam, const QString& varsayılan) {
    QString k = QString::fromLocal8Bit(qgetenv(ortam));
    if (k.isEmpty()) k = varsayılan;
    if (!k.endsWith(QLatin1Char('/'))) k += QLatin1Char('/');
    return k;
}

Masaüstü::AdresAçıcı& açıcı() {
    static Masaüstü::AdresAçıcı a = [](const QString& adres) {
        const QUrl url = adres.contains(QStringLiteral("://")) || adres.startsWith(QStringLiteral("mailto:"))
                             ? QUrl(adres)
                             : QUrl::fromLocalFile(adres);
        return QDesktopServices::openUrl(url);
    };
    return a;
}

Masaüstü::İşleyiciSorgusu& sorgu() {
    static Masaüstü::İşleyiciSorgusu s = [](const QString& uzantı) {
        // xdg-mime names the default application for the file type, if any.
        QProcess p;
        const QString tür = uzantı == QStringLiteral("xlsx")
                                ? QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")
                                : uzantı;
        p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), tür});
        if (!p.waitForFinished(3000)) return false;
        return p.exitCode() == 0 && !p.readAllStandardOutput().trimmed().isEmpty();
    };
    return s;
}

std::unique_ptr<QLocalServer>& sunucu() {
    static std::unique_ptr<QLocalServer> s;
    return s;
}

}  // namespace

namespace Masaüstü {

QString programKlasörü() { return klasör("DEPORA_PROGRAM_KLASORU", QCoreApplication::applicationDirPath()); }

QString veriKlasörü() {
    return klasör("DEPORA_VERI_KLASORU", QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString belgeKlasörü() {
    return klasör("DEPORA_BELGE_KLASORU", QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

bool adresAç(const QString& adres) { return açıcı()(adres); }
void adresAçıcıKur(AdresAçıcı a) { açıcı() = std::move(a); }

bool işleyiciVarMı(const QString& uzantı) { return sorgu()(uzantı); }
void işleyiciSorgusuKur(İşleyiciSorgusu s) { sorgu() = std::move(s); }

QString kullanıcıAdı() {
    if (const passwd* p = getpwuid(getuid())) {
        QString gecos = QString::fromLocal8Bit(p->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
        if (!gecos.isEmpty()) return gecos;
        return QString::fromLocal8Bit(p->pw_name);
    }
    return QString::fromLocal8Bit(qgetenv("USER"));
}

QString kuruluş() {
    if (const passwd* p = getpwuid(getuid()))
        return QString::fromLocal8Bit(p->pw_gecos).section(QLatin1Char(','), 1, 1).trimmed();
    return {};
}

bool tekÖrnekOl(const QString& pencereBaşlığı, std::function<void()> göster) {
    const QString ad = QStringLiteral("depora-") +
                       QString::fromLatin1(QCryptographicHash::hash((pencereBaşlığı + QLatin1Char('|') +
                                                                     QString::number(getuid())).toUtf8(),
                                                                    QCryptographicHash::Sha1)
                                               .toHex()
                                               .left(16));
    {
        QLocalSocket soket;
        soket.connectToServer(ad);
        if (soket.waitForConnected(500)) {
            soket.write("goster\n");
            soket.waitForBytesWritten(500);
            soket.disconnectFromServer();
            return false;
        }
    }
    QLocalServer::removeServer(ad);  // a stale socket of a copy that died
    sunucu() = std::make_unique<QLocalServer>();
    QLocalServer* s = sunucu().get();
    s->setSocketOptions(QLocalServer::UserAccessOption);
    if (!s->listen(ad)) return true;  // cannot listen: run anyway, unguarded
    QObject::connect(s, &QLocalServer::newConnection, s, [s, göster] {
        while (QLocalSocket* c = s->nextPendingConnection()) {
            QObject::connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            if (göster) göster();
        }
    });
    return true;
}

void tekÖrneğiBırak() { sunucu().reset(); }

}  // namespace Masaüstü
