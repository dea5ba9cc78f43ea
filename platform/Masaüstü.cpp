#include "platform/Masaüstü.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFile>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
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

int& kilitTanıtıcısı() {
    static int t = -1;
    return t;
}

// Takes the lock of the file; true only when another copy holds it. Where the lock
// cannot be had otherwise (a file system without locks) the file is let go.
bool başkasıTutuyor(int& kilit) {
    if (kilit < 0) return false;
    int sonuç;
    do sonuç = ::flock(kilit, LOCK_EX | LOCK_NB);
    while (sonuç != 0 && errno == EINTR);
    if (sonuç == 0 || errno == EWOULDBLOCK) return sonuç != 0;
    ::close(kilit);
    kilit = -1;
    return false;
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
    // The lock is the user's own, never beside the store (other seats share that): held
    // while the program runs and let go by the system however it ends.
    QString klasör = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (klasör.isEmpty()) klasör = QDir::tempPath();
    int kilit = ::open(QFile::encodeName(klasör + QLatin1Char('/') + ad + QStringLiteral(".kilit")).constData(),
                       O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (başkasıTutuyor(kilit)) {
        ::close(kilit);
        // the copy that runs is asked to show itself; it may still be starting
        const QDeadlineTimer süre(3000);
        do {
            QLocalSocket soket;
            soket.connectToServer(ad);
            if (soket.waitForConnected(200)) {
                soket.write("goster\n");
                soket.waitForBytesWritten(500);
                soket.disconnectFromServer();
                break;
            }
            QThread::msleep(50);
        } while (!süre.hasExpired());
        return false;
    }
    kilitTanıtıcısı() = kilit;  // none when the lock file cannot be made or locked: run anyway, unguarded
    QLocalServer::removeServer(ad);  // a socket left by a copy that died
    sunucu() = std::make_unique<QLocalServer>();
    QLocalServer* s = sunucu().get();
    s->setSocketOptions(QLocalServer::UserAccessOption);
    if (!s->listen(ad)) return true;  // cannot listen: run anyway, without raising
    QObject::connect(s, &QLocalServer::newConnection, s, [s, göster] {
        while (QLocalSocket* c = s->nextPendingConnection()) {
            QObject::connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            if (göster) göster();
        }
    });
    return true;
}

void tekÖrneğiBırak() {
    sunucu().reset();
    if (kilitTanıtıcısı() >= 0) ::close(kilitTanıtıcısı());
    kilitTanıtıcısı() = -1;
}

}  // namespace Masaüstü
