#include "platform/AyarDeposu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/issues/ParçaÇıkışıTestOrtamı.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>

namespace {
const QString YerBölümü = "Listelenecekler\\Verilecek Yer";

void odağıKaybet(QWidget* w) {
    QFocusEvent ayrıl(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &ayrıl);
}
}  // namespace

class ÇıkışListesiTesti : public ParçaÇıkışıTesti {
protected:
    // Three parts of code 7 with stock 10 each, listed; A1 selected.
    void üçParça() {
        for (const char* no : {"A1", "B1", "C1"}) {
            const auto p = parça(7, no);
            giriş(p, 10, 40);  // price 4
            parçalar.push_back(p);
        }
        aç();
        bul("7");
        seç(0);
    }
    std::vector<qlonglong> parçalar;
};

TEST_F(ÇıkışListesiTesti, ÜçSatırTekFişNoylaListeSırasıylaYazılır) {
    üçParça();
    ekle("1", "DEPO");
    seç(2);
    ekle("2,5", "MUHASEBE");
    seç(1);
    ekle("3", "İDARE");
    EXPECT_EQ(metin("ListeToplamıKutusu"), "26,00");
    EXPECT_EQ(bekleyen(), 3);
    tıkla("ListeyiAmbardanÇıkarDüğmesi");
    EXPECT_TRUE(mesajlar.empty()) << sonMesaj().toStdString();

    Sorgu s(VeriTabanı, "SELECT * FROM CikisIslemleriTablosu ORDER BY HareketNo");
    const std::vector<std::tuple<qlonglong, QString, double, qlonglong>> beklenen{
        {parçalar[0], "DEPO", 1, 40000}, {parçalar[2], "MUHASEBE", 2.5, 100000}, {parçalar[1], "İDARE", 3, 120000}};
    for (const auto& [parçaNo, yer, miktar, tutar] : beklenen) {
        ASSERT_TRUE(s.sonraki());
        EXPECT_EQ(s.tamsayı("ParcaNo"), parçaNo);
        EXPECT_EQ(s.tamsayı("FisNo"), 15);
        EXPECT_EQ(s.tamsayı("Kodu"), 7);
        EXPECT_EQ(s.tarih("Tarihi"), QDate(QDate::currentDate().year(), 3, 2));
        EXPECT_EQ(s.metin("VerilecekYer"), yer);
        EXPECT_EQ(s.sayı("Miktari"), miktar);
        EXPECT_EQ(s.tamsayı("Tutari"), tutar);
        EXPECT_EQ(s.tamsayı("Yazdirildi"), 0);
    }
    EXPECT_FALSE(s.sonraki());

    EXPECT_EQ(liste()->satırSayısı(), 0);
    EXPECT_EQ(bekleyen(), 0);
    EXPECT_EQ(metin("FişNoKutusu"), "");
    EXPECT_EQ(metin("TarihiKutusu"), "");
    EXPECT_EQ(metin("ListeToplamıKutusu"), "");
    EXPECT_TRUE(k("FişNoKutusu")->isEnabled());
    EXPECT_TRUE(k<QPushButton>("TemizleDüğmesi")->isEnabled());
    EXPECT_FALSE(k<QPushButton>("ListeyiAmbardanÇıkarDüğmesi")->isEnabled());
    EXPECT_FALSE(k<QPushButton>("ListedenÇıkarDüğmesi")->isEnabled());
    // the selected part shows its new stock
    EXPECT_EQ(metin("MevcuduKutusu"), "7");
    EXPECT_EQ(metin("EklenenKutusu"), "0");
}

