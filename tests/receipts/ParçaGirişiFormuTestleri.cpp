#include "catalogue/ParçaTanımlaFormu.h"
#include "platform/AyarDeposu.h"
#include "receipts/ParçaGirişiFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeDenetimi.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"
#include "tests/ortak/TestOrtamı.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <array>
#include <memory>

namespace {
int buYıl() { return QDate::currentDate().year(); }
QString buYılın(int gün, int ay) { return KısaTarih(QDate(buYıl(), ay, gün)); }
}  // namespace

class ParçaGirişiTesti : public TestOrtamı {
protected:
    std::int64_t parçaEkle(int kodu, const QString& nosu, const QString& adı, const QVariant& kdv = "18,00") {
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri) "
                            "VALUES (?, ?, ?, ?, 'ADET', 'RAF 1')",
                            {kodu, nosu, adı, kdv});
        return VeriTabanı.sonEklenenNo();
    }
    void SetUp() override {
        TestOrtamı::SetUp();
        VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (7, 'FORD'), (8, 'FIAT')");
        filtre = parçaEkle(7, "F-100", "YAĞ FİLTRESİ");
        balata = parçaEkle(7, "B-200", "BALATA");
        conta = parçaEkle(7, "", "CONTA", QVariant());
        buji = parçaEkle(8, "X-1", "BUJİ");
    }
    void TearDown() override {
        f.reset();
        TestOrtamı::TearDown();
    }

    void aç() {
        f = std::make_unique<ParçaGirişiFormu>();
        f->show();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
    static void yaz(QLineEdit* k, const QString& metin) {
        k->clear();
        Yaz(k, metin);
    }
    void bul(const QString& kod) {
        yaz(f->BulKutusu, kod);
        f->BulDüğmesi->click();
    }
    void seç(const QString& metin) {
        const auto l = f->ParçaListesi->findItems(metin, Qt::MatchExactly);
        ASSERT_EQ(l.size(), 1) << metin.toStdString();
        f->ParçaListesi->setCurrentItem(l[0]);
    }
    void başlık(const QString& fişNo, const QString& giriş = buYılın(3, 1), const QString& fatura = buYılın(2, 1)) {
        yaz(f->FişNoKutusu, fişNo);
        yaz(f->GirişTarihiKutusu, giriş);
        yaz(f->FaturaTarihiKutusu, fatura);
        yaz(f->FaturaNoKutusu, "A-1");
        yaz(f->FaturaVerenKutusu, "DEMİR LTD");
    }
    void satır(const QString& miktar, const QString& fiyat) {
        yaz(f->MiktarıKutusu, miktar);
        yaz(f->FiyatıKutusu, fiyat);
        f->ListeyeEkleDüğmesi->click();
    }
    // One line of F-100 on voucher 1.
    void birSatırlaAç() {
        aç();
        bul("7");
        seç("F-100");
        başlık("1");
        satır("1", "1");
    }
    // The three parts of code 7 at 10, 20 and 30 a unit (VAT 18, 18 and none).
    void üçSatır(const QString& fişNo, const std::array<QString, 3>& miktarlar) {
        aç();
        bul("7");
        başlık(fişNo);
        const char* parçalar[] = {"F-100", "B-200", "CONTA (Nosu Yok!)"};
        for (int i = 0; i < 3; ++i) {
            seç(parçalar[i]);
            satır(miktarlar[i], QString::number((i + 1) * 10));
        }
    }
    int girişSayısı() { return VeriTabanı.tekDeğer("SELECT COUNT(*) FROM GirisIslemleriTablosu").toInt(); }
    QString hücre(int satır, int sütun) { return f->GirişYapılacakParçaListesi->hücre(satır, sütun); }

    std::unique_ptr<ParçaGirişiFormu> f;
    std::int64_t filtre = 0, balata = 0, conta = 0, buji = 0;
};

