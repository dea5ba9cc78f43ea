#include "shell/DepoBakımı.h"

#include "platform/MesajKapısı.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KaynakMetinleri.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <algorithm>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <future>
#include <optional>
#include <set>
#include <map>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const QString VeritabanıAdı = QStringLiteral("Ambar.vtb");
const QString YedekAdı = QStringLiteral("Ambar.ydk");

QString tırnaklı(const QString& ad) { return QLatin1Char('"') + ad + QLatin1Char('"'); }

// The note beside the store that it was found damaged.
QString bozuklukİşareti(const QString& veritabanıYolu) { return veritabanıYolu + QStringLiteral(".denetlenecek"); }

// The temporaries of this seat and user beside yol begin so; a running copy adds its
// process number (Ambar.ydk.yeni-makine-1000-4242). Only one copy runs for a user, so
// at start every one of them is a leftover of an earlier run.
QString geçiciÖneki(const QString& yol, const char* tür) {
    return yol + QLatin1Char('.') + QLatin1String(tür) + QLatin1Char('-') + QSysInfo::machineHostName() +
           QLatin1Char('-') + QString::number(::getuid()) + QLatin1Char('-');
}
QString geçiciAd(const QString& yol, const char* tür) {
    return geçiciÖneki(yol, tür) + QString::number(QCoreApplication::applicationPid());
}
void kalıntılarıSil(const QString& yol, const char* tür) {
    const QString önek = QFileInfo(geçiciÖneki(yol, tür)).fileName();
    const QDir klasör = QFileInfo(yol).dir();
    for (const QString& ad : klasör.entryList(QDir::Files | QDir::Hidden))
        if (ad.startsWith(önek)) QFile::remove(klasör.filePath(ad));
}

void yeniAdVer(const QString& eski, const QString& yeni) {
    // replaces what bears the new name, in one step
    if (std::rename(QFile::encodeName(eski).constData(), QFile::encodeName(yeni).constData()) != 0)
        throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("%1 adı verilemedi: %2").arg(yeni, eski));
}

// ---- The backups kept beside the newest ----

// Each carries in its name the number of its making and the day it was made:
// Ambar-0042-2026-12-07.ydk, and for a copy of a store that went back
// Ambar-eski-depo-0043-2026-12-07.ydk. The number, which only grows, orders them whatever
// the clock said; the day is the clerk's label and groups the dated ones into days and
// months. Earlier versions named them by the day alone (Ambar-2026-12-07.ydk,
// Ambar-2026-12-07-2.ydk, Ambar-eski-depo-20261207-104500.ydk): those were made before any
// numbered one, in the order of their names. Any other file is none of ours.
enum class Tür { Tarihli, EskiDepo };

struct Yedek {
    std::int64_t no;  // 0: an earlier version's
    QString sıra;     // an earlier version's: its name's stamp and n, which sort as they were made
    QDate gün;
    QString yol;
};

const QString EskiDepoKopyası = QStringLiteral("eski-depo-");
constexpr int SaklananEskiDepoKopyası = 3;