TEST_F(ÇıkışListesiTesti, YazmaHatasındaHiçbirSatırYazılmazVeListeKalır) {
    üçParça();
    VeriTabanı.çalıştır("CREATE TRIGGER Bozuk BEFORE INSERT ON CikisIslemleriTablosu WHEN NEW.VerilecekYer='HATA' "
                        "BEGIN SELECT RAISE(ABORT, 'yazılamadı'); END");
    ekle("1", "DEPO");
    seç(1);
    ekle("1", "HATA");
    seç(2);
    ekle("1", "DEPO");
    tıkla("ListeyiAmbardanÇıkarDüğmesi");
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Kritik);
    EXPECT_EQ(say("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 0);
    EXPECT_EQ(liste()->satırSayısı(), 3);
    EXPECT_EQ(bekleyen(), 3);
    EXPECT_EQ(metin("FişNoKutusu"), "15");
    EXPECT_TRUE(k<QPushButton>("ListeyiAmbardanÇıkarDüğmesi")->isEnabled());
}

TEST_F(ÇıkışListesiTesti, SatırÇıkarmaNumaralarıYenilerVeToplamıDüşürür) {
    üçParça();
    ekle("1", "DEPO");
    seç(1);
    ekle("2", "DEPO");
    seç(2);
    ekle("3", "DEPO");
    EXPECT_EQ(metin("ListeToplamıKutusu"), "24,00");
    liste()->satırSeç(1);
    tıkla("ListedenÇıkarDüğmesi");
    ASSERT_EQ(liste()->satırSayısı(), 2);
    EXPECT_EQ(liste()->hücre(0, ParçaÇıkışıFormu::SütunNo), "1");
    EXPECT_EQ(liste()->hücre(1, ParçaÇıkışıFormu::SütunNo), "2");
    EXPECT_EQ(liste()->anahtar(1).toLongLong(), parçalar[2]);
    EXPECT_EQ(liste()->seçiliSatır(), 0);
    EXPECT_EQ(metin("ListeToplamıKutusu"), "16,00");
    EXPECT_EQ(bekleyen(), 2);
    EXPECT_EQ(say("SELECT COUNT(*) FROM GeciciCikisIslemleriTablosu WHERE ParcaNo=" + QString::number(parçalar[1])), 0);

    // a double click removes the line under it
    const QRect r = liste()->visualRect(liste()->model()->index(1, 2));
    QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(liste()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(liste()->satırSayısı(), 1);
    EXPECT_EQ(metin("ListeToplamıKutusu"), "4,00");

    // the last line goes: the list is cleared and the voucher fields open again
    liste()->satırSeç(0);
    tıkla("ListedenÇıkarDüğmesi");
    EXPECT_EQ(liste()->satırSayısı(), 0);
    EXPECT_EQ(bekleyen(), 0);
    EXPECT_TRUE(k("FişNoKutusu")->isEnabled());
    EXPECT_EQ(metin("FişNoKutusu"), "");
    EXPECT_FALSE(k<QPushButton>("ListedenÇıkarDüğmesi")->isEnabled());
    EXPECT_EQ(say("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 0);
}

TEST_F(ÇıkışListesiTesti, KesirliSatırınBekleyeniBaşkaParçaSeçiliykenSilinir) {
    üçParça();
    ekle("2,5", "DEPO'SU");  // typed apostrophe: "’"
    seç(1);
    ekle("1", "DEPO");
    EXPECT_EQ(liste()->hücre(0, ParçaÇıkışıFormu::SütunYer), "DEPO’SU");
    EXPECT_EQ(metin("EklenenKutusu"), "1");
    liste()->satırSeç(0);
    tıkla("ListedenÇıkarDüğmesi");
    EXPECT_EQ(bekleyen(), 1);
    EXPECT_EQ(say("SELECT ParcaNo FROM GeciciCikisIslemleriTablosu"), parçalar[1]);
    EXPECT_EQ(metin("EklenenKutusu"), "1");
    EXPECT_EQ(metin("KalanKutusu"), "9");
}

TEST_F(ÇıkışListesiTesti, ListeyiTemizlemekHiçbirŞeyYazmaz) {
    üçParça();
    ekle("1", "DEPO");
    ekle("1", "DEPO");  // the repeated-part question: Yes by default
    tıkla("ListeyiTemizleDüğmesi");
    EXPECT_EQ(liste()->satırSayısı(), 0);
    EXPECT_EQ(bekleyen(), 0);
    EXPECT_EQ(say("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 0);
    EXPECT_TRUE(k("TarihiKutusu")->isEnabled());
    EXPECT_EQ(metin("EklenenKutusu"), "0");
    EXPECT_EQ(metin("KalanKutusu"), "10");
}

TEST_F(ÇıkışListesiTesti, HatırlananYerlerOnuncudaDöner) {
    for (int i = 1; i <= 9; ++i) AyarYaz(YerBölümü, QString("Verilecek Yer-%1").arg(i), QString("YER%1").arg(i));
    üçParça();
    auto* yer = k<QComboBox>("VerilecekYerKutusu");
    ASSERT_EQ(yer->count(), 9);
    EXPECT_EQ(yer->itemText(0), "YER1");
    EXPECT_EQ(yer->currentText(), "");
    ekle("1", "ONUNCU");
    EXPECT_EQ(AyarOku(YerBölümü, "Verilecek Yer-10"), "ONUNCU");
    EXPECT_EQ(yer->itemText(0), "ONUNCU");
    EXPECT_EQ(yer->count(), 10);
    EXPECT_EQ(yer->currentText(), "");
    ekle("1", "yer5");  // already there, in another case
    EXPECT_EQ(yer->count(), 10);
    EXPECT_EQ(AyarOku(YerBölümü, "Verilecek Yer-1"), "YER1");
    ekle("1", "ON BİRİNCİ");
    ASSERT_EQ(yer->count(), 10);
    EXPECT_EQ(yer->itemText(0), "ON BİRİNCİ");
    EXPECT_EQ(yer->itemText(9), "YER8");  // the last item (YER9) goes
    const QStringList beklenen{"ON BİRİNCİ", "ONUNCU", "YER1", "YER2", "YER3", "YER4", "YER5", "YER6", "YER7", "YER8"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(AyarOku(YerBölümü, QString("Verilecek Yer-%1").arg(i + 1)), beklenen[i]);
}

TEST_F(ÇıkışListesiTesti, BekleyenSatırlarBağlantınınKendisine) {
    const auto p = parça(7, "A1");
    giriş(p, 6, 60);
    // another workstation's pending line, in the table of the file
    VeritabanıBağlantısı öteki;
    öteki.aç(ProgramKlasörü + "Ambar.vtb");
    öteki.çalıştır("INSERT INTO GeciciCikisIslemleriTablosu (ParcaNo, Miktari, VerilecekYer) VALUES (?, 5, 'ÖTEKİ')",
                   {p});
    aç();
    bul("7");
    seç(0);
    EXPECT_EQ(metin("EklenenKutusu"), "0");
    EXPECT_EQ(metin("KalanKutusu"), "6");
    ekle("6", "DEPO");
    EXPECT_EQ(liste()->satırSayısı(), 1);
    EXPECT_EQ(öteki.tekDeğer("SELECT COUNT(*) FROM GeciciCikisIslemleriTablosu").toInt(), 1);
    EXPECT_EQ(öteki.tekDeğer("SELECT VerilecekYer FROM GeciciCikisIslemleriTablosu").toString(), "ÖTEKİ");
    // the other side opening its window does not touch our lines
    öteki.çalıştır("CREATE TEMP TABLE IF NOT EXISTS GeciciCikisIslemleriTablosu "
                   "(ParcaNo INTEGER, Miktari REAL, VerilecekYer TEXT)");
    öteki.çalıştır("DELETE FROM GeciciCikisIslemleriTablosu");
    EXPECT_EQ(bekleyen(), 1);
    tıkla("ListeyiAmbardanÇıkarDüğmesi");
    EXPECT_EQ(say("SELECT SUM(Miktari) FROM CikisIslemleriTablosu"), 6);
    f->reject();
    EXPECT_EQ(say("SELECT COUNT(*) FROM main.GeciciCikisIslemleriTablosu"), 1);
}

TEST_F(ÇıkışListesiTesti, BekleyenSatırlarlaKapatmakSorar) {
    üçParça();
    ekle("1", "DEPO");
    cevapla(MesajCevabı::Hayır);
    f->reject();
    EXPECT_EQ(sonMesaj(), "Listenizde ambardan çıkışı yapılmamış parçalar var, devam ederseniz bu parçaların çıkışı "
                          "yapılmayacak!\r\n\r\nBu parçaların ambardan çıkışını yapmadan devam etmek istediğinize emin "
                          "misiniz?");
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(liste()->satırSayısı(), 1);
    EXPECT_EQ(bekleyen(), 1);
    cevapla(MesajCevabı::Evet);
    tıkla("KapatDüğmesi");
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(bekleyen(), 0);
    EXPECT_EQ(say("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 0);
}

TEST_F(ÇıkışListesiTesti, SütunDüzeniSonrakiAçılışaKalır) {
    aç();
    auto* b = liste()->horizontalHeader();
    EXPECT_EQ(liste()->columnWidth(0), 0);  // the part key column is hidden
    liste()->setColumnWidth(6, 200);
    b->moveSection(b->visualIndex(8), 1);
    f->reject();
    EXPECT_EQ(AyarOku("Listeler\\Liste-2", "Genislik-7"), "3000");
    aç();
    EXPECT_EQ(liste()->columnWidth(6), 200);
    EXPECT_EQ(liste()->horizontalHeader()->visualIndex(8), 1);
}

TEST_F(ÇıkışListesiTesti, MiktarVeYerKutularıAyrılınca) {
    aç();
    auto* m = k("MiktarıKutusu");
    QTest::keyClicks(m, "1234,5,");
    EXPECT_EQ(m->text(), "1234,5");  // the second comma went at once
    QTest::keyClicks(m, ".");
    EXPECT_EQ(m->text(), "1234,5");
    odağıKaybet(m);
    EXPECT_EQ(m->text(), "1.234,50");
    auto* yer = k<QComboBox>("VerilecekYerKutusu");
    Yaz(yer->lineEdit(), "  ıi' ");
    odağıKaybet(yer->lineEdit());
    EXPECT_EQ(yer->currentText(), "Iİ’");
}

TEST_F(ÇıkışListesiTesti, BaşkaİstasyonunÇıkışıStoğuDüşürdüyseListeYazılmaz) {
    üçParça();
    VeritabanıBağlantısı öteki;
    öteki.aç(ProgramKlasörü + "Ambar.vtb");
    // two lines (part, quantity) of stocks of 10, and what another workstation issues of the
    // first part meanwhile; two lines of one part are held against its stock together
    const struct {
        int parça1;
        const char* miktar1;
        int parça2;
        const char* miktar2;
        int ötekininÇıkışı;
    } durumlar[] = {{0, "6", 1, "4", 5}, {0, "5", 0, "5", 3}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ötekininÇıkışı);
        VeriTabanı.çalıştır("DELETE FROM CikisIslemleriTablosu");
        seç(d.parça1);
        ekle(d.miktar1, "DEPO");
        seç(d.parça2);
        if (d.parça2 == d.parça1) cevapla(MesajCevabı::Evet);  // the same part once more
        ekle(d.miktar2, "DEPO");
        ASSERT_EQ(liste()->satırSayısı(), 2);
        öteki.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Tutari) "
                       "VALUES (?, 7, ?, 99, ?, 200000)",
                       {parçalar[0], QDate::currentDate(), d.ötekininÇıkışı});
        tıkla("ListeyiAmbardanÇıkarDüğmesi");
        EXPECT_EQ(sonMesaj(), "Çıkış yapacağınız MİKTAR ambardaki mevcuttan fazla olamaz!");
        EXPECT_EQ(say("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 1);
        EXPECT_EQ(liste()->satırSayısı(), 2);
        EXPECT_EQ(liste()->seçiliSatır(), 0);
        EXPECT_EQ(bekleyen(), 2);
        // with that line gone the rest is written
        tıkla("ListedenÇıkarDüğmesi");
        tıkla("ListeyiAmbardanÇıkarDüğmesi");
        EXPECT_EQ(say("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 2);
        EXPECT_EQ(liste()->satırSayısı(), 0);
    }
}

// A hostile text pasted into the voucher number, the quantity or the place is
// refused with a message naming the box (the list kept) or stored as the box shows it.
TEST_F(ÇıkışListesiTesti, DüşmancaMetinReddedilirYaDaGösterildiğiGibiSaklanır) {
    giriş(parça(7, "A1"), 2000000, 2000000);
    aç();
    bul("7");
    const auto hazırla = [&](int kutu) {
        VeriTabanı.çalıştır("DELETE FROM CikisIslemleriTablosu");
        seç(0);
        satırGir("2", "DEPO");
        return std::array{f->FişNoKutusu, f->MiktarıKutusu, f->VerilecekYerKutusu->lineEdit()}[kutu];
    };
    const auto kaydet = [&] {
        tıkla("ListeyeEkleDüğmesi");
        if (liste()->satırSayısı() == 1) tıkla("ListeyiAmbardanÇıkarDüğmesi");
    };
    düşmancaMetinleriDene(3, hazırla, "ParçaBulKutusu", kaydet, [&](int kutu, const QString& gösterilen, bool red) {
        EXPECT_EQ(liste()->satırSayısı(), 0);  // refused: not listed; taken: written
        if (red) return;
        Sorgu s(VeriTabanı, "SELECT FisNo, Miktari, VerilecekYer FROM CikisIslemleriTablosu");
        ASSERT_TRUE(s.sonraki());
        const QString saklanan[] = {QString::number(s.tamsayı("FisNo")), BiçimliSayı(s.sayı("Miktari")),
                                    s.metin("VerilecekYer")};
        EXPECT_TRUE(s.tamsayı("FisNo") >= 1 && s.tamsayı("FisNo") <= 2147483647);
        // the quantity box shows the number as typed
        EXPECT_EQ(saklanan[kutu], kutu == 1 ? BiçimliSayı(SayıOku(gösterilen).value_or(-1)) : gösterilen);
    });
}

// Another workstation changes the store while the list waits: the list is refused,
// nothing stored, and the list, its voucher and its pending lines stay.
TEST_F(ÇıkışListesiTesti, ÖtekiKoltuğunDeğişikliğiListeyiDurdurur) {
    üçParça();
    const auto çıkar = [this](const char* kodu) {  // an issue of A1 under the voucher number, on 3 March
        return [this, kodu](VeritabanıBağlantısı& b, int fişNo) {
            b.çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, "
                                      "Tutari) SELECT ParcaNo, %1, ?, ?, 1, 40000 FROM ParcaBilgileriTablosu "
                                      "WHERE ParcaNo=?").arg(kodu),
                       {QDate(QDate::currentDate().year(), 3, 3), fişNo, parçalar[0]});
        };
    };
    const std::vector<ÖtekiKoltuk> durumlar{
        YazmaKilidiTutar(),
        {"voucher number taken for code 8", çıkar("8"),
         "Bu FİŞ NO ile (8) KOD için çıkış yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!"},
        {"voucher number begun for the same code on another date (the list's: 2 March)", çıkar("Kodu"),
         "Bu FİŞ NO ile daha önce çıkış yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!"},
        ParçayıSiler(parçalar[1], "\"CONTA\" (B1)", 1)};
    const auto hazırla = [&](int fişNo) {
        f.reset();
        aç();
        bul("7");
        seç(0);
        ekle("1", "DEPO", QString::number(fişNo));
        seç(1);
        ekle("2", "DEPO");
        return liste();
    };
    ötekiKoltuklarıDene(durumlar, "CikisIslemleriTablosu", "ListeyiAmbardanÇıkarDüğmesi", "12,00", hazırla,
                        [&] { EXPECT_EQ(bekleyen(), 2); });
}