TEST_F(ParçaGirişiTesti, AçılışSütunlarVeKalıcıSeçenekler) {
    aç();
    EXPECT_EQ(f->windowTitle(), "Parça Girişi İşlemleri");
    auto* l = f->GirişYapılacakParçaListesi;
    ASSERT_EQ(l->sütunSayısı(), 13);
    EXPECT_EQ(l->model()->başlıklar.join('|'),
              "Parça No|No|Kodu|No'su|Adı|Miktarı|Kdv|Fiyatı|Tutarı|Giriş Tarihi|Fatura Tarihi|Fatatura No|Fatura Veren");
    EXPECT_EQ(l->columnWidth(0), 0);
    EXPECT_EQ(l->columnWidth(4), TwiptenPiksel(2300));
    for (auto* d : {f->ListeyiAmbaraEkleDüğmesi, f->ListedenÇıkarDüğmesi, f->ListeyiTemizleDüğmesi})
        EXPECT_FALSE(d->isEnabled());
    EXPECT_TRUE(f->BirimFiyatıOnayı->isChecked());
    EXPECT_FALSE(f->KdvEklemeOnayı->isChecked());
    EXPECT_EQ(f->Etiket[14]->text(), "Birim Fiya&tı :");
    EXPECT_EQ(f->findChild<QLineEdit*>("FişNoKutusu")->maxLength(), 10);

    f->BirimFiyatıOnayı->click();
    f->KdvEklemeOnayı->click();
    EXPECT_EQ(f->Etiket[14]->text(), "&Tutarı :");
    l->setColumnWidth(2, 100);
    f->KapatDüğmesi->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(mesajlar.empty());  // an empty list closes without a question
    EXPECT_EQ(AyarOku("Ayarlar", "Birim Fiyati"), "0");
    EXPECT_EQ(AyarOku("Ayarlar", "Kdv Ekleme"), "1");
    EXPECT_EQ(AyarOku("Listeler\\Liste-1", "Genislik-3"), "1500");

    ÇizgiliListeler = false;  // the preference shows at the next activation
    aç();
    EXPECT_FALSE(f->GirişYapılacakParçaListesi->showGrid());
    EXPECT_FALSE(f->BirimFiyatıOnayı->isChecked());
    EXPECT_TRUE(f->KdvEklemeOnayı->isChecked());
    EXPECT_EQ(f->Etiket[14]->text(), "&Tutarı :");
    EXPECT_EQ(f->GirişYapılacakParçaListesi->columnWidth(2), 100);
}

TEST_F(ParçaGirişiTesti, KodunParçalarınıBulurVeTemizler) {
    aç();
    for (const QString k : {"", "0", "000"}) {
        bul(k);
        EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi");
        EXPECT_TRUE(f->BulKutusu->isEnabled());
    }
    EXPECT_FALSE(AramaYapıldı);

    bul("9");  // no parts: the find stays open
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi (Toplam: 0)");
    EXPECT_TRUE(f->BulKutusu->isEnabled());
    EXPECT_EQ(f->BulKutusu->text(), "9");

    bul("007");
    EXPECT_TRUE(AramaYapıldı);
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi (Toplam: 3)");
    EXPECT_EQ(f->BulKutusu->text(), "7");
    EXPECT_FALSE(f->BulKutusu->isEnabled());
    EXPECT_FALSE(f->BulDüğmesi->isEnabled());
    QStringList metinler;
    for (int i = 0; i < f->ParçaListesi->count(); ++i) metinler << f->ParçaListesi->item(i)->text();
    EXPECT_EQ(metinler.join('|'), "B-200|CONTA (Nosu Yok!)|F-100");

    f->TemizleDüğmesi->click();
    EXPECT_FALSE(AramaYapıldı);
    EXPECT_EQ(f->ParçaListesi->count(), 0);
    EXPECT_EQ(f->BulKutusu->text(), "");
    EXPECT_TRUE(f->BulKutusu->isEnabled());
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi");
    EXPECT_EQ(QApplication::focusWidget(), f->BulKutusu);

    // Enter in the code box runs the find
    yaz(f->BulKutusu, "8");
    f->BulKutusu->setFocus();
    QTest::keyClick(f->BulKutusu, Qt::Key_Return);
    EXPECT_EQ(f->ParçaListesi->count(), 1);
    EXPECT_FALSE(f->BulKutusu->isEnabled());
}

TEST_F(ParçaGirişiTesti, SeçilenParçaVeÖnektenArama) {
    aç();
    bul("7");
    seç("F-100");
    EXPECT_EQ(f->AdıKutusu->text(), "YAĞ FİLTRESİ");
    EXPECT_EQ(f->MarkasıKutusu->text(), "FORD");
    EXPECT_EQ(f->KdvOranıKutusu->text(), "18,00");
    EXPECT_EQ(f->BirimiKutusu->text(), "ADET");
    EXPECT_EQ(f->AmbarYeriKutusu->text(), "RAF 1");
    seç("CONTA (Nosu Yok!)");
    EXPECT_EQ(f->AdıKutusu->text(), "CONTA");
    EXPECT_EQ(f->KdvOranıKutusu->text(), "0");  // no VAT rate stored

    Yaz(f->ParçaBulKutusu, "f");
    EXPECT_EQ(f->ParçaBulKutusu->text(), "F");
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "F-100");
    EXPECT_EQ(f->AdıKutusu->text(), "YAĞ FİLTRESİ");
    yaz(f->ParçaBulKutusu, "co");
    EXPECT_EQ(f->ParçaBulKutusu->text(), "CO");
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "CONTA (Nosu Yok!)");
    yaz(f->ParçaBulKutusu, "   ");
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "CONTA (Nosu Yok!)");
    yaz(f->ParçaBulKutusu, "Z");
    EXPECT_EQ(f->ParçaListesi->currentRow(), -1);
}

