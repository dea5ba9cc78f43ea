// The count sheet and the detailed material sheet on a store of 1,000,000
// movements over 20,000 parts: listing one brand code (400 parts) with their
// stock, or with the five figure pairs of a period, and the amount totals of
// all codes together.
#include "bench/BüyükDepo.h"
#include "reports/MalzemeCetveliFormu.h"
#include "reports/SayımCetveliFormu.h"
#include "shell/GenelDeğişkenler.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <benchmark/benchmark.h>

namespace {

constexpr int Hareket = 1000000;

void açık() {
    if (!VeriTabanı.açıkMı()) VeriTabanı.aç(storeYap("vt", Hareket));
}

// Selects a code without starting the listing through its progress window.
void koduSeç(QListWidget* liste, int satır) {
    const QSignalBlocker engel(liste);
    liste->setCurrentRow(satır);
}

void SayımCetveliListesi(benchmark::State& durum) {
    açık();
    SayımCetveliFormu f;
    koduSeç(f.KodListesi, 6);
    for (auto _ : durum) f.Listele();
    if (f.ParçaBilgileriListesi->satırSayısı() != 400) durum.SkipWithError("400 parça beklendi");
}

QDate yılın(int ay, int gün) { return QDate(QDate::currentDate().year(), ay, gün); }

void MalzemeCetveliListesi(benchmark::State& durum) {
    açık();
    MalzemeCetveliFormu f(yılın(3, 1), yılın(6, 30));
    koduSeç(f.KodListesi, 6);
    for (auto _ : durum) f.Listele();
    if (f.ParçaBilgileriListesi->satırSayısı() != 400) durum.SkipWithError("400 parça beklendi");
}

void TümKodlarınTutarları(benchmark::State& durum) {
    açık();
    MalzemeCetveliFormu f(yılın(3, 1), yılın(6, 30));
    for (auto _ : durum) f.TümKodlarınTutarBilgileriniGösterDüğmesi_Click();
}

}  // namespace

BENCHMARK(SayımCetveliListesi)->Unit(benchmark::kMillisecond);
BENCHMARK(MalzemeCetveliListesi)->Unit(benchmark::kMillisecond);
BENCHMARK(TümKodlarınTutarları)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