// The kept backups of a kind, oldest made first.
std::vector<Yedek> yedekler(const QString& yedekYolu, Tür tür) {
    const QFileInfo b(yedekYolu);
    const bool eskiDepo = tür == Tür::EskiDepo;
    const QString kök = QLatin1Char('^') + QRegularExpression::escape(b.completeBaseName()) + QLatin1Char('-') +
                        (eskiDepo ? EskiDepoKopyası : QString());
    const QString uzantı = QStringLiteral("\\.") + QRegularExpression::escape(b.suffix()) + QLatin1Char('$');
    const QRegularExpression numaralı(kök + QStringLiteral("(\\d{1,18})-(\\d{4}-\\d\\d-\\d\\d)") + uzantı);
    const QRegularExpression öncekiSürüm(kök +
                                         (eskiDepo ? QStringLiteral("((\\d{8})-\\d{6})") : QStringLiteral("((\\d{4}-\\d\\d-\\d\\d))")) +
                                         QStringLiteral("(?:-(\\d{1,9}))?") + uzantı);
    std::vector<Yedek> l;
    for (const QString& ad : b.dir().entryList(QDir::Files)) {
        Yedek y{0, {}, {}, b.dir().filePath(ad)};
        if (const auto e = numaralı.match(ad); e.hasMatch()) {
            y.no = e.captured(1).toLongLong();
            y.gün = QDate::fromString(e.captured(2), Qt::ISODate);
        } else if (const auto ö = öncekiSürüm.match(ad); ö.hasMatch()) {
            y.sıra = ö.captured(1) + QStringLiteral("-%1").arg(qMax(1, ö.captured(3).toInt()), 9, 10, QLatin1Char('0'));
            y.gün = QDate::fromString(ö.captured(2), eskiDepo ? QStringLiteral("yyyyMMdd") : QStringLiteral("yyyy-MM-dd"));
        }
        if (y.gün.isValid() && (y.no > 0 || !y.sıra.isEmpty())) l.push_back(y);
    }
    std::sort(l.begin(), l.end(), [](const Yedek& a, const Yedek& b) {
        return a.no != b.no ? a.no < b.no : a.sıra < b.sıra;
    });
    return l;
}

// Keeps the file kaynak beside the newest backup under the next number, of its kind and
// day, never in the place of another file. With bağlı it keeps its own name too (a
// link) until a copy takes it, where the file system has links; otherwise it is moved.
QString numarasıylaSakla(const QString& kaynak, const QString& yedekYolu, Tür tür, const QDate& gün, bool bağlı) {
    const QFileInfo b(yedekYolu);
    std::int64_t no = 0;
    for (Tür t : {Tür::Tarihli, Tür::EskiDepo})
        for (const Yedek& y : yedekler(yedekYolu, t)) no = std::max(no, y.no);
    const QByteArray k = QFile::encodeName(kaynak);
    for (++no;; ++no) {
        const QString ad = b.absolutePath() + QLatin1Char('/') + b.completeBaseName() + QLatin1Char('-') +
                           (tür == Tür::EskiDepo ? EskiDepoKopyası : QString()) +
                           QStringLiteral("%1").arg(no, 4, 10, QLatin1Char('0')) + QLatin1Char('-') +
                           gün.toString(Qt::ISODate) + QLatin1Char('.') + b.suffix();
        const QByteArray h = QFile::encodeName(ad);
        if (::link(k.constData(), h.constData()) == 0) {
            if (!bağlı) ::unlink(k.constData());
            return ad;
        }
        if (errno == EEXIST || QFileInfo::exists(ad)) continue;
        // no links on this file system: moved
        if (std::rename(k.constData(), h.constData()) != 0)
            throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("%1 adı verilemedi: %2").arg(ad, kaynak));
        return ad;
    }
}

void eskiDepoKopyalarınıAyıkla(const QString& yedekYolu) {
    const auto kopyalar = yedekler(yedekYolu, Tür::EskiDepo);
    for (size_t i = 0; i + SaklananEskiDepoKopyası < kopyalar.size(); ++i) QFile::remove(kopyalar[i].yol);
}

// ---- Checks ----

// The keys a backup has handed out; none when it cannot be read or lacks the tables
// (an empty file reads as an empty store) or, with denetle, when it fails its check
// (key, tables, every page).
std::optional<QHash<QString, std::int64_t>> sayaçları(const QString& yol, bool denetle) {
    try {
        if (!QFileInfo::exists(yol)) return std::nullopt;
        VeritabanıBağlantısı yedek;
        yedek.saltOkunurAç(yol);
        yedek.sağlamlığıDenetle(TemelTablolar(), denetle);
        return yedek.anahtarSayaçları();
    } catch (const DeporaHatası&) {
        return std::nullopt;
    }
}

// The backup made last that passes its check: Ambar.ydk, else a dated one (gün set).
struct SağlamYedek {
    QString yol;
    QDate gün;
    QHash<QString, std::int64_t> sayaçlar;  // the keys it has handed out
};
std::optional<SağlamYedek> enYeniSağlamYedek(const QString& yedekYolu) {
    if (auto s = sayaçları(yedekYolu, true)) return SağlamYedek{yedekYolu, QDate(), *s};
    const auto tarihliler = yedekler(yedekYolu, Tür::Tarihli);
    for (auto y = tarihliler.rbegin(); y != tarihliler.rend(); ++y)
        if (auto s = sayaçları(y->yol, true)) return SağlamYedek{y->yol, y->gün, *s};
    return std::nullopt;
}