// A list entered with Tab gets a current row that is not selected; picking that very
// row afterwards, by the type-ahead or by a click, still shows the part.
TEST_F(ParçaGirişiTesti, SekmeyleGirilenListedeİlkParçaGösterilir) {
    aç();
    bul("7");
    f->ParçaListesi->setFocus();
    f->ParçaListesi->setCurrentRow(0, QItemSelectionModel::NoUpdate);  // what entering the list does
    ASSERT_EQ(f->ParçaListesi->item(0)->text(), "B-200");
    EXPECT_TRUE(f->AdıKutusu->text().isEmpty());  // nothing selected, nothing shown
    QTest::keyClick(f->ParçaListesi, Qt::Key_Down);  // the list's own key starts at the first part
    EXPECT_EQ(f->AdıKutusu->text(), "BALATA");

    f->ParçaBulKutusu->setFocus();
    Yaz(f->ParçaBulKutusu, "b");
    EXPECT_EQ(f->AdıKutusu->text(), "BALATA");
    EXPECT_EQ(f->KdvOranıKutusu->text(), "18,00");

    yaz(f->ParçaBulKutusu, "z");  // no match: no part selected
    ASSERT_TRUE(f->ParçaListesi->selectedItems().isEmpty());
    f->ParçaListesi->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    const QRect yer = f->ParçaListesi->visualItemRect(f->ParçaListesi->item(2));
    QTest::mouseClick(f->ParçaListesi->viewport(), Qt::LeftButton, {}, yer.center());
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "F-100");
    EXPECT_EQ(f->AdıKutusu->text(), "YAĞ FİLTRESİ");
}

