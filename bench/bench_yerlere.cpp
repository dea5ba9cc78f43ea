// The movement lists by supplier and by receiving place on a store of 1,000,000
// movements over a year, ten suppliers and ten places: picking one lists its
// 50,000 movements through the progress window, as a click on it does.
#include "bench/BüyükDepo.h"
#include "history/AlınanYerlereGöreParçaHareketleriFormu.h"
#include "history/VerilenYerlereGöreParçaHareketleriFormu.h"

#include <QListWidget>

namespace {

constexpr int Hareket = 1000000;
constexpr int YerBaşına = Hareket / 2 / 10;

void açık() {
    if (VeriTabanı.açıkMı()) return;
    VeriTabanı.aç(storeYap("yerlere", Hareket));
    // the generated store has one place and no suppliers: ten of each
    İşlem tx(VeriTabanı);
    VeriTabanı.çalıştır("UPDATE GirisIslemleriTablosu SET FaturaVeren = 'TEDARİKÇİ ' || (HareketNo % 10), "
                        "FaturaTarihi = Tarihi, FaturaNo = 'F-' || FisNo");
    VeriTabanı.çalıştır("UPDATE CikisIslemleriTablosu SET VerilecekYer = 'SERVİS ' || (HareketNo % 10)");
    tx.onayla();
}

// Picks the first and second counterpart in turn: each pick lists one.
template <class P>
void Listele(benchmark::State& durum, QListWidget* P::*liste) {
    açık();
    P f;
    QListWidget* l = f.*liste;
    if (l->count() != 10) {
        durum.SkipWithError("ten counterparts expected");
        return;
    }
    int i = 0;
    for (auto _ : durum) {
        l->setCurrentRow(i);
        i = 1 - i;
    }
    if (f.HareketListesi->satırSayısı() != YerBaşına) durum.SkipWithError("50,000 rows expected");
    durum.counters["satır"] = f.HareketListesi->satırSayısı();
}

void TedarikçiyeGöreListele(benchmark::State& durum) {
    Listele(durum, &AlınanYerlereGöreParçaHareketleriFormu::AlınanYerlerListesi);
}

void YereGöreListele(benchmark::State& durum) {
    Listele(durum, &VerilenYerlereGöreParçaHareketleriFormu::VerilenYerlerListesi);
}

}  // namespace

BENCHMARK(TedarikçiyeGöreListele)->Unit(benchmark::kMillisecond);
BENCHMARK(YereGöreListele)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
