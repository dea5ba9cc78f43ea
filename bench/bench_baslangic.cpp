// Start-up on a store of 1,000,000 movements against an empty one: opening and
// the start-up checks must not grow with the data (the daily backup copy aside).
#include "bench/BüyükDepo.h"
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