// Opens VeriTabanı and proves the file is a store (every page of it with sayfalarıyla).
// Returns the damage of a file that is not one (the connection closed); a failure that
// is no damage throws with a number the error routine ends the program on.
std::optional<DeporaHatası> açıpDenetle(const QString& yol, bool sayfalarıyla) {
    try {
        VeriTabanı.aç(yol);
        VeriTabanı.sağlamlığıDenetle(TemelTablolar(), sayfalarıyla);
        return std::nullopt;
    } catch (const DeporaHatası& h) {
        VeriTabanı.kapat();
        switch (h.numara()) {
        case HataNo::ŞifreYanlış:
        case HataNo::VeritabanıBozuk: return h;
        case HataNo::AğBağlantısı:
        case HataNo::YolBulunamadı:
        case HataNo::DosyayaErişilemiyor: throw;
        // held by another seat, a read error: without a connection the program
        // cannot go on, with the message of a file that cannot be opened
        default: throw DeporaHatası(HataNo::DosyayaErişilemiyor, h.açıklama());
        }
    }
}

// ---- Restore ----

// A name beside yol that no file (nor its journal) bears, saying what the file kept
// aside is and since when: Ambar-bozuk-20261207-104500.vtb.
QString kenarAdı(const QString& yol, const QString& ne) {
    const QFileInfo b(yol);
    const QString kök = b.absolutePath() + QLatin1Char('/') + b.completeBaseName() + QLatin1Char('-') + ne +
                        QLatin1Char('-') + BakımSaati().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString uzantı = QLatin1Char('.') + b.suffix();
    QString ad = kök + uzantı;
    for (int i = 2; QFileInfo::exists(ad) || QFileInfo::exists(ad + QStringLiteral("-journal")); ++i)
        ad = kök + QStringLiteral("-%1").arg(i) + uzantı;
    return ad;
}

// Copies the checked backup into the store's place through a temporary, keeping
// the backup's modification time as a system copy does. Throws when the copy fails.
void yedektenGeriYükle(const QString& yedek, const QString& hedef) {
    const QString geçici = geçiciAd(hedef, "geri");
    QFile::remove(geçici);
    QFile kaynak(yedek);
    if (!kaynak.open(QIODevice::ReadOnly))
        throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Yedek okunamadı: %1").arg(yedek));
    YeniDosyaYaz(geçici, kaynak.size(), [&](char* tampon, std::int64_t konum, std::int64_t uzunluk) {
        return kaynak.seek(konum) && kaynak.read(tampon, uzunluk) == uzunluk;
    }, false);
    DiskeYaz(geçici);
    {
        QFile f(geçici);
        if (f.open(QIODevice::ReadWrite)) f.setFileTime(QFileInfo(yedek).lastModified(), QFileDevice::FileModificationTime);
    }
    if (!QFile::rename(geçici, hedef)) {
        QFile::remove(geçici);
        throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Yedek kopyalanamadı: %1").arg(hedef));
    }
}

