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

// ---- Files beside the newest backup ----

// One whose name carries a stamp: Ambar-2026-12-07.ydk, Ambar-eski-depo-20261207-104500-2.ydk.
struct Damgalı {
    QString damga;  // sorts as it reads
    int sıra;       // 1, or the n of a second, third... of the same stamp
    QString yol;
};

// The files named <base>-<önek><stamp>[-n].<suffix> beside the newest backup, newest first.
std::vector<Damgalı> damgalılar(const QString& yedekYolu, const QString& önek, const QString& damgaKalıbı) {
    const QFileInfo b(yedekYolu);
    const QRegularExpression kalıp(QStringLiteral("^%1-%2(%3)(?:-(\\d+))?\\.%4$")
                                       .arg(QRegularExpression::escape(b.completeBaseName()),
                                            QRegularExpression::escape(önek), damgaKalıbı,
                                            QRegularExpression::escape(b.suffix())));
    std::vector<Damgalı> l;
    for (const QString& ad : b.dir().entryList(QDir::Files))
        if (const auto e = kalıp.match(ad); e.hasMatch())
            l.push_back({e.captured(1), e.captured(2).isEmpty() ? 1 : e.captured(2).toInt(), b.dir().filePath(ad)});
    std::sort(l.begin(), l.end(), [](const Damgalı& a, const Damgalı& b) {
        return a.damga != b.damga ? a.damga > b.damga : a.sıra > b.sıra;
    });
    return l;
}

// ---- Dated backups: one a day ----

struct Kuşak {
    QDate gün;
    QString yol;
};

QString kuşakAdı(const QString& yedekYolu, const QDate& gün) {
    const QFileInfo b(yedekYolu);
    return b.absolutePath() + QLatin1Char('/') + b.completeBaseName() + QLatin1Char('-') + gün.toString(Qt::ISODate) +
           QLatin1Char('.') + b.suffix();
}

// The dated backups, newest first; of a day (earlier versions kept several) the last made first.
std::vector<Kuşak> kuşaklar(const QString& yedekYolu) {
    std::vector<Kuşak> l;
    for (const Damgalı& d : damgalılar(yedekYolu, QString(), QStringLiteral("\\d{4}-\\d{2}-\\d{2}")))
        if (const QDate gün = QDate::fromString(d.damga, Qt::ISODate); gün.isValid()) l.push_back({gün, d.yol});
    return l;
}

// Keeps the newest backup as the backup of the day it was written, over what that
// day kept before; it keeps its own name too until a copy takes it (where the
// file system has links: otherwise it is moved).
void günününYedeğiYap(const QString& yedekYolu) {
    const QDate gün = QFileInfo(yedekYolu).lastModified().date();
    const QString ad = kuşakAdı(yedekYolu, gün), bağ = geçiciAd(yedekYolu, "gun");
    QFile::remove(bağ);
    if (::link(QFile::encodeName(yedekYolu).constData(), QFile::encodeName(bağ).constData()) == 0)
        yeniAdVer(bağ, ad);
    else
        yeniAdVer(yedekYolu, ad);
    for (const Kuşak& k : kuşaklar(yedekYolu))
        if (k.gün == gün && k.yol != ad) QFile::remove(k.yol);
}

// ---- Copies of a store that went back ----

// They are kept apart from the day's backups, under names of their own that say what
// they are: Ambar-eski-depo-20261207-104500.ydk. Never a measure, never restored from,
// never counted as a day's backup; the newest few stay.
const QString EskiDepoKopyası = QStringLiteral("eski-depo");
constexpr int SaklananEskiDepoKopyası = 3;

void eskiDepoKopyalarınıAyıkla(const QString& yedekYolu) {
    const auto kopyalar = damgalılar(yedekYolu, EskiDepoKopyası + QLatin1Char('-'), QStringLiteral("\\d{8}-\\d{6}"));
    for (size_t i = SaklananEskiDepoKopyası; i < kopyalar.size(); ++i) QFile::remove(kopyalar[i].yol);
}

