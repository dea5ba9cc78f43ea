#include "shell/BaşlangıçModülü.h"

#include "platform/Masaüstü.h"
#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "shell/AnaForm.h"
#include "shell/DepoBakımı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişŞifresiSorFormu.h"
#include "shell/KarşılamaFormu.h"
#include "shell/KaynakMetinleri.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/TercihlerFormu.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

const QString VeritabanıAdı = QStringLiteral("Ambar.vtb");
const QString YedekAdı = QStringLiteral("Ambar.ydk");
const QString YedekKlasörü = QStringLiteral("Orvelta/Vtb Yedekleri/");

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

QString KullanıcıVeriKlasörü() {
    QString k = KayıtDefteriDeğeriOku(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                                      QStringLiteral("ProgramFilesDir"));
    if (!k.endsWith(QLatin1Char('/'))) k += QLatin1Char('/');
    return k;
}

bool DosyaVarMı(const QString& yol) { return QFileInfo::exists(yol); }

bool GirişŞifresiAyarlı() {
    const QString bayrak = AyarOku(QStringLiteral("Ayarlar"), QStringLiteral("Giris Sifresi Sor"), QStringLiteral("0"));
    const bool açık = bayrak.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || bayrak.toInt() != 0;
    return açık && !AyarOku(QStringLiteral("Ayarlar"), QStringLiteral("Giris Sifresi")).isEmpty();
}

int Main(QApplication& uygulama) {
    // The title carries the program's version; every box is titled with it.
    ProgramBaşlığı = ProgramBaşlığınıYap(DEPORA_SURUM_BUYUK, DEPORA_SURUM_KUCUK, DEPORA_SURUM_DUZELTME);
    MesajKapısı::başlığıAyarla(ProgramBaşlığı);
    uygulama.setApplicationDisplayName(QString());

    // One copy runs for a user: a second start brings the first to the front and ends.
    if (!Masaüstü::tekÖrnekOl(ProgramBaşlığı, anaFormuÖneGetir)) return 0;

    // The splash window, painted once; a screen too low ends the start.
    QPointer<KarşılamaFormu> karşılama = new KarşılamaFormu;
    const bool ekranUygun = karşılama->Form_Load();
    if (!ekranUygun) return 0;
    karşılama->show();
    QApplication::processEvents();

    // No system version to refuse here.
    WindowsNT = true;

    // The store beside the program, its backups in the user's data folder: the store is
    // checked, restored when missing or damaged, and opened.
    ProgramKlasörü = Masaüstü::programKlasörü();
    const QString veritabanıYolu = ProgramKlasörü + VeritabanıAdı;
    const QString yedekYolu = KullanıcıVeriKlasörü() + YedekKlasörü + YedekAdı;
    const VeritabanıHazırlığı hazırlık = VeritabanınıHazırla(veritabanıYolu, yedekYolu);
    if (!hazırlık) return 0;

    // The settings' name and the printer.
    UygulamaAdı = QStringLiteral("Orvelta\\Depora");
    YazıcıVar = !Yazıcılar().empty();
    if (YazıcıVar) GeçerliYazıcı().yazıTipiAdıKoy(QStringLiteral("Arial Tur"));

    // The preferences, then the main window (which closes the splash); the daily
    // backup, when due, runs beside it.
    TercihlerFormu::TercihleriYükle();
    auto* ana = new AnaForm;
    ana->setAttribute(Qt::WA_DeleteOnClose);
    ana->Form_Load(karşılama);
    struct YedekBekçisi {
        ~YedekBekçisi() { GünlükYedeğiBekle(); }
    } bekçi;
    if (hazırlık.yedekGerekli) GünlükYedeğiArkadaAl(veritabanıYolu, yedekYolu);

    // The start-up password, when one is set.
    GirişŞifresiSor = GirişŞifresiAyarlı();
    if (GirişŞifresiSor && !GirişŞifresiniSor(ana)) return 0;

    return uygulama.exec();
}