// For a store that is missing (bozukluk empty) or damaged: the newest sound backup is
// copied into place when the user agrees. False: the program must end.
bool yedektenOluştur(const QString& veritabanıYolu, const QString& yedekYolu,
                     const std::optional<DeporaHatası>& bozukluk) {
    const QString ad = tırnaklı(VeritabanıAdı);
    const bool tarihliVar = !yedekler(yedekYolu, Tür::Tarihli).empty();
    if (!DosyaVarMı(yedekYolu) && !tarihliVar) {
        if (!bozukluk) {
            MesajGöster(ad + QLatin1Char(' ') + KaynakMetni(90), MesajSimgesi::Kritik);
        } else if (bozukluk->numara() == HataNo::ŞifreYanlış) {
            HataYönet(*bozukluk);  // perhaps a store of another version: its fixed message
        } else {
            MesajGöster(ad + QStringLiteral(" adlı veritabanı dosyanız bozuk olduğu için program başlayamıyor! \n"
                                             "Lütfen kontrol edip tekrar deneyin."),
                        MesajSimgesi::Kritik);
        }
        return false;
    }
    const QString durum = bozukluk ? QStringLiteral(" adlı veritabanı dosyanız bozuk")
                                   : QStringLiteral(" adlı veritabanı dosyanız bulunamadı");
    const auto sağlam = enYeniSağlamYedek(yedekYolu);
    if (!sağlam) {
        MesajGöster(ad + durum + QStringLiteral("; ") + tırnaklı(YedekAdı) +
                        (DosyaVarMı(yedekYolu)
                             ? QStringLiteral(" adlı yedeğiniz de bozuk olduğu için yedekten oluşturulamıyor!\n"
                                              "Yedeğiniz: %1")
                                       .arg(QDir::toNativeSeparators(yedekYolu)) +
                                   (tarihliVar ? QStringLiteral("\nÖnceki günlerin yedekleri de bozuk.") : QString())
                             : QStringLiteral(" adlı son yedeğiniz bulunamadığı, önceki günlerin yedekleri de bozuk "
                                              "olduğu için yedekten oluşturulamıyor!\nYedekleriniz: %1")
                                   .arg(QDir::toNativeSeparators(QFileInfo(yedekYolu).absolutePath()))),
                    MesajSimgesi::Kritik);
        return false;
    }
    const QString kenar = kenarAdı(veritabanıYolu, QStringLiteral("bozuk"));
    QString soru = ad + durum +
                   (bozukluk ? QStringLiteral("; bozuk dosya ") + tırnaklı(QFileInfo(kenar).fileName()) +
                                   QStringLiteral(" adıyla saklanacak")
                             : QString()) +
                   QStringLiteral(".\r\n");
    if (sağlam->gün.isValid())
        soru += tırnaklı(YedekAdı) +
                (DosyaVarMı(yedekYolu) ? QStringLiteral(" adlı son yedeğiniz de bozuk; ")
                                       : QStringLiteral(" adlı son yedeğiniz bulunamadı; ")) +
                sağlam->gün.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" tarihli ") +
                tırnaklı(QFileInfo(sağlam->yol).fileName()) + QStringLiteral(" yedeğiniz sağlam.\r\nBu yedekten");
    else
        soru += QStringLiteral("Yedekten");
    if (!EvetMi(soru + QStringLiteral(" oluşturulsun mu?"))) return false;
    return HataYönetimiyle([&] {
        // the damaged file and a journal left beside it go aside together: an old
        // journal would otherwise be played back into the restored store
        if (bozukluk && !QFile::rename(veritabanıYolu, kenar))
            throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Bozuk dosya saklanamadı: %1").arg(kenar));
        const QString günlük = veritabanıYolu + QStringLiteral("-journal");
        if (QFileInfo::exists(günlük) && !QFile::rename(günlük, kenar + QStringLiteral("-journal")))
            throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Günlük dosyası saklanamadı: %1").arg(günlük));
        yedektenGeriYükle(sağlam->yol, veritabanıYolu);
        QFile::remove(bozuklukİşareti(veritabanıYolu));
    });
}

// ---- The daily backup ----

// A copy whose keys went back from those of a sound backup is an older store or
// another one: a store never hands out a key twice.
bool anahtarlarıGeride(const QHash<QString, std::int64_t>& eski, const QHash<QString, std::int64_t>& yeni) {
    for (auto it = eski.cbegin(); it != eski.cend(); ++it)
        if (yeni.value(it.key(), 0) < it.value()) return true;
    return false;
}

// Puts the checked copy in the newest backup's place. The newest backup, unless it failed
// its check (eskisiSaklanır false), is kept under the day it was made; it keeps its own
// name until the copy takes it.
void yedeğinYerineKoy(const QString& kopya, const QString& yedekYolu, bool eskisiSaklanır) {
    const QFileInfo b(yedekYolu);
    if (eskisiSaklanır && b.exists()) numarasıylaSakla(yedekYolu, yedekYolu, Tür::Tarihli, b.lastModified().date(), true);
    yeniAdVer(kopya, yedekYolu);
}

