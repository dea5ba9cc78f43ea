#include "shell/BaşlangıçModülü.h"

#include "platform/Masaüstü.h"
#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "shell/AnaForm.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişŞifresiSorFormu.h"
#include "shell/KarşılamaFormu.h"
#include "shell/KaynakMetinleri.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/TercihlerFormu.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <cstdio>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <set>
#include <thread>
#include <unistd.h>

namespace {

const QString VeritabanıAdı = QStringLiteral("Ambar.vtb");
const QString YedekAdı = QStringLiteral("Ambar.ydk");
const QString YedekKlasörü = QStringLiteral("Orvelta/Vtb Yedekleri/");

QString tırnaklı(const QString& ad) { return QLatin1Char('"') + ad + QLatin1Char('"'); }

void yeniAdVer(const QString& eski, const QString& yeni) {
    // replaces what bears the new name, in one step
    if (std::rename(QFile::encodeName(eski).constData(), QFile::encodeName(yeni).constData()) != 0)
        throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("%1 adı verilemedi: %2").arg(yeni, eski));
}

// What an interrupted copy left behind: the backup's and the restore's temporaries.
void kalıntılarıSil(const QString& veritabanıYolu, const QString& yedekYolu) {
    QFile::remove(yedekYolu + QStringLiteral(".yeni"));
    QFile::remove(veritabanıYolu + QStringLiteral(".geri"));
}

