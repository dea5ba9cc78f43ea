// Start-up and the daily backup on the large store (1,000,000 movements over
// five years, the four past years archived; see BüyükDepo.h) against a start on
// an empty store and against a plain file copy of the same file, in the same run.
#include "bench/BüyükDepo.h"
#include "platform/VeritabanıBağlantısı.h"
#include "shell/AnaForm.h"
#include "shell/ArşivModülü.h"
#include "shell/DepoBakımı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/TercihlerFormu.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

// A copy of the large store to work on (the cached one stays as it was made),
// opened once as the program opens it, so it holds every index the program adds.
QString büyükDepoKopyası() {
    const QString yol = klasör().path() + "/buyuk/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör().path() + "/buyuk");
    QFile::copy(büyükDepo(), yol);
    VeritabanıBağlantısı vt;
    vt.aç(yol);
    return yol;
}

QString boşDepo() {
    const QString yol = klasör().path() + "/bos/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör().path() + "/bos");
    VeritabanıBağlantısı vt;
    vt.yeniOluştur(yol);
    TemelTablolarıOluştur(vt);
    return yol;
}

void değişmeZamanıKoy(const QString& yol, const QDateTime& zaman) {
    QFile f(yol);
    f.open(QIODevice::ReadWrite);
    f.setFileTime(zaman, QFileDevice::FileModificationTime);
}

// From the store's files to the main window shown: the checks and the
// connection, the preferences, the main window with its archive state, and
// (yedekli) the start of the daily backup, which runs on beside the window.
void AnaPencereyeKadar(benchmark::State& durum, bool büyük, bool yedekli) {
    const QString yol = büyük ? büyükDepoKopyası() : boşDepo();
    const QString yedek = QFileInfo(yol).absolutePath() + "/yedek/Ambar.ydk";
    QDir().mkpath(QFileInfo(yedek).absolutePath());
    if (!QFile::exists(yedek)) QFile::copy(yol, yedek);
    // the first start adds the indexes of the archive check
    if (VeritabanınıHazırla(yol, yedek)) VeriTabanı.kapat();
    for (auto _ : durum) {
        durum.PauseTiming();
        değişmeZamanıKoy(yol, yedekli ? QDateTime::currentDateTime().addDays(-1) : QDateTime::currentDateTime());
        durum.ResumeTiming();
        const auto hazırlık = VeritabanınıHazırla(yol, yedek);
        if (!hazırlık) durum.SkipWithError("açılamadı");
        TercihlerFormu::TercihleriYükle();
        auto* ana = new AnaForm;
        ana->Form_Load(nullptr);
        if (hazırlık.yedekGerekli) GünlükYedeğiArkadaAl(yol, yedek);
        QApplication::processEvents();
        durum.PauseTiming();
        GünlükYedeğiBekle();
        QApplication::processEvents();
        delete ana;
        VeriTabanı.kapat();
        durum.ResumeTiming();
    }
}

// The daily backup of the large store, its check included, over a backup of another store
// (degismemis: over one that holds it already, which is only compared with it).
void GünlükYedek(benchmark::State& durum, bool değişmemiş) {
    const QString yol = büyükDepoKopyası();
    const QString yedek = klasör().path() + "/yedek/Ambar.ydk";
    QDir().mkpath(klasör().path() + "/yedek");
    for (auto _ : durum) {
        durum.PauseTiming();
        QDir(klasör().path() + "/yedek").removeRecursively();
        QDir().mkpath(klasör().path() + "/yedek");
        if (değişmemiş) QFile::copy(yol, yedek);
        durum.ResumeTiming();
        if (!GünlükYedekYaz(yol, yedek).yazıldı) durum.SkipWithError("yazılmadı");
    }
}

// The bound: a plain copy of the same file.
void DosyaKopyası(benchmark::State& durum) {
    const QString yol = büyükDepoKopyası();
    const QString hedef = klasör().path() + "/kopya.vtb";
    for (auto _ : durum) {
        QFile::remove(hedef);
        if (!QFile::copy(yol, hedef)) durum.SkipWithError("kopyalanamadı");
    }
}

// The archive check of the main window's load alone (the earliest voucher not
// archived yet, receipts then issues), with the program's indexes and, as
// before them, with the date index alone.
void ArşivDenetimi(benchmark::State& durum, bool dizinli) {
    const QString yol = büyükDepoKopyası();
    VeriTabanı.aç(yol);
    if (!dizinli)
        VeriTabanı.betikÇalıştır("DROP INDEX Giris_ArsivlenmemisTarihi; DROP INDEX Cikis_ArsivlenmemisTarihi;");
    VeriTabanı.saltOkunurAç(yol);  // adds nothing back
    const int buYıl = QDate::currentDate().year();
    for (auto _ : durum) {
        auto yıl = ArşivlenecekYılıBul("GirisIslemleriTablosu", buYıl);
        if (!yıl) yıl = ArşivlenecekYılıBul("CikisIslemleriTablosu", buYıl);
        benchmark::DoNotOptimize(yıl);
    }
    VeriTabanı.kapat();
}

}  // namespace

BENCHMARK_CAPTURE(ArşivDenetimi, tarih_dizini, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ArşivDenetimi, arsivlenmemis_dizini, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnaPencereyeKadar, bos_depo, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnaPencereyeKadar, milyon_hareket, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnaPencereyeKadar, milyon_hareket_yedek_gunu, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK(DosyaKopyası)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GünlükYedek, yeni, false)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(GünlükYedek, degismemis, true)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