TEST_F(ParçaGirişiTesti, KutularınGirişKuralları) {
    aç();
    // a date box is normalised when left; a wrong date keeps the focus
    f->GirişTarihiKutusu->setFocus();
    Yaz(f->GirişTarihiKutusu, "1a.2/2026");
    EXPECT_EQ(f->GirişTarihiKutusu->text(), "1.2/2026");
    f->FaturaTarihiKutusu->setFocus();
    EXPECT_EQ(f->GirişTarihiKutusu->text(), "01.02.2026");
    yaz(f->FaturaTarihiKutusu, "32.1.2026");
    f->FaturaNoKutusu->setFocus();
    EXPECT_EQ(sonMesaj(), "Lütfen, TARİHİ doğru biçimde giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), f->FaturaTarihiKutusu);
    f->FaturaTarihiKutusu->clear();

    // numbers: digits and one comma, "##,##0.00" when left
    f->MiktarıKutusu->setFocus();
    Yaz(f->MiktarıKutusu, "1234,5,x");
    EXPECT_EQ(f->MiktarıKutusu->text(), "1234,5");
    f->FiyatıKutusu->setFocus();
    EXPECT_EQ(f->MiktarıKutusu->text(), "1.234,50");

    // free text: upper case, trimmed, apostrophe made typographic
    f->FaturaVerenKutusu->setFocus();
    Yaz(f->FaturaVerenKutusu, " ali'nin ");
    f->MiktarıKutusu->setFocus();
    EXPECT_EQ(f->FaturaVerenKutusu->text(), "ALİ’NİN");

    // digits only in the voucher number; Enter moves on
    f->FişNoKutusu->setFocus();
    Yaz(f->FişNoKutusu, "1a2");
    EXPECT_EQ(f->FişNoKutusu->text(), "12");
    Yapıştır(f->FişNoKutusu, "-5");  // pasting passes the same filter
    EXPECT_EQ(f->FişNoKutusu->text(), "5");
    QTest::keyClick(f->FişNoKutusu, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f->GirişTarihiKutusu);

    // closing skips the check of a wrong date
    const auto önce = mesajlar.size();
    yaz(f->GirişTarihiKutusu, "99.99");
    f->KapatDüğmesi->setFocus();
    f->KapatDüğmesi->click();
    EXPECT_EQ(mesajlar.size(), önce);
    EXPECT_FALSE(f->isVisible());

    // and so does Esc
    aç();
    f->FaturaTarihiKutusu->setFocus();
    Yaz(f->FaturaTarihiKutusu, "45.45.45");
    QTest::keyClick(f->FaturaTarihiKutusu, Qt::Key_Escape);
    EXPECT_EQ(mesajlar.size(), önce);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(ParçaGirişiTesti, SatırDenetimleriSırayla) {
    aç();
    bul("7");
    f->ListeyeEkleDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Lütfen, listeden bir PARÇA seçiniz.");
    EXPECT_EQ(QApplication::focusWidget(), f->ParçaListesi);
    seç("F-100");
    // each step types into one box and adds: the next check refuses the line (and takes the focus, when given)
    const QString miktar = "Lütfen, geçerli bir MİKTAR giriniz.", fiyat = "Lütfen, geçerli bir FİYAT giriniz.";
    const QString faturaTarihi = KısaTarih(QDate(buYıl() - 1, 12, 30)), çok(20, '9'), dokuz(9, '9');
    auto *fişNo = f->FişNoKutusu, *miktarı = f->MiktarıKutusu, *fiyatı = f->FiyatıKutusu;
    struct Adım { QLineEdit* kutu; QString metin, mesaj; QWidget* odak = nullptr; };
    const Adım adımlar[] = {
        {fişNo, "", "FİŞ NO boş olamaz!"}, {fişNo, "0", "FİŞ NO (0) olamaz!", fişNo},
        {fişNo, "000", "FİŞ NO (0) olamaz!", fişNo}, {fişNo, "2147483648", "FİŞ NO en fazla 2147483647 olabilir!"},
        {fişNo, "0012", "Lütfen, GİRİŞ TARİHİ'ni giriniz.", f->GirişTarihiKutusu},
        {f->GirişTarihiKutusu, KısaTarih(QDate(buYıl() - 1, 12, 31)),
         QString("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(buYıl())},
        {f->GirişTarihiKutusu, buYılın(2, 1), "Lütfen, FATURA TARİHİ'ni giriniz."},
        {f->FaturaTarihiKutusu, faturaTarihi, "Lütfen, FATURA NO'yu giriniz."},  // any year
        {f->FaturaNoKutusu, "A-1", "Lütfen, FATURA VEREN'i giriniz.", f->FaturaVerenKutusu},
        {f->FaturaVerenKutusu, "DEMİR", miktar, miktarı},  // the quantity still empty
        {miktarı, "0", miktar, miktarı}, {miktarı, "00", miktar, miktarı}, {miktarı, "0,0", miktar, miktarı},
        {miktarı, "0,00", miktar, miktarı}, {miktarı, "2", fiyat}, {fiyatı, "0", fiyat}, {fiyatı, "00,0", fiyat},
        // beyond what a line can hold: refused by name
        {fiyatı, çok, "FİYAT en fazla 999.999.999 olabilir!"}, {miktarı, çok, "MİKTAR en fazla 999.999.999 olabilir!"},
        {miktarı, dokuz, "FİYAT en fazla 999.999.999 olabilir!"},
        {fiyatı, dokuz, "TUTAR en fazla 999.999.999.999 olabilir!", fiyatı}};
    for (const auto& [kutu, metin, mesaj, odak] : adımlar) {
        SCOPED_TRACE(kutu->objectName().toStdString() + " " + metin.toStdString());
        yaz(kutu, metin);
        f->ListeyeEkleDüğmesi->click();
        EXPECT_EQ(sonMesaj(), mesaj);
        if (odak) { EXPECT_EQ(QApplication::focusWidget(), odak); }
    }
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 0);
    const auto önce = mesajlar.size();
    satır("2", "3");
    EXPECT_EQ(mesajlar.size(), önce);
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 1);
    EXPECT_EQ(fişNo->text(), "12");  // the leading zeros dropped
    EXPECT_EQ(hücre(0, 10), faturaTarihi);
}

TEST_F(ParçaGirişiTesti, KdvEklenmişBirimFiyatlıSatırYazılır) {
    aç();
    bul("7");
    seç("F-100");
    başlık("0012");
    satır("10", "5");
    auto* l = f->GirişYapılacakParçaListesi;
    ASSERT_EQ(l->satırSayısı(), 1);
    EXPECT_EQ(l->model()->satırlar[0].hücreler.join('|'),
              QString("%1|1|7|F-100|YAĞ FİLTRESİ|10|18,00|5,9|59|%2|%3|A-1|DEMİR LTD")
                  .arg(filtre)
                  .arg(buYılın(3, 1), buYılın(2, 1)));
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "59,00");
    // the header is locked, the line boxes emptied
    EXPECT_FALSE(f->FişNoKutusu->isEnabled());
    EXPECT_FALSE(f->FaturaVerenKutusu->isEnabled());
    EXPECT_FALSE(f->TemizleDüğmesi->isEnabled());
    EXPECT_TRUE(f->ListeyiAmbaraEkleDüğmesi->isEnabled());
    EXPECT_TRUE(f->MiktarıKutusu->text().isEmpty());
    EXPECT_TRUE(f->FiyatıKutusu->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), f->ParçaBulKutusu);
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "F-100");

    f->ListeyiAmbaraEkleDüğmesi->click();
    EXPECT_TRUE(mesajlar.empty());
    Sorgu s(VeriTabanı, "SELECT * FROM GirisIslemleriTablosu");
    ASSERT_TRUE(s.sonraki());
    EXPECT_EQ(s.tamsayı("ParcaNo"), filtre);
    EXPECT_EQ(s.tamsayı("Kodu"), 7);
    EXPECT_EQ(s.tamsayı("FisNo"), 12);
    EXPECT_DOUBLE_EQ(s.sayı("Miktari"), 10);
    EXPECT_EQ(s.para("Fiyati"), Para::onBindeden(59000));
    EXPECT_EQ(s.para("Tutari"), Para::onBindeden(590000));
    EXPECT_EQ(s.tarih("Tarihi"), QDate(buYıl(), 1, 3));
    EXPECT_EQ(s.tarih("FaturaTarihi"), QDate(buYıl(), 1, 2));
    EXPECT_EQ(s.metin("FaturaNo"), "A-1");
    EXPECT_EQ(s.metin("FaturaVeren"), "DEMİR LTD");
    EXPECT_EQ(s.tamsayı("Yazdirildi"), 0);
    EXPECT_TRUE(s.boşMu("ArsivFisNo"));
    EXPECT_FALSE(s.sonraki());

    // the list, the header and the total are empty and open again
    EXPECT_EQ(l->satırSayısı(), 0);
    EXPECT_TRUE(f->FişNoKutusu->text().isEmpty());
    EXPECT_TRUE(f->ListeToplamıKutusu->text().isEmpty());
    EXPECT_TRUE(f->FişNoKutusu->isEnabled());
    EXPECT_TRUE(f->TemizleDüğmesi->isEnabled());
    EXPECT_FALSE(f->ListeyiAmbaraEkleDüğmesi->isEnabled());
    EXPECT_EQ(f->ParçaListesi->count(), 3);  // the found parts stay
}

