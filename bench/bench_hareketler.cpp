// Loading one part with 5,000 receipts into the movement window: the list,
// the part boxes, the totals and the side lists, as a click on the part does.
#include "history/ParçaHareketleriFormu.h"
#include "platform/AyarDeposu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int HareketSayısı = 5000;

void veritabanıHazırla(const QString& klasör) {
    VeriTabanı.yeniOluştur(klasör + "/Ambar.vtb");
    TemelTablolarıOluştur(VeriTabanı);
    İşlem tx(VeriTabanı);
    // some neighbours, so the part's rows are found through the index
    for (int p = 1; p <= 200; ++p)
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri) "
                            "VALUES (100, ?, ?, '18', 'ADET', 'RAF')",
                            {QString("N-%1").arg(p), QString("PARÇA %1").arg(p)});
    const QDate gün(QDate::currentDate().year(), 1, 1);
    for (int i = 0; i < HareketSayısı; ++i) {
        const double miktar = 1 + i % 7;
        const qlonglong fiyat = 10000 + 37 * i;
        VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                            "FaturaTarihi, FaturaNo, FaturaVeren) VALUES (1, 100, ?, ?, ?, ?, ?, ?, 'F', 'TEDARİKÇİ')",
                            {gün.addDays(i % 360), 1 + i / 10, miktar, fiyat, qlonglong(fiyat * miktar),
                             gün.addDays(i % 360)});
        // and the same number of other parts' rows between them
        VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                            "VALUES (?, 100, ?, 1, 1, 10000, 10000)",
                            {2 + i % 199, gün});
    }
    tx.onayla();
}

void BM_ParçaHareketleriniYükle(benchmark::State& durum) {
    ParçaHareketleriFormu f;
    f.BulKutusu->setText("N-1");
    f.BulDüğmesi_Click();  // N-1, N-10.. N-199: N-1 sorts first
    f.ParçaListesi->setCurrentRow(0);
    if (f.HareketListesi->satırSayısı() != HareketSayısı) {
        durum.SkipWithError("the part's movements were not listed");
        return;
    }
    for (auto _ : durum) {
        f.ParçaListesi_Click();
        benchmark::DoNotOptimize(f.HareketListesi->satırSayısı());
    }
    durum.counters["satır"] = HareketSayısı;
}
BENCHMARK(BM_ParçaHareketleriniYükle)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir klasör;
    qputenv("DEPORA_AYAR_KLASORU", (klasör.path() + "/ayarlar").toLocal8Bit());
    AyarDeposu::yenidenYükle();
    QApplication uygulama(argc, argv);
    veritabanıHazırla(klasör.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    VeriTabanı.kapat();
    return 0;
}