// Opens VeriTabanı and proves the file is a store. Returns the damage of a file
// that is not one (the connection closed); a failure that is no damage throws
// with a number the error routine ends the program on.
std::optional<DeporaHatası> açıpDenetle(const QString& yol) {
    try {
        VeriTabanı.aç(yol);
        VeriTabanı.sağlamlığıDenetle(TemelTablolar(), false);
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

// Why a backup cannot be restored (empty when it is sound): key, tables, every page.
QString yedekSorunu(const QString& yedekYolu) {
    try {
        VeritabanıBağlantısı yedek;
        yedek.saltOkunurAç(yedekYolu);
        yedek.sağlamlığıDenetle(TemelTablolar(), true);
        return {};
    } catch (const DeporaHatası& h) {
        return h.açıklama();
    }
}

// A name beside the store that no file bears: Ambar-bozuk-20261207-104500.vtb.
QString kenarAdı(const QString& veritabanıYolu) {
    const QFileInfo b(veritabanıYolu);
    const QString kök = b.absolutePath() + QLatin1Char('/') + b.completeBaseName() + QStringLiteral("-bozuk-") +
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString ad = kök + QStringLiteral(".vtb");
    for (int i = 2; QFileInfo::exists(ad) || QFileInfo::exists(ad + QStringLiteral("-journal")); ++i)
        ad = kök + QStringLiteral("-%1.vtb").arg(i);
    return ad;
}

// Copies the checked backup into the store's place through a temporary, keeping
// the backup's modification time as a system copy does. Throws when the copy fails.
void yedektenGeriYükle(const QString& yedek, const QString& hedef) {
    const QString geçici = hedef + QStringLiteral(".geri");
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

// Step 8 for a store that is missing (bozukluk empty) or damaged: a sound backup is
// copied into place when the user agrees. False: the program must end.
bool yedektenOluştur(const QString& veritabanıYolu, const QString& yedekYolu,
                     const std::optional<DeporaHatası>& bozukluk) {
    const QString ad = tırnaklı(VeritabanıAdı);
    if (!DosyaVarMı(yedekYolu)) {
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
    if (!yedekSorunu(yedekYolu).isEmpty()) {
        MesajGöster(ad + durum + QStringLiteral("; ") + tırnaklı(YedekAdı) +
                        QStringLiteral(" adlı yedeğiniz de bozuk olduğu için yedekten oluşturulamıyor!\n"
                                       "Yedeğiniz: %1\nÖnceki günlerin yedekleri aynı klasördedir.")
                            .arg(QDir::toNativeSeparators(yedekYolu)),
                    MesajSimgesi::Kritik);
        return false;
    }
    const QString kenar = kenarAdı(veritabanıYolu);
    const QString soru = bozukluk ? ad + durum + QStringLiteral("; bozuk dosya ") + tırnaklı(QFileInfo(kenar).fileName()) +
                                        QStringLiteral(" adıyla saklanacak.\r\nYedekten oluşturulsun mu?")
                                  : ad + durum + QStringLiteral(".\r\nYedekten oluşturulsun mu?");
    if (!EvetMi(soru)) return false;
    return HataYönetimiyle([&] {
        // the damaged file and a journal left beside it go aside together: an old
        // journal would otherwise be played back into the restored store
        if (bozukluk && !QFile::rename(veritabanıYolu, kenar))
            throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Bozuk dosya saklanamadı: %1").arg(kenar));
        const QString günlük = veritabanıYolu + QStringLiteral("-journal");
        if (QFileInfo::exists(günlük) && !QFile::rename(günlük, kenar + QStringLiteral("-journal")))
            throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Günlük dosyası saklanamadı: %1").arg(günlük));
        yedektenGeriYükle(yedekYolu, veritabanıYolu);
    });
}

// The keys the newest backup has handed out; none when there is no backup or it
// does not open (no better than any copy).
QHash<QString, std::int64_t> yedeğinSayaçları(const QString& yedekYolu) {
    try {
        if (!DosyaVarMı(yedekYolu)) return {};
        VeritabanıBağlantısı yedek;
        yedek.saltOkunurAç(yedekYolu);
        return yedek.anahtarSayaçları();
    } catch (const DeporaHatası&) {
        return {};
    }
}

// A copy whose keys went back from those of the newest backup is an older store
// or another one: a store never hands out a key twice.
bool anahtarlarıGeride(const QHash<QString, std::int64_t>& eski, const QHash<QString, std::int64_t>& yeni) {
    for (auto it = eski.cbegin(); it != eski.cend(); ++it)
        if (yeni.value(it.key(), 0) < it.value()) return true;
    return false;
}

// Keeps the dated backups of the last 7 days and the newest of each of the last
// 12 months; removes the other dated ones.
void eskiKuşaklarıAyıkla(const QString& yedekYolu) {
    const QFileInfo b(yedekYolu);
    const QRegularExpression kalıp(QStringLiteral("^%1-(\\d{4}-\\d{2}-\\d{2})\\.%2$")
                                       .arg(QRegularExpression::escape(b.completeBaseName()),
                                            QRegularExpression::escape(b.suffix())));
    const QDate bugün = QDate::currentDate();
    const int buAy = bugün.year() * 12 + bugün.month();
    std::map<QDate, QString, std::greater<>> kuşaklar;  // newest first
    for (const QString& ad : b.dir().entryList(QDir::Files)) {
        const auto e = kalıp.match(ad);
        const QDate gün = e.hasMatch() ? QDate::fromString(e.captured(1), Qt::ISODate) : QDate();
        if (gün.isValid()) kuşaklar.emplace(gün, b.dir().filePath(ad));
    }
    std::set<int> tutulanAylar;
    for (const auto& [gün, yol] : kuşaklar) {
        if (gün > bugün.addDays(-7)) continue;
        const int ay = gün.year() * 12 + gün.month();
        if (ay > buAy - 12 && tutulanAylar.insert(ay).second) continue;
        QFile::remove(yol);
    }
}

std::function<void()> yedekSonucunuBildiren(const QString& veritabanıYolu, const QString& yedekYolu) {
    try {
        if (GünlükYedekYaz(veritabanıYolu, yedekYolu) == YedekSonucu::Yazıldı) return [] {};
        const QString kuşak = QDir::toNativeSeparators(YedekKuşağı(yedekYolu, QDate::currentDate()));
        return [yedek = QDir::toNativeSeparators(yedekYolu), kuşak] {
            MesajGöster(QStringLiteral("Veritabanı dosyanız son yedeğinizden daha eski görünüyor; yerine başka bir "
                                       "dosya konmuş olabilir.\r\nSon yedeğiniz değiştirilmedi: %1\r\n"
                                       "Bugünkü kopyası ayrıca saklandı: %2")
                            .arg(yedek, kuşak),
                        MesajSimgesi::Ünlem);
        };
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

void anaFormuÖneGetir() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != QStringLiteral("AnaForm")) continue;
        w->showNormal();
        w->raise();
        w->activateWindow();
    }
}

}  // namespace

QString ProgramBaşlığınıYap(int büyük, int küçük, int düzeltme) {
    return KaynakMetni(10) + QStringLiteral(" %1.%2%3 (Sunucu)").arg(büyük).arg(küçük).arg(düzeltme);
}

QString ProgramDosyalarıKlasörü() {
    QString k = KayıtDefteriDeğeriOku(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                                      QStringLiteral("ProgramFilesDir"));
    if (!k.endsWith(QLatin1Char('/'))) k += QLatin1Char('/');
    return k;
}

bool DosyaVarMı(const QString& yol) { return QFileInfo::exists(yol); }

bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu) {
    if (!DosyaVarMı(yedekYolu)) return true;
    const QDateTime bugün(QDate::currentDate(), QTime(0, 0));
    return QFileInfo(veritabanıYolu).lastModified() < bugün;
}

QString YedekKuşağı(const QString& yedekYolu, const QDate& gün) {
    const QFileInfo b(yedekYolu);
    return b.absolutePath() + QLatin1Char('/') + b.completeBaseName() + QLatin1Char('-') +
           gün.toString(Qt::ISODate) + QLatin1Char('.') + b.suffix();
}

VeritabanıHazırlığı VeritabanınıHazırla(const QString& veritabanıYolu, const QString& yedekYolu) {
    YedekDosyası = yedekYolu;
    kalıntılarıSil(veritabanıYolu, yedekYolu);
    // due or not is judged before opening, which may add indexes to the store
    VeritabanıHazırlığı h{true, GünlükYedekGerekli(veritabanıYolu, yedekYolu)};
    std::optional<DeporaHatası> bozukluk;
    const bool vardı = DosyaVarMı(veritabanıYolu);
    if (vardı && !HataYönetimiyle([&] { bozukluk = açıpDenetle(veritabanıYolu); })) return {};
    if (!vardı || bozukluk) {
        if (!yedektenOluştur(veritabanıYolu, yedekYolu, bozukluk)) return {};
        h.yedekGerekli = GünlükYedekGerekli(veritabanıYolu, yedekYolu);
        if (!HataYönetimiyle([&] { bozukluk = açıpDenetle(veritabanıYolu); })) return {};
        if (bozukluk) {  // the backup was checked: only a file changed meanwhile gets here
            HataYönet(*bozukluk);
            return {};
        }
    }
    return h;
}

YedekSonucu GünlükYedekYaz(const QString& veritabanıYolu, const QString& yedekYolu) {
    const QString geçici = yedekYolu + QStringLiteral(".yeni");
    try {
        const QString klasör = QFileInfo(yedekYolu).absolutePath();
        if (!QDir().mkpath(klasör))
            throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("Klasör oluşturulamadı: %1").arg(klasör));
        QFile::remove(geçici);
        // read beside the copy and its check
        auto eskiSayaçlar = std::async(std::launch::async, yedeğinSayaçları, yedekYolu);
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
        YedekSonucu sonuç = YedekSonucu::Yazıldı;
        if (anahtarlarıGeride(eskiSayaçlar.get(), sayaçlar)) {
            // kept beside, never over a dated backup of today
            if (!QFile::rename(geçici, YedekKuşağı(yedekYolu, QDate::currentDate()))) QFile::remove(geçici);
            sonuç = YedekSonucu::EskisiKorundu;
        } else {
            if (DosyaVarMı(yedekYolu)) {
                // the newest backup stays in place until the new one takes its name
                const QString kuşak = YedekKuşağı(yedekYolu, QFileInfo(yedekYolu).lastModified().date());
                QFile::remove(kuşak);
                if (::link(QFile::encodeName(yedekYolu).constData(), QFile::encodeName(kuşak).constData()) != 0)
                    yeniAdVer(yedekYolu, kuşak);
            }
            yeniAdVer(geçici, yedekYolu);
        }
        eskiKuşaklarıAyıkla(yedekYolu);
        return sonuç;
    } catch (const DeporaHatası& h) {
        QFile::remove(geçici);
        // the store itself is fine unless its pages are damaged: any other failure
        // is a backup that could not be written, never "cannot open the store"
        if (h.numara() == HataNo::VeritabanıBozuk) throw;
        throw DeporaHatası(HataNo::YedekYazılamadı, h.açıklama());
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

bool GirişŞifresiAyarlı() {
    const QString bayrak = AyarOku(QStringLiteral("Ayarlar"), QStringLiteral("Giris Sifresi Sor"), QStringLiteral("0"));
    const bool açık = bayrak.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || bayrak.toInt() != 0;
    return açık && !AyarOku(QStringLiteral("Ayarlar"), QStringLiteral("Giris Sifresi")).isEmpty();
}

int Main(QApplication& uygulama) {
    // 1-2. Visual styles need nothing here; the title from the program's version.
    ProgramBaşlığı = ProgramBaşlığınıYap(DEPORA_SURUM_BUYUK, DEPORA_SURUM_KUCUK, DEPORA_SURUM_DUZELTME);
    MesajKapısı::başlığıAyarla(ProgramBaşlığı);
    uygulama.setApplicationDisplayName(QString());

    // 3. One running copy: a second start raises the first and ends.
    if (!Masaüstü::tekÖrnekOl(ProgramBaşlığı, anaFormuÖneGetir)) return 0;

    // 4. The splash window, painted once.
    QPointer<KarşılamaFormu> karşılama = new KarşılamaFormu;
    const bool ekranUygun = karşılama->Form_Load();
    if (!ekranUygun) return 0;
    karşılama->show();
    QApplication::processEvents();

    // 5. The system-version test has no meaning here.
    WindowsNT = true;

    // 6-10. Files, restore, the connection; the daily backup once the main window shows.
    ProgramKlasörü = Masaüstü::programKlasörü();
    const QString veritabanıYolu = ProgramKlasörü + VeritabanıAdı;
    const QString yedekYolu = ProgramDosyalarıKlasörü() + YedekKlasörü + YedekAdı;
    const VeritabanıHazırlığı hazırlık = VeritabanınıHazırla(veritabanıYolu, yedekYolu);
    if (!hazırlık) return 0;

    // 11-12. Settings name and printer.
    UygulamaAdı = QStringLiteral("Orvelta\\Depora");
    YazıcıVar = !Yazıcılar().empty();
    if (YazıcıVar) GeçerliYazıcı().yazıTipiAdıKoy(QStringLiteral("Arial Tur"));

    // 13-14. Preferences, then the main window (which closes the splash).
    TercihlerFormu::TercihleriYükle();
    auto* ana = new AnaForm;
    ana->setAttribute(Qt::WA_DeleteOnClose);
    ana->Form_Load(karşılama);
    struct YedekBekçisi {
        ~YedekBekçisi() { GünlükYedeğiBekle(); }
    } bekçi;
    if (hazırlık.yedekGerekli) GünlükYedeğiArkadaAl(veritabanıYolu, yedekYolu);

    // 15-16. The start-up password.
    GirişŞifresiSor = GirişŞifresiAyarlı();
    if (GirişŞifresiSor && !GirişŞifresiniSor(ana)) return 0;

    return uygulama.exec();
}