TEST_F(ParçaGirişiTesti, FiyatSeçenekleriVeToplam) {
    aç();
    bul("7");
    seç("F-100");
    başlık("5");
    f->BirimFiyatıOnayı->setChecked(false);  // the typed value is the line's total, VAT added
    satır("3", "100");
    EXPECT_EQ(hücre(0, 7), "39,3333333333333");
    EXPECT_EQ(hücre(0, 8), "118");
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "118,00");

    f->BirimFiyatıOnayı->setChecked(true);
    seç("B-200");
    satır("3", "100");
    EXPECT_EQ(hücre(1, 1), "2");
    EXPECT_EQ(hücre(1, 7), "118");
    EXPECT_EQ(hücre(1, 8), "354");
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "472,00");

    f->KdvEklemeOnayı->setChecked(true);  // the typed price as it is, rounded to four decimals
    seç("CONTA (Nosu Yok!)");
    satır("2,5", "1,23456");
    EXPECT_EQ(hücre(2, 7), "1,2346");
    EXPECT_EQ(hücre(2, 8), "3,0865");
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "475,09");  // 472 + 3,0865

    f->ListeyiAmbaraEkleDüğmesi->click();
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT Fiyati FROM GirisIslemleriTablosu WHERE ParcaNo=?", {qlonglong(filtre)})
                  .toLongLong(),
              393333);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT SUM(Tutari) FROM GirisIslemleriTablosu").toLongLong(), 4750865);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT Miktari FROM GirisIslemleriTablosu WHERE ParcaNo=?", {qlonglong(conta)})
                  .toDouble(),
              2.5);
}

TEST_F(ParçaGirişiTesti, FişNoKuralıİlkSatırda) {
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                        "FaturaTarihi, FaturaNo, FaturaVeren) VALUES (?, 8, ?, 40, 1, 10000, 10000, ?, 'X', 'Y')",
                        {qlonglong(buji), QDate(buYıl(), 1, 5), QDate(buYıl(), 1, 4)});
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                        "FaturaTarihi, FaturaNo, FaturaVeren) VALUES (?, 7, ?, 41, 1, 10000, 10000, ?, 'F-9', 'ESKİ')",
                        {qlonglong(filtre), QDate(buYıl(), 2, 6), QDate(buYıl() - 1, 12, 28)});
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                        "VALUES (?, 8, ?, 42, 1, 10000, 10000)",
                        {qlonglong(buji), QDate(buYıl() - 1, 6, 1)});
    aç();
    bul("7");
    seç("F-100");

    başlık("40");  // this year's voucher of another code
    satır("1", "1");
    EXPECT_EQ(sonMesaj(), "Bu FİŞ NO ile (8) KOD için giriş yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!");
    EXPECT_EQ(QApplication::focusWidget(), f->FişNoKutusu);
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 0);
    EXPECT_EQ(YılBaşıTarihi, QDate(buYıl(), 1, 1));
    EXPECT_EQ(YılSonuTarihi, QDate(buYıl(), 12, 31));

    başlık("41");  // the same code: No keeps everything as typed
    cevapla(MesajCevabı::Hayır);
    satır("1", "1");
    EXPECT_EQ(sonMesaj(), "Bu FİŞ NO ile daha önce giriş yapılmış!\r\n\r\nBu girişe ekleme yapmak istiyor musunuz?");
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 0);
    EXPECT_EQ(f->FaturaNoKutusu->text(), "A-1");

    cevapla(MesajCevabı::Evet);  // Yes: the stored header replaces the typed one
    satır("1", "1");
    ASSERT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 1);
    EXPECT_EQ(f->GirişTarihiKutusu->text(), buYılın(6, 2));
    EXPECT_EQ(f->FaturaTarihiKutusu->text(), KısaTarih(QDate(buYıl() - 1, 12, 28)));
    EXPECT_EQ(f->FaturaNoKutusu->text(), "F-9");
    EXPECT_EQ(f->FaturaVerenKutusu->text(), "ESKİ");
    // later lines take the locked header without the rule
    const auto sorular = mesajlar.size();
    seç("B-200");
    satır("2", "2");
    EXPECT_EQ(mesajlar.size(), sorular);
    f->ListeyiAmbaraEkleDüğmesi->click();
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM GirisIslemleriTablosu WHERE FisNo=41 AND FaturaNo='F-9' "
                                  "AND FaturaVeren='ESKİ' AND Tarihi=?",
                                  {QDate(buYıl(), 2, 6)})
                  .toInt(),
              3);

    // a number used only in an earlier year passes without a question
    const auto önce = mesajlar.size();
    başlık("42");
    satır("1", "1");
    EXPECT_EQ(mesajlar.size(), önce);
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 1);
}

