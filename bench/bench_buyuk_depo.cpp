// Every user-facing operation on the large store (see büyükDepo) beside its
// bound: the cheapest SQL that yields the same figures in the same order, on the same encrypted
// file, in the same run. One line per operation: program, bound, ratio. Each
// figure is the median of several runs after a first, warming one.
//   bench_buyuk_depo [filter]   (runs the operations whose name contains filter)
#include "bench/BüyükDepo.h"
#include "catalogue/ParçaTanımlaFormu.h"
#include "history/AlınanYerlereGöreParçaHareketleriFormu.h"
#include "history/ParçaHareketleriFormu.h"
#include "history/VerilenYerlereGöreParçaHareketleriFormu.h"
#include "issues/ParçaÇıkışıFormu.h"
#include "platform/AyarDeposu.h"
#include "reports/MalzemeCetveliFormu.h"
#include "reports/SayımCetveliFormu.h"
#include "reports/ÖzetMalzemeCetveliFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "vouchers/GirişFişiYazdırFormu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sqlcipher/sqlite3.h>
#include <string>

namespace {

// ---- the bound: statements stepped through, every column read ----

int satırlarıOku(const QString& sql, const QVariantList& değerler = {}) {
    sqlite3_stmt* st = nullptr;
    const QByteArray metin = sql.toUtf8();
    if (sqlite3_prepare_v2(VeriTabanı.tutamaç(), metin.constData(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(VeriTabanı.tutamaç()));
    for (int i = 0; i < değerler.size(); ++i) {
        const QVariant& d = değerler[i];
        if (d.typeId() == QMetaType::QString || d.typeId() == QMetaType::QDate) {
            const QByteArray t = d.typeId() == QMetaType::QDate ? d.toDate().toString(Qt::ISODate).toUtf8()
                                                                : d.toString().toUtf8();
            sqlite3_bind_text(st, i + 1, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(st, i + 1, d.toLongLong());
        }
    }
    int satır = 0;
    const int n = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++satır;
        for (int k = 0; k < n; ++k) {
            if (sqlite3_column_type(st, k) == SQLITE_TEXT) benchmark::DoNotOptimize(sqlite3_column_text16(st, k));
            else benchmark::DoNotOptimize(sqlite3_column_double(st, k));
        }
    }
    sqlite3_finalize(st);
    return satır;
}

// A part's receipt and issue totals.
void parçaToplamları(qlonglong parçaNo) {
    for (const char* t : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"})
        satırlarıOku(QString("SELECT SUM(Miktari), SUM(Tutari) FROM %1 WHERE ParcaNo=?").arg(t), {parçaNo});
}

// The distinct values of an indexed column, one index seek each.
int farklılarıOku(const QString& tablo, const QString& alan) {
    const QString sql = QString("SELECT min(%1) FROM %2 WHERE %1 > ?").arg(alan, tablo);
    QString son;
    int n = 0;
    for (;;) {
        const QVariant v = VeriTabanı.tekDeğer(sql, {son});
        if (v.isNull()) return n;
        son = v.toString();
        ++n;
    }
}

// ---- timing ----

double süre(const std::function<void()>& iş) {
    QElapsedTimer t;
    t.start();
    iş();
    return t.nsecsElapsed() / 1e6;
}

// The median of runs after a warming one: at least three, up to about a second's worth.
double medyan(const std::function<void()>& iş) {
    const double ilk = süre(iş);
    const int kez = std::clamp(static_cast<int>(1000 / std::max(ilk, 1.0)), 3, 15);
    std::vector<double> süreler;
    for (int i = 0; i < kez; ++i) süreler.push_back(süre(iş));
    std::sort(süreler.begin(), süreler.end());
    return süreler[süreler.size() / 2];
}

// The peak resident memory since the last reset (Linux), in MB.
void tepeyiSıfırla() { std::ofstream("/proc/self/clear_refs") << "5"; }
double tepeBellek() {
    std::ifstream f("/proc/self/status");
    std::string satır;
    while (std::getline(f, satır))
        if (satır.rfind("VmHWM:", 0) == 0) return std::stod(satır.substr(6)) / 1024;
    return 0;
}

struct Ölçülen {
    QString ad;
    std::function<void()> program;
    std::function<void()> sınır;
};

// ---- the store's busiest and biggest ----

qlonglong tekSayı(const QString& sql, const QVariantList& d = {}) { return VeriTabanı.tekDeğer(sql, d).toLongLong(); }
QString tekMetin(const QString& sql, const QVariantList& d = {}) { return VeriTabanı.tekDeğer(sql, d).toString(); }

template <class L>
int satırıBul(L* liste, const QString& metin) {
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->text() == metin) return i;
    return -1;
}

void çalıştır(const QString& süzgeç) {
    const int yıl = QDate::currentDate().year();
    const QDate yılBaşı(yıl, 1, 1), bugün = QDate::currentDate();
    const qlonglong büyükKod =
        tekSayı("SELECT Kodu FROM ParcaBilgileriTablosu GROUP BY Kodu ORDER BY count(*) DESC, Kodu LIMIT 1");
    const qlonglong kodParçası = tekSayı("SELECT count(*) FROM ParcaBilgileriTablosu WHERE Kodu=?", {büyükKod});
    const QString tedarikçi = tekMetin("SELECT FaturaVeren FROM GirisIslemleriTablosu GROUP BY FaturaVeren "
                                       "ORDER BY count(*) DESC LIMIT 1");
    const qlonglong parçaNo = tekSayı("SELECT ParcaNo FROM (SELECT ParcaNo FROM GirisIslemleriTablosu UNION ALL "
                                      "SELECT ParcaNo FROM CikisIslemleriTablosu) GROUP BY ParcaNo "
                                      "ORDER BY count(*) DESC LIMIT 1");
    const qlonglong parçaKodu = tekSayı("SELECT Kodu FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {parçaNo});
    const QString parçaNosu = tekMetin("SELECT Nosu FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {parçaNo});
    const QString parçaAdı = tekMetin("SELECT Adi FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {parçaNo});
    const int arşivYılı = yıl - 1;
    const QVariantList arşivAralığı = {QDate(arşivYılı, 1, 1), QDate(arşivYılı, 12, 31)};
    const qlonglong arşivFişi = tekSayı("SELECT max(ArsivFisNo) / 2 FROM GirisIslemleriTablosu "
                                        "WHERE Tarihi BETWEEN ? AND ?",
                                        arşivAralığı);
    const QString adınBaşı = parçaAdı.section(' ', 0, 0);
    std::printf("store: %s\nbiggest code %lld (%lld parts); busiest supplier %s; busiest part %lld (%s)\n\n",
                qPrintable(VeriTabanı.yol()), büyükKod, kodParçası, qPrintable(tedarikçi), parçaNo,
                qPrintable(parçaNosu));

    std::vector<Ölçülen> işlemler;
    const auto sayım = std::make_shared<SayımCetveliFormu>();
    const auto malzeme = std::make_shared<MalzemeCetveliFormu>(yılBaşı, bugün);
    for (QListWidget* l : {sayım->KodListesi, malzeme->KodListesi}) {
        const QSignalBlocker engel(l);
        l->setCurrentRow(satırıBul(l, QString::number(büyükKod)));
    }
    const auto özet = std::make_shared<ÖzetMalzemeCetveliFormu>(yılBaşı, bugün);
    const auto alınan = std::make_shared<AlınanYerlereGöreParçaHareketleriFormu>();
    const int tedarikçiSatırı = satırıBul(alınan->AlınanYerlerListesi, tedarikçi);
    const auto hareketler = std::make_shared<ParçaHareketleriFormu>();
    hareketler->ParçaBulSeçeneği[0]->setChecked(true);
    hareketler->BulKutusu->setText(parçaNosu);
    hareketler->BulDüğmesi_Click();
    const auto çıkış = std::make_shared<ParçaÇıkışıFormu>();
    çıkış->BulKutusu->setText(QString::number(parçaKodu));
    çıkış->BulDüğmesi_Click();
    const int çıkışSatırı = [&] {
        for (int i = 0; i < çıkış->ParçaListesi->count(); ++i)
            if (çıkış->ParçaListesi->item(i)->data(Qt::UserRole).toLongLong() == parçaNo) return i;
        return 0;
    }();
    const auto buYılınFişleri = std::make_shared<GirişFişiYazdırFormu>();
    buYılınFişleri->YazdırılanlarıGösterOnayı->setChecked(true);
    ArşivModu = true;
    const auto fişler = std::make_shared<GirişFişiYazdırFormu>();
    ArşivModu = false;
    ArşivYıllarınıKoy(*fişler);
    fişler->YazdırılanlarıGösterOnayı->setChecked(true);
    const auto parçalar = std::make_shared<ParçaTanımlaFormu>();
    parçalar->ParçaBulSeçeneği[2]->setChecked(true);

    const QString sayımSql =
        "SELECT p.ParcaNo, p.Nosu, p.Adi, p.Birimi, p.AmbarYeri, "
        "(SELECT SUM(g.Miktari) FROM GirisIslemleriTablosu g WHERE g.ParcaNo=p.ParcaNo), "
        "(SELECT SUM(c.Miktari) FROM CikisIslemleriTablosu c WHERE c.ParcaNo=p.ParcaNo) "
        "FROM ParcaBilgileriTablosu p WHERE p.Kodu=? ORDER BY p.Nosu COLLATE TURKCE, p.ParcaNo";
    const QString dönem = "SELECT h.ParcaNo, SUM(CASE WHEN h.Tarihi < ?1 THEN h.Miktari END), "
                          "SUM(CASE WHEN h.Tarihi < ?1 THEN h.Tutari END), SUM(CASE WHEN h.Tarihi >= ?1 THEN "
                          "h.Miktari END), SUM(CASE WHEN h.Tarihi >= ?1 THEN h.Tutari END) FROM %1 h "
                          "JOIN ParcaBilgileriTablosu hp ON hp.ParcaNo=h.ParcaNo WHERE hp.Kodu=?3 AND h.Tarihi <= ?2 "
                          "GROUP BY h.ParcaNo";
    const QString malzemeSql = QString("SELECT p.ParcaNo, p.Nosu, p.Adi, p.Birimi, g.*, c.* FROM ParcaBilgileriTablosu p "
                                       "LEFT JOIN (%1) g ON g.ParcaNo=p.ParcaNo LEFT JOIN (%2) c ON c.ParcaNo=p.ParcaNo "
                                       "WHERE p.Kodu=?3 ORDER BY p.Nosu COLLATE TURKCE, p.ParcaNo")
                                   .arg(dönem.arg("GirisIslemleriTablosu"), dönem.arg("CikisIslemleriTablosu"));
    const QString özetParçası = "SELECT Kodu, TOTAL(CASE WHEN Tarihi < ?1 THEN Miktari END), "
                                "SUM(CASE WHEN Tarihi < ?1 THEN Tutari END), TOTAL(CASE WHEN Tarihi BETWEEN ?1 AND ?2 "
                                "THEN Miktari END), SUM(CASE WHEN Tarihi BETWEEN ?1 AND ?2 THEN Tutari END) "
                                "FROM %1 GROUP BY +Kodu ORDER BY Kodu";
    const QString girişSütunları = "h.Kodu, p.Nosu, p.Adi, h.Tarihi, h.FisNo, h.Miktari, h.Fiyati, h.Tutari, "
                                   "h.FaturaTarihi, h.FaturaNo, h.ArsivFisNo";

    işlemler.push_back({"opening the movements-by-supplier window",
                        [] { AlınanYerlereGöreParçaHareketleriFormu f; },
                        [] { farklılarıOku("GirisIslemleriTablosu", "FaturaVeren"); }});
    işlemler.push_back({"opening the movements-by-place window",
                        [] { VerilenYerlereGöreParçaHareketleriFormu f; },
                        [] { farklılarıOku("CikisIslemleriTablosu", "VerilecekYer"); }});
    işlemler.push_back({QString("count sheet, biggest code (%1 parts)").arg(kodParçası), [=] { sayım->Listele(); },
                        [=] { satırlarıOku(sayımSql, {büyükKod}); }});
    işlemler.push_back({"detailed material sheet, biggest code", [=] { malzeme->Listele(); },
                        [=] { satırlarıOku(malzemeSql, {yılBaşı, bugün, büyükKod}); }});
    işlemler.push_back({"summary sheet, this year", [=] {
                            özet->MalzemeHareketleriListesi->temizle();
                            özet->Listele();
                        },
                        [=] {
                            satırlarıOku(özetParçası.arg("GirisIslemleriTablosu"), {yılBaşı, bugün});
                            satırlarıOku(özetParçası.arg("CikisIslemleriTablosu"), {yılBaşı, bugün});
                        }});
    const qlonglong tedarikçiHareketi = tekSayı("SELECT count(*) FROM GirisIslemleriTablosu WHERE FaturaVeren=?",
                                                {tedarikçi});
    işlemler.push_back({QString("movements of the busiest supplier (%1 rows)").arg(tedarikçiHareketi),
                        [=] {
                            alınan->AlınanYerlerListesi->clearSelection();
                            alınan->AlınanYerlerListesi->setCurrentRow(tedarikçiSatırı);
                        },
                        [=] {
                            satırlarıOku(QString("SELECT %1 FROM GirisIslemleriTablosu h LEFT JOIN "
                                                 "ParcaBilgileriTablosu p ON p.ParcaNo=h.ParcaNo WHERE h.FaturaVeren=? "
                                                 "ORDER BY h.Kodu, h.Tarihi, h.HareketNo")
                                             .arg(girişSütunları),
                                         {tedarikçi});
                        }});
    const qlonglong parçaHareketi = tekSayı("SELECT count(*) FROM GirisIslemleriTablosu WHERE ParcaNo=?", {parçaNo});
    işlemler.push_back({QString("a part's movements, busiest part (%1 receipts)").arg(parçaHareketi),
                        [=] {
                            hareketler->ParçaListesi->setCurrentRow(0);
                            hareketler->ParçaListesi_Click();
                        },
                        [=] {
                            satırlarıOku("SELECT HareketNo, Tarihi, Miktari, Fiyati, Tutari, FisNo, ArsivFisNo, "
                                         "FaturaVeren FROM GirisIslemleriTablosu WHERE ParcaNo=? ORDER BY HareketNo",
                                         {parçaNo});
                            parçaToplamları(parçaNo);
                        }});
    işlemler.push_back({"issue window: showing the busiest part",
                        [=] {
                            çıkış->ParçaListesi->setCurrentRow(-1);
                            çıkış->ParçaListesi->setCurrentRow(çıkışSatırı);
                        },
                        [=] { parçaToplamları(parçaNo); }});
    işlemler.push_back({"voucher tree, this year's printed receipts",
                        [=] {
                            // the two windows share the listed year, as they never stand open together
                            ListelenenYıl = yıl;
                            FişNoAlanı = "FisNo";
                            buYılınFişleri->YazdırılanlarıGösterOnayı_Click();
                        },
                        [=] {
                            satırlarıOku("SELECT Kodu, FisNo FROM GirisIslemleriTablosu WHERE Tarihi BETWEEN ? "
                                         "AND ? AND Yazdirildi=1 AND FisNo>0 GROUP BY Kodu, FisNo",
                                         {yılBaşı, QDate(yıl, 12, 31)});
                        }});
    işlemler.push_back({QString("voucher tree of the archived year %1").arg(arşivYılı),
                        [=] {
                            fişler->YılListesiKutusu->setCurrentText(QString::number(arşivYılı));
                            fişler->YılListesiKutusu_Click();
                        },
                        [=] {
                            satırlarıOku("SELECT Kodu, ArsivFisNo FROM GirisIslemleriTablosu WHERE Tarihi BETWEEN ? "
                                         "AND ? AND Yazdirildi=1 AND ArsivFisNo>0 GROUP BY Kodu, ArsivFisNo",
                                         arşivAralığı);
                        }});
    işlemler.push_back({"showing an archived voucher",
                        [=] {
                            ListelenenYıl = arşivYılı;
                            FişNoAlanı = "ArsivFisNo";
                            QTreeWidgetItem* fiş = nullptr;
                            for (int i = 1; i <= fişler->DüğümSayısı() && !fiş; ++i) {
                                QTreeWidgetItem* d = fişler->Düğüm(i);
                                if (d->parent() && d->text(0).section(' ', 0, 0).toLongLong() == arşivFişi) fiş = d;
                            }
                            fişler->FişListesi->setCurrentItem(fiş);
                            fişler->FişListesi_NodeClick(fiş);
                        },
                        [=] {
                            satırlarıOku("SELECT p.Nosu, p.Adi, p.Birimi, h.FaturaVeren, h.Miktari, h.Tutari FROM "
                                         "GirisIslemleriTablosu h LEFT JOIN ParcaBilgileriTablosu p ON "
                                         "p.ParcaNo=h.ParcaNo WHERE h.ArsivFisNo=? AND h.Tarihi BETWEEN ? AND ? "
                                         "ORDER BY p.Nosu, h.HareketNo",
                                         {arşivFişi, arşivAralığı[0], arşivAralığı[1]});
                        }});
    işlemler.push_back({QString("parts window: finding \"%1\"").arg(adınBaşı),
                        [=] {
                            parçalar->TemizleDüğmesi_Click();
                            parçalar->BulKutusu->setText(adınBaşı);
                            parçalar->BulDüğmesi_Click();
                        },
                        [=] {
                            satırlarıOku("SELECT ParcaNo, Adi FROM ParcaBilgileriTablosu WHERE Adi >= ? AND Adi < ?",
                                         {adınBaşı, ÖnekÜstSınırı(adınBaşı)});
                        }});
    işlemler.push_back({"parts window: showing the busiest part",
                        [=] {
                            const int satır = satırıBul(parçalar->ParçaListesi, parçaAdı);
                            parçalar->ParçaListesi->setCurrentRow(-1);
                            parçalar->ParçaListesi->setCurrentRow(satır);
                        },
                        [=] {
                            satırlarıOku("SELECT Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri FROM "
                                         "ParcaBilgileriTablosu WHERE ParcaNo=?",
                                         {parçaNo});
                            satırlarıOku("SELECT SUM(Miktari) FROM GirisIslemleriTablosu WHERE ParcaNo=?", {parçaNo});
                            satırlarıOku("SELECT SUM(Miktari) FROM CikisIslemleriTablosu WHERE ParcaNo=?", {parçaNo});
                        }});

    std::printf("| operation | program | bound | ratio |\n|---|---|---|---|\n");
    for (const Ölçülen& i : işlemler) {
        if (!i.ad.contains(süzgeç)) continue;
        // in turn, so both see the same state of the machine
        const double sınır = medyan(i.sınır);
        const double program = medyan(i.program);
        std::printf("| %s | %.1f ms | %.1f ms | %.1fx |\n", qPrintable(i.ad), program, sınır, program / sınır);
        std::fflush(stdout);
    }
    if (QString("peak memory").contains(süzgeç) || süzgeç.isEmpty()) {
        alınan->AlınanYerlerListesi->clearSelection();
        tepeyiSıfırla();
        alınan->AlınanYerlerListesi->setCurrentRow(tedarikçiSatırı);
        std::printf("\npeak memory of the program while listing the busiest supplier: %.0f MB\n", tepeBellek());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DEPORA_AYAR_KLASORU", (klasör().path() + "/ayarlar").toLocal8Bit());
    AyarDeposu::yenidenYükle();
    QApplication uygulama(argc, argv);
    QElapsedTimer t;
    t.start();
    const QString yol = büyükDepo();
    if (t.elapsed() > 1000) std::printf("the large store made in %.0f s\n", t.elapsed() / 1000.0);
    VeriTabanı.aç(yol);
    çalıştır(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    VeriTabanı.kapat();
    return 0;
}