// After the warning that the store went back: the clerk may confirm it is the right one.
void geriGitmeyiBildir(const YedekSonucu& s, const QString& yedekYolu) {
    if (VeriTabanı.işlemde()) {  // never a box inside a write
        QTimer::singleShot(100, qApp, [s, yedekYolu] { geriGitmeyiBildir(s, yedekYolu); });
        return;
    }
    MesajGöster(QStringLiteral("Veritabanı dosyanız son yedeğinizden daha eski görünüyor; yerine başka bir dosya "
                               "konmuş olabilir.\r\nSon yedeğiniz değiştirilmedi: %1\r\n")
                        .arg(QDir::toNativeSeparators(s.ölçü)) +
                    (s.saklanan.isEmpty() ? QStringLiteral("Bugünkü kopyası saklanamadı.")
                                          : QStringLiteral("Bugünkü kopyası ayrıca saklandı: %1")
                                                .arg(QDir::toNativeSeparators(s.saklanan))),
                MesajSimgesi::Ünlem);
    if (s.saklanan.isEmpty()) return;
    const auto cevap = MesajGöster(QStringLiteral("Kullandığınız veritabanı dosyası doğru dosya ise bugünkü kopyası "
                                                  "son yedeğiniz olsun mu?\r\nŞimdiki son yedeğiniz tarihli adıyla "
                                                  "saklanır."),
                                   MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır, QString(), MesajCevabı::Hayır);
    if (cevap == MesajCevabı::Evet) HataYönetimiyle([&] { KopyayıSonYedekYap(s.saklanan, yedekYolu); });
}

std::function<void()> yedekSonucunuBildiren(const QString& veritabanıYolu, const QString& yedekYolu) {
    try {
        const YedekSonucu s = GünlükYedekYaz(veritabanıYolu, yedekYolu);
        if (s.yazıldı) return [] {};
        return [s, yedekYolu] { geriGitmeyiBildir(s, yedekYolu); };
    } catch (const DeporaHatası& h) {
        return [h] { HataYönet(h); };
    } catch (const std::exception& e) {
        return [h = DeporaHatası(HataNo::YedekYazılamadı, QString::fromLocal8Bit(e.what()))] { HataYönet(h); };
    }
}

std::function<QDateTime()>& bakımSaati() {
    static std::function<QDateTime()> saat;
    return saat;
}

std::thread& yedekİşi() {
    static std::thread t;
    return t;
}

}  // namespace

bool BozukluğuKaydet(const QString& veritabanıYolu) {
    QFile f(bozuklukİşareti(veritabanıYolu));
    return f.open(QIODevice::WriteOnly) &&
           f.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n') > 0 && f.flush();
}

QDateTime BakımSaati() { return bakımSaati() ? bakımSaati()() : QDateTime::currentDateTime(); }
void BakımSaatiniKur(std::function<QDateTime()> saat) { bakımSaati() = std::move(saat); }

bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu) {
    if (!DosyaVarMı(yedekYolu) || QFileInfo(yedekYolu).size() == 0) return true;
    const QDateTime şimdi = BakımSaati(), yazıldı = QFileInfo(veritabanıYolu).lastModified();
    return yazıldı < QDateTime(şimdi.date(), QTime(0, 0)) || yazıldı > şimdi;
}