TEST_F(ParçaGirişiTesti, AynıParçaİkinciKez) {
    birSatırlaAç();
    cevapla(MesajCevabı::Hayır);
    satır("2", "2");
    EXPECT_EQ(sonMesaj(),
              "Seçtiğiniz bu PARÇA listeye daha önce eklenmiş!\n\nAYNI PARÇA'yı bir kez daha eklemek istiyor musunuz?");
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 1);
    EXPECT_EQ(QApplication::focusWidget(), f->ParçaListesi);
    cevapla(MesajCevabı::Evet);
    satır("2", "2");
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 2);
    EXPECT_EQ(hücre(1, 0), QString::number(filtre));
    EXPECT_EQ(hücre(1, 1), "2");
}

TEST_F(ParçaGirişiTesti, SatırÇıkarmaVeListeyiTemizleme) {
    üçSatır("3", {"1", "1", "1"});
    auto* l = f->GirişYapılacakParçaListesi;
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "65,40");

    l->satırSeç(1);
    f->ListedenÇıkarDüğmesi->click();
    ASSERT_EQ(l->satırSayısı(), 2);
    EXPECT_EQ(hücre(0, 1), "1");
    EXPECT_EQ(hücre(1, 1), "2");
    EXPECT_EQ(hücre(1, 4), "CONTA");
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "41,80");
    EXPECT_EQ(l->seçiliSatır(), 0);

    // a double-click removes a line too; the first row stays selected after removing row 1
    l->satırSeç(0);
    const QPoint yer = l->visualRect(l->model()->index(0, 1)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, yer);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, yer);
    ASSERT_EQ(l->satırSayısı(), 1);
    EXPECT_EQ(hücre(0, 4), "CONTA");
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "30,00");

    l->satırSeç(0);
    f->ListedenÇıkarDüğmesi->click();  // the last line: the header opens again
    EXPECT_EQ(l->satırSayısı(), 0);
    EXPECT_TRUE(f->FişNoKutusu->isEnabled());
    EXPECT_TRUE(f->FişNoKutusu->text().isEmpty());
    EXPECT_TRUE(f->ListeToplamıKutusu->text().isEmpty());
    EXPECT_FALSE(f->ListedenÇıkarDüğmesi->isEnabled());
    f->ListedenÇıkarDüğmesi_Click();  // nothing selected: nothing happens

    başlık("4");
    seç("F-100");
    satır("1", "1");
    f->ListeyiTemizleDüğmesi->click();
    EXPECT_EQ(l->satırSayısı(), 0);
    EXPECT_TRUE(f->GirişTarihiKutusu->isEnabled());
    EXPECT_TRUE(f->GirişTarihiKutusu->text().isEmpty());
    EXPECT_TRUE(f->TemizleDüğmesi->isEnabled());
    EXPECT_EQ(f->AdıKutusu->text(), "YAĞ FİLTRESİ");  // the part area stays
    EXPECT_EQ(girişSayısı(), 0);
}

TEST_F(ParçaGirişiTesti, YazmaHatasıHiçbirSatırBırakmaz) {
    üçSatır("9", {"1", "2", "3"});
    VeriTabanı.çalıştır("CREATE TEMP TRIGGER ucuncuyu_bozar BEFORE INSERT ON GirisIslemleriTablosu "
                        "WHEN (SELECT COUNT(*) FROM GirisIslemleriTablosu) >= 2 "
                        "BEGIN SELECT RAISE(ABORT, 'deneme'); END");
    f->ListeyiAmbaraEkleDüğmesi->click();
    EXPECT_EQ(girişSayısı(), 0);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_TRUE(mesajlar[0].metin.contains("deneme"));
    EXPECT_EQ(sonlandırmaSayısı, 0);
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 3);
    EXPECT_EQ(f->FişNoKutusu->text(), "9");
    EXPECT_FALSE(f->FişNoKutusu->isEnabled());
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "149,00");

    VeriTabanı.çalıştır("DROP TRIGGER ucuncuyu_bozar");
    f->ListeyiAmbaraEkleDüğmesi->click();  // another try stores all three
    EXPECT_EQ(girişSayısı(), 3);
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 0);
}

