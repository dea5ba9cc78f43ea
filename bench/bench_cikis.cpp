// The issue window on a store of 1,000,000 movements: listing the 400 parts of a
// brand code, and showing one part (its brand, data, stock, average cost and
// pending quantity), which the clerk does for every line.
#include "bench/BüyükDepo.h"
#include "issues/OrtalamaMaliyet.h"
#include "issues/ParçaÇıkışıFormu.h"
#include "shell/GenelDeğişkenler.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int Hareket = 1000000;

void açık() {
    if (!VeriTabanı.açıkMı()) VeriTabanı.aç(storeYap("vt", Hareket));
}

void ParçalarıBul(benchmark::State& durum) {
    açık();
    ParçaÇıkışıFormu f;
    for (auto _ : durum) {
        AramaYapıldı = true;
        f.TemizleDüğmesi_Click();
        f.BulKutusu->setText("7");
        f.BulDüğmesi_Click();
    }
    if (f.ParçaListesi->count() != 400) durum.SkipWithError("400 parça beklendi");
}

void ParçayıGöster(benchmark::State& durum) {
    açık();
    ParçaÇıkışıFormu f;
    f.BulKutusu->setText("7");
    f.BulDüğmesi_Click();
    int i = 0;
    for (auto _ : durum) {
        f.ParçaListesi->setCurrentRow(i);
        i = (i + 1) % f.ParçaListesi->count();
    }
    if (f.FiyatıKutusu->text() != "5") durum.SkipWithError("fiyat 5 beklendi");
}

void OrtalamaMaliyet(benchmark::State& durum) {
    açık();
    std::int64_t p = 1;
    for (auto _ : durum) {
        benchmark::DoNotOptimize(OrtalamaMaliyetFiyatı(p));
        p = p % 20000 + 1;
    }
}

}  // namespace

BENCHMARK(ParçalarıBul)->Unit(benchmark::kMillisecond);
BENCHMARK(ParçayıGöster)->Unit(benchmark::kMillisecond);
BENCHMARK(OrtalamaMaliyet)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