VeritabanıHazırlığı VeritabanınıHazırla(const QString& veritabanıYolu, const QString& yedekYolu) {
    YedekDosyası = yedekYolu;
    kalıntılarıSil(yedekYolu, "yeni");
    kalıntılarıSil(yedekYolu, "gun");
    kalıntılarıSil(veritabanıYolu, "geri");
    // due or not is judged before opening, which may add indexes to the store
    VeritabanıHazırlığı h{true, GünlükYedekGerekli(veritabanıYolu, yedekYolu)};
    const QString işaret = bozuklukİşareti(veritabanıYolu);
    std::optional<DeporaHatası> bozukluk;
    const bool vardı = DosyaVarMı(veritabanıYolu);
    if (vardı && !HataYönetimiyle([&] { bozukluk = açıpDenetle(veritabanıYolu, DosyaVarMı(işaret)); })) return {};
    if (!vardı || bozukluk) {
        if (!yedektenOluştur(veritabanıYolu, yedekYolu, bozukluk)) return {};
        h.yedekGerekli = GünlükYedekGerekli(veritabanıYolu, yedekYolu);
        if (!HataYönetimiyle([&] { bozukluk = açıpDenetle(veritabanıYolu, false); })) return {};
        if (bozukluk) {  // the backup was checked: only a file changed meanwhile gets here
            HataYönet(*bozukluk);
            return {};
        }
    }
    QFile::remove(işaret);  // every page passed, or the store was restored
    return h;
}

YedekSonucu GünlükYedekYaz(const QString& veritabanıYolu, const QString& yedekYolu) {
    const QString geçici = geçiciAd(yedekYolu, "yeni");
    try {
        const QString klasör = QFileInfo(yedekYolu).absolutePath();
        if (!QDir().mkpath(klasör))
            throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("Klasör oluşturulamadı: %1").arg(klasör));
        QFile::remove(geçici);
        std::future<std::optional<QHash<QString, std::int64_t>>> sonYedeğinki;
        {
            VeritabanıBağlantısı kaynak;
            kaynak.saltOkunurAç(veritabanıYolu);
            // a store the newest backup already holds byte for byte: nothing new to keep
            if (QFileInfo::exists(yedekYolu) && kaynak.dosyasıAynıMı(yedekYolu)) {
                KuşaklarıAyıkla(yedekYolu, BakımSaati().date());
                return {};
            }
            sonYedeğinki = std::async(std::launch::async, sayaçları, yedekYolu, false);  // read beside the copy
            kaynak.dosyaKopyasıYaz(geçici);
        }
        {
            QFile f(geçici);  // dated by the clock the keeping reads, which is the system's
            if (f.open(QIODevice::ReadWrite)) f.setFileTime(BakımSaati(), QFileDevice::FileModificationTime);
        }
        // the copy holds the store's very bytes: a page that fails here is damaged in the store
        QHash<QString, std::int64_t> sayaçlar;
        {
            VeritabanıBağlantısı kopya;
            kopya.saltOkunurAç(geçici);
            kopya.sağlamlığıDenetle(TemelTablolar(), true);
            sayaçlar = kopya.anahtarSayaçları();
        }
        // Only a backup that passes its check is a measure. The newest is checked only when the copy
        // is behind it or it cannot be read: otherwise the copy takes its place whatever it holds.
        std::optional<SağlamYedek> ölçü;
        bool eskisiSağlam = true;
        if (const auto eski = sonYedeğinki.get(); !eski || anahtarlarıGeride(*eski, sayaçlar)) {
            ölçü = enYeniSağlamYedek(yedekYolu);
            eskisiSağlam = ölçü && ölçü->yol == yedekYolu;
        }
        YedekSonucu sonuç;
        if (ölçü && anahtarlarıGeride(ölçü->sayaçlar, sayaçlar)) {
            sonuç.yazıldı = false;
            sonuç.ölçü = ölçü->yol;
            // the same store as the copy kept last adds none, so the copies kept are of other states
            const auto kopyalar = yedekler(yedekYolu, Tür::EskiDepo);
            if (!kopyalar.empty() && DosyalarAynıMı(geçici, kopyalar.back().yol)) sonuç.saklanan = kopyalar.back().yol;
            try {
                if (sonuç.saklanan.isEmpty())
                    sonuç.saklanan = numarasıylaSakla(geçici, yedekYolu, Tür::EskiDepo, BakımSaati().date(), false);
            } catch (const DeporaHatası&) {
                // the clerk is told it was not kept
            }
            QFile::remove(geçici);
            eskiDepoKopyalarınıAyıkla(yedekYolu);
        } else {
            yedeğinYerineKoy(geçici, yedekYolu, eskisiSağlam);
        }
        KuşaklarıAyıkla(yedekYolu, BakımSaati().date());
        return sonuç;
    } catch (const DeporaHatası& h) {
        QFile::remove(geçici);
        // the store itself is fine unless its pages are damaged: any other failure
        // is a backup that could not be written, never "cannot open the store"
        if (h.numara() == HataNo::VeritabanıBozuk) throw;
        throw DeporaHatası(HataNo::YedekYazılamadı, h.açıklama());
    }
}