TEST_F(ParçaGirişiTesti, BekleyenSatırlarlaKapatma) {
    birSatırlaAç();
    cevapla(MesajCevabı::Hayır);
    f->KapatDüğmesi->click();
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(sonMesaj(), "Listenizde ambara girilmemiş parçalar var, devam ederseniz bu parçalar ambara eklenmeyecek!"
                          "\n\nBu parçaları ambara eklemeden devam etmek istediğinize emin misiniz?");
    EXPECT_EQ(f->GirişYapılacakParçaListesi->satırSayısı(), 1);
    EXPECT_TRUE(AyarOku("Ayarlar", "Birim Fiyati").isEmpty());  // nothing saved

    cevapla(MesajCevabı::Evet);
    QTest::keyClick(f.get(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(girişSayısı(), 0);
    EXPECT_EQ(AyarOku("Ayarlar", "Birim Fiyati"), "1");
}

TEST_F(ParçaGirişiTesti, YeniTanımlananParçaTeslimAlınır) {
    aç();
    f->ParçaTanımlaDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Lütfen, tanımlayacağınız parçanın KODUNU giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), f->BulKutusu);

    yaz(f->BulKutusu, "7");
    const auto yeni = parçaEkle(7, "", "KAYIŞ", "8,00");
    f->YeniParçayıAl(yeni, "", "KAYIŞ");
    EXPECT_TRUE(AramaYapıldı);
    EXPECT_FALSE(f->BulKutusu->isEnabled());
    EXPECT_FALSE(f->BulDüğmesi->isEnabled());
    ASSERT_NE(f->ParçaListesi->currentItem(), nullptr);
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "KAYIŞ (Nosu Yok!)");
    EXPECT_EQ(f->AdıKutusu->text(), "KAYIŞ");
    EXPECT_EQ(f->MarkasıKutusu->text(), "FORD");
    EXPECT_EQ(f->KdvOranıKutusu->text(), "8,00");
    EXPECT_EQ(QApplication::focusWidget(), f->FişNoKutusu);
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi (Toplam: 1)");  // the count follows the list

    // with lines pending the focus goes to the quantity
    başlık("1");
    satır("1", "1");
    const auto ikinci = parçaEkle(7, "K-2", "KAYIŞ 2");
    f->YeniParçayıAl(ikinci, "K-2", "KAYIŞ 2");
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "K-2");
    EXPECT_EQ(f->ParçaListesi->item(0)->text(), "K-2");
    EXPECT_EQ(QApplication::focusWidget(), f->MiktarıKutusu);
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi (Toplam: 2)");
}

// The part boxes only show the part: Enter in the type-ahead goes on to the
// voucher's first open box, not into a box that cannot be typed into.
TEST_F(ParçaGirişiTesti, EnterParçaKutularınıAtlar) {
    aç();
    bul("7");
    f->ParçaBulKutusu->setFocus();
    Yaz(f->ParçaBulKutusu, "b");
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "B-200");
    QTest::keyClick(f->ParçaBulKutusu, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f->FişNoKutusu);

    // with the header locked the type-ahead leads to the quantity
    seç("F-100");
    başlık("1");
    satır("1", "1");
    ASSERT_EQ(QApplication::focusWidget(), f->ParçaBulKutusu);
    Yaz(f->ParçaBulKutusu, "b");
    QTest::keyClick(f->ParçaBulKutusu, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f->MiktarıKutusu);
}

TEST_F(ParçaGirişiTesti, ParçaTanımlaPenceresindenYeniParça) {
    aç();
    yaz(f->BulKutusu, "007");
    bool açıldı = false;
    ModalGelinceÇalıştır<ParçaTanımlaFormu>([&](ParçaTanımlaFormu* p) {
        açıldı = true;
        EXPECT_EQ(p->KoduKutusu->currentText(), "7");
        EXPECT_FALSE(p->KoduKutusu->isEnabled());
        EXPECT_EQ(p->MarkasıKutusu->text(), "FORD");
        p->AdıKutusu->setFocus();
        Yaz(p->AdıKutusu, "kayış");
        p->NosuKutusu->setFocus();
        Yaz(p->NosuKutusu, "K-9");
        QTest::mouseClick(p->SilKaydetDüğmesi, Qt::LeftButton);  // "Kaydet": saves, hands back, closes
    });
    f->ParçaTanımlaDüğmesi->click();
    ASSERT_TRUE(açıldı);
    const qint64 yeni = VeriTabanı.tekDeğer("SELECT ParcaNo FROM ParcaBilgileriTablosu WHERE Nosu='K-9'").toLongLong();
    ASSERT_GT(yeni, 0);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT Kodu FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {yeni}).toInt(), 7);
    ASSERT_NE(f->ParçaListesi->currentItem(), nullptr);
    EXPECT_EQ(f->ParçaListesi->currentItem()->text(), "K-9");
    EXPECT_EQ(f->ParçaListesi->currentItem()->data(Qt::UserRole).toLongLong(), yeni);
    EXPECT_EQ(f->AdıKutusu->text(), "KAYIŞ");
    EXPECT_EQ(f->BulKutusu->text(), "7");
    EXPECT_FALSE(f->BulKutusu->isEnabled());
    EXPECT_TRUE(AramaYapıldı);
    EXPECT_EQ(f->focusWidget(), f->FişNoKutusu);

    // the new part takes a line like any other
    başlık("1");
    satır("1", "1");
    EXPECT_EQ(hücre(0, 0), QString::number(yeni));
    EXPECT_EQ(hücre(0, 3), "K-9");

    // cancelling changes nothing here
    açıldı = false;
    ModalGelinceÇalıştır<ParçaTanımlaFormu>([&](ParçaTanımlaFormu* p) {
        açıldı = true;
        QTest::mouseClick(p->KapatVazgeçDüğmesi, Qt::LeftButton);
    });
    f->ParçaTanımlaDüğmesi->click();
    EXPECT_TRUE(açıldı);
    EXPECT_EQ(f->ParçaListesi->count(), 1);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 5);
}