// ---- Checks ----

// The keys a backup has handed out; none when it cannot be read or, with denetle,
// when it fails its check (key, tables, every page).
std::optional<QHash<QString, std::int64_t>> sayaçları(const QString& yol, bool denetle) {
    try {
        if (!QFileInfo::exists(yol)) return std::nullopt;
        VeritabanıBağlantısı yedek;
        yedek.saltOkunurAç(yol);
        if (denetle) yedek.sağlamlığıDenetle(TemelTablolar(), true);
        return yedek.anahtarSayaçları();
    } catch (const DeporaHatası&) {
        return std::nullopt;
    }
}

// The newest backup that passes its check: Ambar.ydk, else the newest dated one (gün set).
struct SağlamYedek {
    QString yol;
    QDate gün;
    QHash<QString, std::int64_t> sayaçlar;  // the keys it has handed out
};
std::optional<SağlamYedek> enYeniSağlamYedek(const QString& yedekYolu) {
    if (auto s = sayaçları(yedekYolu, true)) return SağlamYedek{yedekYolu, QDate(), *s};
    for (const Kuşak& k : kuşaklar(yedekYolu))
        if (auto s = sayaçları(k.yol, true)) return SağlamYedek{k.yol, k.gün, *s};
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
                        QLatin1Char('-') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
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
    const bool tarihliVar = !kuşaklar(yedekYolu).empty();
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
                        QStringLiteral(" adlı yedeğiniz de bozuk olduğu için yedekten oluşturulamıyor!\n"
                                       "Yedeğiniz: %1")
                            .arg(QDir::toNativeSeparators(yedekYolu)) +
                        (tarihliVar ? QStringLiteral("\nÖnceki günlerin yedekleri de bozuk.") : QString()),
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

// What becomes of the newest backup when a copy takes its place.
enum class EskiYedek {
    Atılır,               // it failed its check
    DündenseSaklanır,     // kept as its day's backup, unless written today: the copy is then the day's
    Saklanır,             // kept as its day's backup whenever it was written
};

// Puts the checked copy in the newest backup's place. The newest backup stays in
// place until the copy takes its name.
void yedeğinYerineKoy(const QString& kopya, const QString& yedekYolu, EskiYedek eskisi) {
    const QFileInfo b(yedekYolu);
    if (b.exists() && (eskisi == EskiYedek::Saklanır ||
                       (eskisi == EskiYedek::DündenseSaklanır && b.lastModified().date() != QDate::currentDate())))
        günününYedeğiYap(yedekYolu);
    yeniAdVer(kopya, yedekYolu);
}

// After the warning that the store went back: the clerk may confirm it is the right one.
void geriGitmeyiBildir(const QString& yedekYolu, const QString& kopya) {
    if (VeriTabanı.işlemde()) {  // never a box inside a write
        QTimer::singleShot(100, qApp, [yedekYolu, kopya] { geriGitmeyiBildir(yedekYolu, kopya); });
        return;
    }
    MesajGöster(QStringLiteral("Veritabanı dosyanız son yedeğinizden daha eski görünüyor; yerine başka bir dosya "
                               "konmuş olabilir.\r\nSon yedeğiniz değiştirilmedi: %1\r\n")
                        .arg(QDir::toNativeSeparators(yedekYolu)) +
                    (kopya.isEmpty() ? QStringLiteral("Bugünkü kopyası saklanamadı.")
                                     : QStringLiteral("Bugünkü kopyası ayrıca saklandı: %1")
                                           .arg(QDir::toNativeSeparators(kopya))),
                MesajSimgesi::Ünlem);
    if (kopya.isEmpty()) return;
    const auto cevap = MesajGöster(QStringLiteral("Kullandığınız veritabanı dosyası doğru dosya ise bugünkü kopyası "
                                                  "son yedeğiniz olsun mu?\r\nŞimdiki son yedeğiniz tarihli adıyla "
                                                  "saklanır."),
                                   MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır, QString(), MesajCevabı::Hayır);
    if (cevap == MesajCevabı::Evet) HataYönetimiyle([&] { KopyayıSonYedekYap(kopya, yedekYolu); });
}

std::function<void()> yedekSonucunuBildiren(const QString& veritabanıYolu, const QString& yedekYolu) {
    try {
        const YedekSonucu s = GünlükYedekYaz(veritabanıYolu, yedekYolu);
        if (s.yazıldı) return [] {};
        return [yedekYolu, kopya = s.saklanan] { geriGitmeyiBildir(yedekYolu, kopya); };
    } catch (const DeporaHatası& h) {
        return [h] { HataYönet(h); };
    } catch (const std::exception& e) {
        return [h = DeporaHatası(HataNo::YedekYazılamadı, QString::fromLocal8Bit(e.what()))] { HataYönet(h); };
    }
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

bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu) {
    if (!DosyaVarMı(yedekYolu)) return true;
    const QDateTime bugün(QDate::currentDate(), QTime(0, 0));
    return QFileInfo(veritabanıYolu).lastModified() < bugün;
}

QString YedekKuşağı(const QString& yedekYolu, const QDate& gün) { return kuşakAdı(yedekYolu, gün); }

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
        auto sonYedeğinki = std::async(std::launch::async, sayaçları, yedekYolu, false);  // read beside the copy
        {
            VeritabanıBağlantısı kaynak;
            kaynak.saltOkunurAç(veritabanıYolu);
            kaynak.dosyaKopyasıYaz(geçici);
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
        bool geride = false, eskisiSağlam = true;
        if (const auto eski = sonYedeğinki.get(); !eski || anahtarlarıGeride(*eski, sayaçlar)) {
            const auto ölçü = enYeniSağlamYedek(yedekYolu);
            geride = ölçü && anahtarlarıGeride(ölçü->sayaçlar, sayaçlar);
            eskisiSağlam = ölçü && ölçü->yol == yedekYolu;
        }
        YedekSonucu sonuç;
        if (geride) {
            sonuç.yazıldı = false;
            const QString ad = kenarAdı(yedekYolu, EskiDepoKopyası);
            if (QFile::rename(geçici, ad)) sonuç.saklanan = ad;
            else QFile::remove(geçici);  // the clerk is told it was not kept
            eskiDepoKopyalarınıAyıkla(yedekYolu);
        } else {
            yedeğinYerineKoy(geçici, yedekYolu, eskisiSağlam ? EskiYedek::DündenseSaklanır : EskiYedek::Atılır);
        }
        KuşaklarıAyıkla(yedekYolu, QDate::currentDate());
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
    yedeğinYerineKoy(kopya, yedekYolu, sayaçları(yedekYolu, true) ? EskiYedek::Saklanır : EskiYedek::Atılır);
}

void KuşaklarıAyıkla(const QString& yedekYolu, const QDate& bugün) {
    const auto ayı = [](const QDate& g) { return g.year() * 12 + g.month(); };
    int günler = 0, enYeniAy = 0, öncekiAy = 0;
    QDate öncekiGün;
    for (const Kuşak& k : kuşaklar(yedekYolu)) {  // newest first
        if (k.gün > bugün) continue;
        if (k.gün == öncekiGün) {  // an earlier one of a day already kept
            QFile::remove(k.yol);
            continue;
        }
        öncekiGün = k.gün;
        const int ay = ayı(k.gün);
        if (!enYeniAy) enYeniAy = ay;
        const bool ayınEnYenisi = ay != öncekiAy && ay > enYeniAy - 12;
        öncekiAy = ay;
        if (++günler > 7 && !ayınEnYenisi) QFile::remove(k.yol);
    }
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
