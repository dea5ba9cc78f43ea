// Start-up on a store of 1,000,000 movements against an empty one: opening and
// the start-up checks must not grow with the data (the daily backup copy aside).
#include "platform/VeritabanıBağlantısı.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& klasör() {
    static QTemporaryDir k;
    return k;
}

// Makes a store with the given number of movements (half receipts, half issues) over 20,000 parts.
QString storeYap(const QString& ad, int hareketSayısı) {
    const QString yol = klasör().path() + "/" + ad + "/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör().path() + "/" + ad);
    VeritabanıBağlantısı vt;
    vt.yeniOluştur(yol);
    TemelTablolarıOluştur(vt);
    İşlem i(vt);
    for (int p = 1; p <= 20000; ++p)
        vt.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (?, ?, ?)",
                    {p % 50 + 1, QString("N%1").arg(p), QString("PARÇA %1").arg(p)});
    const QDate gün(QDate::currentDate().year(), 1, 1);
    for (int h = 0; h < hareketSayısı / 2; ++h) {
        vt.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                    "VALUES (?, 1, ?, ?, 10, 50000, 500000)",
                    {h % 20000 + 1, gün.addDays(h % 300), h / 10 + 1});
        vt.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, Tutari) "
                    "VALUES (?, 1, ?, ?, 'SERVİS', 4, 200000)",
                    {h % 20000 + 1, gün.addDays(h % 300), h / 10 + 1});
    }
    i.onayla();
    return yol;
}

void Açılış(benchmark::State& durum, int hareketSayısı) {
    const QString yol = storeYap(QString("vt%1").arg(hareketSayısı), hareketSayısı);
    const QString yedek = QFileInfo(yol).absolutePath() + "/Ambar.ydk";
    if (!QFile::exists(yedek)) {
        VeritabanıBağlantısı vt;
        vt.aç(yol);
        vt.sıkıştırılmışKopyaYaz(yedek, TemelTablolar());
    }
    {
        QFile f(yol);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);  // no backup due
    }
    for (auto _ : durum) {
        if (!VeritabanınıHazırla(yol, yedek)) durum.SkipWithError("açılamadı");
        VeriTabanı.kapat();
    }
}

void Yedek(benchmark::State& durum, int hareketSayısı) {
    const QString yol = storeYap(QString("vt%1").arg(hareketSayısı), hareketSayısı);
    const QString yedek = QFileInfo(yol).absolutePath() + "/Yedek.ydk";
    VeritabanıBağlantısı vt;
    vt.aç(yol);
    for (auto _ : durum) vt.sıkıştırılmışKopyaYaz(yedek, TemelTablolar());
}

}  // namespace

BENCHMARK_CAPTURE(Açılış, boş, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Açılış, milyon_hareket, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Yedek, milyon_hareket, 1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
    QCoreApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
