// The parts window on a store of 20,000 parts: finding by the beginning of a
// name (a few parts, a hundred, half the store), by the beginning of a number,
// and showing a found part.
#include "bench/BüyükDepo.h"
#include "catalogue/ParçaTanımlaFormu.h"
#include "shell/GenelDeğişkenler.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

void açık() {
    if (!VeriTabanı.açıkMı()) VeriTabanı.aç(storeYap("parcalar", 0));
}

// The find must walk the index, not the table.
bool dizinKullanılıyor(const QString& sütun) {
    Sorgu s(VeriTabanı, QStringLiteral("EXPLAIN QUERY PLAN SELECT ParcaNo, Adi FROM ParcaBilgileriTablosu WHERE ") +
                            sütun + QStringLiteral(" >= ? AND ") + sütun + QStringLiteral(" < ?"),
            {QStringLiteral("A"), QStringLiteral("B")});
    bool dizin = false;
    while (s.sonraki()) dizin = dizin || s.metin(QStringLiteral("detail")).contains(QStringLiteral("INDEX"));
    return dizin;
}

void Bul(benchmark::State& durum, int seçenek, const QString& önek, int beklenen) {
    açık();
    if (!dizinKullanılıyor(seçenek == 0 ? QStringLiteral("Nosu") : QStringLiteral("Adi")))
        durum.SkipWithError("dizin kullanılmıyor");
    ParçaTanımlaFormu f;
    f.ParçaBulSeçeneği[seçenek]->setChecked(true);
    for (auto _ : durum) {
        AramaYapıldı = true;
        f.TemizleDüğmesi_Click();
        f.BulKutusu->setText(önek);
        f.BulDüğmesi_Click();
    }
    if (f.ParçaListesi->count() != beklenen) durum.SkipWithError("beklenmeyen sayıda parça");
}

void ParçayıGöster(benchmark::State& durum) {
    açık();
    ParçaTanımlaFormu f;
    f.ParçaBulSeçeneği[2]->setChecked(true);
    f.BulKutusu->setText("PARÇA 123");
    f.BulDüğmesi_Click();
    int i = 0;
    for (auto _ : durum) {
        f.ParçaListesi->setCurrentRow(i);
        i = (i + 1) % f.ParçaListesi->count();
    }
    if (f.AdıKutusu->text().isEmpty()) durum.SkipWithError("parça gösterilmedi");
}

}  // namespace

BENCHMARK_CAPTURE(Bul, ad_1_parca, 2, "PARÇA 19999", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bul, ad_111_parca, 2, "PARÇA 123", 111)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bul, ad_11111_parca, 2, "PARÇA 1", 11111)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bul, no_111_parca, 0, "N123", 111)->Unit(benchmark::kMillisecond);
BENCHMARK(ParçayıGöster)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return PencereliÖlçümler(argc, argv); }
