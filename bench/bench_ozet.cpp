// The summary material sheet on a store of 1,000,000 movements spread over the 50
// brand codes: working out the five pairs of every code for a period, and the
// window building its list.
#include "bench/BüyükDepo.h"
#include "reports/ÖzetMalzemeCetveliFormu.h"
#include "shell/GenelDeğişkenler.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Hareket = 1000000;

void açık() {
    if (VeriTabanı.açıkMı()) return;
    VeriTabanı.aç(storeYap("vt", Hareket));
    // each movement under its part's brand code
    İşlem i(VeriTabanı);
    VeriTabanı.çalıştır("UPDATE GirisIslemleriTablosu SET Kodu = ParcaNo % 50 + 1");
    VeriTabanı.çalıştır("UPDATE CikisIslemleriTablosu SET Kodu = ParcaNo % 50 + 1");
    i.onayla();
}

const QDate Başlama(QDate::currentDate().year(), 4, 1);
const QDate Bitiş(QDate::currentDate().year(), 9, 30);

void Rakamlar(benchmark::State& durum) {
    açık();
    for (auto _ : durum) {
        const auto satırlar = ÖzetCetvelSatırlarınıOku(Başlama, Bitiş);
        if (satırlar.size() != 50) durum.SkipWithError("50 kod beklendi");
    }
}

void Listele(benchmark::State& durum) {
    açık();
    ÖzetMalzemeCetveliFormu f(Başlama, Bitiş);
    for (auto _ : durum) {
        f.MalzemeHareketleriListesi->temizle();
        f.Listele();
    }
    if (f.MalzemeHareketleriListesi->satırSayısı() != 50) durum.SkipWithError("50 satır beklendi");
}

}  // namespace

BENCHMARK(Rakamlar)->Unit(benchmark::kMillisecond);
BENCHMARK(Listele)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