// A hostile text pasted into a box of the receipt window is refused with a message
// (nothing stored, the list kept) or stored exactly as the box shows it once left.
TEST_F(ParçaGirişiTesti, DüşmancaMetinReddedilirYaDaGösterildiğiGibiSaklanır) {
    aç();
    f->KdvEklemeOnayı->setChecked(true);  // the typed unit price is stored as it is
    f->BirimFiyatıOnayı->setChecked(true);
    bul("7");
    auto* liste = f->GirişYapılacakParçaListesi;
    const auto hazırla = [&](int kutu) {
        VeriTabanı.çalıştır("DELETE FROM GirisIslemleriTablosu");
        seç("F-100");
        başlık("1");
        yaz(f->MiktarıKutusu, "2");
        yaz(f->FiyatıKutusu, "3");
        return std::array{f->FişNoKutusu, f->FaturaNoKutusu, f->FaturaVerenKutusu, f->MiktarıKutusu,
                          f->FiyatıKutusu}[kutu];
    };
    const auto kaydet = [&] {
        f->ListeyeEkleDüğmesi->click();
        if (liste->satırSayısı() == 1) f->ListeyiAmbaraEkleDüğmesi->click();
    };
    düşmancaMetinleriDene(5, hazırla, "ParçaBulKutusu", kaydet, [&](int kutu, const QString& gösterilen, bool red) {
        EXPECT_TRUE(kutu != 0 || QRegularExpression("^\\d*$").match(gösterilen).hasMatch());
        EXPECT_EQ(liste->satırSayısı(), 0);  // refused: not listed; taken: written
        if (red) return;
        Sorgu s(VeriTabanı, "SELECT FisNo, FaturaNo, FaturaVeren, Miktari, Fiyati FROM GirisIslemleriTablosu");
        ASSERT_TRUE(s.sonraki());
        const QString saklanan[] = {QString::number(s.tamsayı("FisNo")), s.metin("FaturaNo"), s.metin("FaturaVeren"),
                                    BiçimliSayı(s.sayı("Miktari")), BiçimliSayı(Para::onBindeden(s.tamsayı("Fiyati")))};
        EXPECT_EQ(saklanan[kutu], gösterilen);
    });
}

// Another workstation changes the store while the list waits: the list is refused,
// nothing stored, and the list and its locked header stay for another try.
TEST_F(ParçaGirişiTesti, ÖtekiKoltuğunDeğişikliğiListeyiDurdurur) {
    const auto girer = [this](qlonglong parça) {  // a receipt of the part under the voucher number
        return [this, parça](VeritabanıBağlantısı& b, int fişNo) {
            b.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Miktari, Fiyati, Tutari, Tarihi, "
                       "FaturaTarihi, FaturaNo, FaturaVeren, FisNo) SELECT ParcaNo, Kodu, 1, 1, 1, ?, ?, 'B', 'B', ? "
                       "FROM ParcaBilgileriTablosu WHERE ParcaNo=?",
                       {QDate(buYıl(), 2, 1), QDate(buYıl(), 2, 1), fişNo, parça});
        };
    };
    const std::vector<ÖtekiKoltuk> durumlar{
        YazmaKilidiTutar(),
        {"voucher number taken for code 8", girer(buji),
         "Bu FİŞ NO ile (8) KOD için giriş yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!"},
        {"voucher number begun for the same code with another invoice", girer(balata),
         "Bu FİŞ NO ile daha önce giriş yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!"},
        ParçayıSiler(balata, "\"BALATA\" (B-200)", 1)};
    ötekiKoltuklarıDene(durumlar, "GirisIslemleriTablosu", "ListeyiAmbaraEkleDüğmesi", "149,00", [&](int fişNo) {
        f.reset();
        üçSatır(QString::number(fişNo), {"1", "2", "3"});
        return f->GirişYapılacakParçaListesi;
    });
}