void KopyayıSonYedekYap(const QString& kopya, const QString& yedekYolu) {
    // the newest backup may have been the one found damaged: it is kept only when it passes its check
    yedeğinYerineKoy(kopya, yedekYolu, sayaçları(yedekYolu, true).has_value());
}

void KuşaklarıAyıkla(const QString& yedekYolu, const QDate& bugün) {
    // The day each dated backup counts in, oldest made first: the day it was made when that is
    // later than the day the one made before it counts in; otherwise that one's day, while the day
    // counts fewer than 3 backups (a day's first start and a store put back and confirmed make no
    // more), else the day after. So a clock set back, or one that starts at the same date every
    // morning, takes no more days than the same starts would under the right clock, and a day never
    // piles up backups. One dated after today sets the pace of those made after it but is neither
    // counted nor removed.
    constexpr int GündeEnÇok = 3;
    struct Sayılan {
        QDate gün, ad;  // the day it counts in, the day in its name
        QString yol;
    };
    std::vector<Sayılan> sayılanlar;
    QDate gün;
    int gündekiler = 0;
    for (const Yedek& y : yedekler(yedekYolu, Tür::Tarihli)) {
        if (!gün.isValid() || y.gün > gün) {
            gün = y.gün;
            gündekiler = 0;
        } else if (gündekiler == GündeEnÇok) {
            gün = gün.addDays(1);
            gündekiler = 0;
        }
        ++gündekiler;
        if (y.gün <= bugün) sayılanlar.push_back({gün, y.gün, y.yol});
    }
    // Every backup of the 7 newest days stays (the days run in the order made) ...
    QList<QDate> günler;  // newest first
    for (auto y = sayılanlar.rbegin(); y != sayılanlar.rend(); ++y)
        if (günler.isEmpty() || günler.back() != y->gün) günler << y->gün;
    const QDate yedinciGün = günler.value(std::min<qsizetype>(6, günler.size() - 1));
    // ... and the newest of each of the 12 latest months in the names that hold one: the one made
    // last, and, where the clock went back within the month, the first made of the latest date.
    std::map<int, std::pair<size_t, size_t>, std::greater<>> aylar;  // month: made last, latest date
    for (size_t i = 0; i < sayılanlar.size(); ++i) {
        const QDate& ad = sayılanlar[i].ad;
        auto [a, yeni] = aylar.try_emplace(ad.year() * 12 + ad.month(), i, i);
        if (yeni) continue;
        a->second.first = i;
        if (ad > sayılanlar[a->second.second].ad) a->second.second = i;
    }
    std::set<size_t> ayınEnYenileri;
    int ay = 0;
    for (auto a = aylar.begin(); a != aylar.end() && ay < 12; ++a, ++ay)
        ayınEnYenileri.insert({a->second.first, a->second.second});
    for (size_t i = 0; i < sayılanlar.size(); ++i)
        if (sayılanlar[i].gün < yedinciGün && !ayınEnYenileri.count(i)) QFile::remove(sayılanlar[i].yol);
}

void GünlükYedekAl(const QString& veritabanıYolu, const QString& yedekYolu) {
    yedekSonucunuBildiren(veritabanıYolu, yedekYolu)();
}

void GünlükYedeğiArkadaAl(const QString& veritabanıYolu, const QString& yedekYolu) {
    GünlükYedeğiBekle();
    yedekİşi() = std::thread([veritabanıYolu, yedekYolu] {
        QMetaObject::invokeMethod(qApp, yedekSonucunuBildiren(veritabanıYolu, yedekYolu), Qt::QueuedConnection);
    });
}

void GünlükYedeğiBekle() {
    if (yedekİşi().joinable()) yedekİşi().join();
}
