// Start-up and the daily backup on a store of 1,000,000 movements over five
// years (the four past years archived) against an empty store and against a
// plain file copy of the same file, in the same run.
//
// The large store is made once into ~/.cache/depora-bench/baslangic (or
// $DEPORA_BENCH_KLASORU) and kept between runs.
#include "bench/BüyükDepo.h"
#include "platform/VeritabanıBağlantısı.h"
#include "shell/AnaForm.h"
#include "shell/ArşivModülü.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/TercihlerFormu.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace {

QString önbellekKlasörü() {
    const QString k = qEnvironmentVariable("DEPORA_BENCH_KLASORU");
    return (k.isEmpty() ? QDir::homePath() + "/.cache/depora-bench" : k) + "/baslangic";
}

// 20,000 parts over 50 codes; 500,000 receipts and 500,000 issues in vouchers of
// ten lines spread evenly from the first day of the year four years back to
// today; every movement before this year archived, each past year recorded.
QString büyükDepo() {
    const QString yol = önbellekKlasörü() + "/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(önbellekKlasörü());
    const QString yapım = yol + ".yapim";
    QFile::remove(yapım);
    {
        VeritabanıBağlantısı vt;
        vt.yeniOluştur(yapım);
        TemelTablolarıOluştur(vt);
        ArşivYapısınıTamamla(vt);
        const int buYıl = QDate::currentDate().year();
        const QDate ilk(buYıl - 4, 1, 1);
        const int günler = static_cast<int>(ilk.daysTo(QDate::currentDate()));
        const QVariantList d = {ilk, günler, QDate(buYıl, 1, 1)};
        İşlem i(vt);
        vt.betikÇalıştır(
            "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM s WHERE i<50) "
            "INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) SELECT i, 'MARKA ' || i FROM s;"
            "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM s WHERE i<20000) "
            "INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, Birimi) "
            "SELECT i % 50 + 1, 'N' || i, 'PARÇA ' || i, 'ADET' FROM s;");
        const QString hareket =
            "WITH RECURSIVE s(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM s WHERE i<499999), "
            "h(i, p, t) AS (SELECT i, (i * 7919) % 20000 + 1, date(?, '+' || (i * ? / 500000) || ' days') FROM s) "
            "INSERT INTO %1 SELECT p, p % 50 + 1, t, CASE WHEN t < ? THEN 0 ELSE i / 10 + 1 END, %2 FROM h";
        vt.çalıştır(hareket.arg("GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                                "FaturaVeren, ArsivFisNo)",
                                "10, 50000, 500000, 'TEDARİKÇİ ' || (i % 500), i / 10 + 1"),
                    d);
        vt.çalıştır(hareket.arg("CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Tutari, "
                                "VerilecekYer, ArsivFisNo)",
                                "4, 200000, 'YER ' || (i % 300), i / 10 + 1"),
                    d);
        vt.çalıştır("UPDATE GirisIslemleriTablosu SET ArsivFisNo=NULL WHERE FisNo>0");
        vt.çalıştır("UPDATE CikisIslemleriTablosu SET ArsivFisNo=NULL WHERE FisNo>0");
        for (int y = buYıl - 4; y < buYıl; ++y)
            vt.çalıştır("INSERT INTO ArsivlenenYillarTablosu (YilBilgisi) VALUES (?)", {QString::number(y)});
        i.onayla();
    }
    QFile::rename(yapım, yol);
    return yol;
}

// A copy of the large store to work on (the cached one stays as it was made).
QString büyükDepoKopyası() {
    const QString yol = klasör().path() + "/buyuk/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör().path() + "/buyuk");
    QFile::copy(büyükDepo(), yol);
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

// The daily backup of the large store, its check included.
void GünlükYedek(benchmark::State& durum) {
    const QString yol = büyükDepoKopyası();
    const QString yedek = klasör().path() + "/yedek/Ambar.ydk";
    QDir().mkpath(klasör().path() + "/yedek");
    for (auto _ : durum)
        if (GünlükYedekYaz(yol, yedek) != YedekSonucu::Yazıldı) durum.SkipWithError("yazılmadı");
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

// Once per store: the first start after the program learnt the archive-check indexes.
void ArşivDizinleriKurulumu(benchmark::State& durum) {
    for (auto _ : durum) {
        durum.PauseTiming();
        const QString yol = klasör().path() + "/dizinsiz/Ambar.vtb";
        QDir().mkpath(klasör().path() + "/dizinsiz");
        QFile::remove(yol);
        QFile::copy(büyükDepo(), yol);
        VeriTabanı.aç(yol);
        durum.ResumeTiming();
        ArşivDizinleriniKur();
        durum.PauseTiming();
        VeriTabanı.kapat();
        durum.ResumeTiming();
    }
}

}  // namespace

BENCHMARK_CAPTURE(AnaPencereyeKadar, bos_depo, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnaPencereyeKadar, milyon_hareket, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnaPencereyeKadar, milyon_hareket_yedek_gunu, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK(DosyaKopyası)->Unit(benchmark::kMillisecond);
BENCHMARK(GünlükYedek)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ArşivDizinleriKurulumu)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
