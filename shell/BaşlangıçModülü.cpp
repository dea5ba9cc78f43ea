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

namespace {

const QString VeritabanıAdı = QStringLiteral("Ambar.vtb");
const QString YedekAdı = QStringLiteral("Ambar.ydk");
const QString YedekKlasörü = QStringLiteral("Orvelta/Vtb Yedekleri/");

// Copies the backup over the missing database, keeping the backup's
// modification time as a system copy does. Throws when the copy fails.
void yedektenGeriYükle(const QString& yedek, const QString& hedef) {
    const QString geçici = hedef + QStringLiteral(".geri");
    QFile::remove(geçici);
    if (!QFile::copy(yedek, geçici) || QFileInfo(geçici).size() != QFileInfo(yedek).size()) {
        QFile::remove(geçici);
        throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Yedek kopyalanamadı: %1").arg(yedek));
    }
    {
        QFile f(geçici);
        if (f.open(QIODevice::ReadWrite)) f.setFileTime(QFileInfo(yedek).lastModified(), QFileDevice::FileModificationTime);
    }
    if (!QFile::rename(geçici, hedef)) {
        QFile::remove(geçici);
        throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Yedek kopyalanamadı: %1").arg(hedef));
    }
}

void yedekYaz(const QString& veritabanıYolu, const QString& yedekYolu) {
    VeritabanıBağlantısı kaynak;
    kaynak.aç(veritabanıYolu);
    kaynak.sıkıştırılmışKopyaYaz(yedekYolu, TemelTablolar());
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

bool VeritabanınıHazırla(const QString& veritabanıYolu, const QString& yedekYolu) {
    const QString tırnaklıAd = QLatin1Char('"') + VeritabanıAdı + QLatin1Char('"');
    if (!DosyaVarMı(veritabanıYolu)) {
        if (!DosyaVarMı(yedekYolu)) {
            MesajGöster(tırnaklıAd + QLatin1Char(' ') + KaynakMetni(90), MesajSimgesi::Kritik);
            return false;
        }
        if (!EvetMi(tırnaklıAd + QStringLiteral(" adlı veritabanı dosyanız bulunamadı.\r\nYedekten oluşturulsun mu?")))
            return false;
        if (!HataYönetimiyle([&] { yedektenGeriYükle(yedekYolu, veritabanıYolu); })) return false;
    }

    if (GünlükYedekGerekli(veritabanıYolu, yedekYolu)) {
        const QString klasör = QFileInfo(yedekYolu).absolutePath();
        // a failed backup is reported; "Evet" goes on with the old backup in place
        HataYönetimiyle([&] {
            if (!QDir().mkpath(klasör))
                throw DeporaHatası(HataNo::YolBulunamadı, QStringLiteral("Klasör oluşturulamadı: %1").arg(klasör));
            yedekYaz(veritabanıYolu, yedekYolu);
        });
    }

    // Without a connection the program cannot go on: a failure the error routine
    // has no fixed message for (a file held by another user, a read error) ends
    // with the message of a file that cannot be opened.
    return HataYönetimiyle([&] {
        try {
            VeriTabanı.aç(veritabanıYolu);
        } catch (const DeporaHatası& h) {
            switch (h.numara()) {
            case HataNo::ŞifreYanlış:
            case HataNo::AğBağlantısı:
            case HataNo::YolBulunamadı:
            case HataNo::DosyayaErişilemiyor: throw;
            default: throw DeporaHatası(HataNo::DosyayaErişilemiyor, h.açıklama());
            }
        }
    });
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

    // 6-10. Files, restore, daily backup, the connection.
    ProgramKlasörü = Masaüstü::programKlasörü();
    const QString veritabanıYolu = ProgramKlasörü + VeritabanıAdı;
    const QString yedekYolu = ProgramDosyalarıKlasörü() + YedekKlasörü + YedekAdı;
    if (!VeritabanınıHazırla(veritabanıYolu, yedekYolu)) return 0;

    // 11-12. Settings name and printer.
    UygulamaAdı = QStringLiteral("Orvelta\\Depora");
    YazıcıVar = !Yazıcılar().empty();
    if (YazıcıVar) GeçerliYazıcı().yazıTipiAdıKoy(QStringLiteral("Arial Tur"));

    // 13-14. Preferences, then the main window (which closes the splash).
    TercihlerFormu::TercihleriYükle();
    auto* ana = new AnaForm;
    ana->setAttribute(Qt::WA_DeleteOnClose);
    ana->Form_Load(karşılama);

    // 15-16. The start-up password.
    GirişŞifresiSor = GirişŞifresiAyarlı();
    if (GirişŞifresiSor && !GirişŞifresiniSor(ana)) return 0;

    return uygulama.exec();
}
