#include "reports/SayımCetveliFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/PencereAçıcıları.h"
#include "tests/reports/SayımVeMalzemeCetveliOrtamı.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

class SayımCetveliTesti : public CetvelTestOrtamı {
protected:
    void SetUp() override {
        CetvelTestOrtamı::SetUp();
        markaEkle(7, "FORD");
        markaEkle(70, "OPEL");
        const QDate geçenYıl(QDate::currentDate().year() - 1, 6, 1);
        const QDate buYıl(QDate::currentDate().year(), 1, 2);
        // code 7: stock 12 (over two years), 2,5, -3, 0, none, and 0,1 + 0,2 - 0,3
        const qlonglong oniki = parçaEkle(7, "B-20", "FİLTRE", "ADET", "RAF 2");
        girişEkle(oniki, geçenYıl, 10, TL("100"));
        girişEkle(oniki, buYıl, 5, TL("50"));
        çıkışEkle(oniki, buYıl, 3, TL("30"));
        girişEkle(parçaEkle(7, "A-10", "CONTA", "LT", "RAF 1"), buYıl, 2.5, TL("25"));
        const qlonglong eksi = parçaEkle(7, "C-30", "KAYIŞ");
        girişEkle(eksi, buYıl, 1, TL("10"));
        çıkışEkle(eksi, buYıl, 4, TL("40"));
        const qlonglong sıfır = parçaEkle(7, "D-40", "RULMAN");
        girişEkle(sıfır, buYıl, 2, TL("20"));
        çıkışEkle(sıfır, buYıl, 2, TL("20"));
        parçaEkle(7, "E-50", "SOMUN");
        const qlonglong kesir = parçaEkle(7, "F-60", "YAĞ");
        girişEkle(kesir, buYıl, 0.1, TL("1"));
        girişEkle(kesir, buYıl, 0.2, TL("2"));
        çıkışEkle(kesir, buYıl, 0.3, TL("3"));
        girişEkle(parçaEkle(70, "X-1", "AYNA"), buYıl, 9, TL("90"));
        girişEkle(parçaEkle(70, "X-2", "CAM"), buYıl, 10, TL("100"));
        parçaEkle(100, "Z-1", "KAPI");  // no brand row
        parçaEkle(8, "Y-1", "TEKER");
    }
    std::unique_ptr<SayımCetveliFormu> aç() {
        auto f = std::make_unique<SayımCetveliFormu>();
        f->show();
        return f;
    }
    static QStringList sütun(const SayımCetveliFormu& f, int s) {
        QStringList l;
        for (int i = 0; i < f.ParçaBilgileriListesi->satırSayısı(); ++i) l << f.ParçaBilgileriListesi->hücre(i, s);
        return l;
    }
};

TEST_F(SayımCetveliTesti, AçılınceKodlarSıralıListeBoşSütunlarYerinde) {
    auto f = aç();
    EXPECT_EQ(f->windowTitle(), "Sayım Cetveli");
    EXPECT_EQ(kodlar(f->KodListesi), (QStringList{"7", "8", "70", "100"}));
    EXPECT_TRUE(f->KodListesi->selectedItems().isEmpty());
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);
    EXPECT_EQ(başlıkları(f->ParçaBilgileriListesi), (QStringList{"Sıra No", "Parça No'su", "Parça Adı", "Birimi", "Mevcudu", "Ambar Yeri"}));
    EXPECT_EQ(f->ParçaBilgileriListesi->sütunGenişliğiTwips(5), 1500);
    EXPECT_FALSE(f->MevcuduKalmayanlarıListeleSeçeneği->isChecked());
    EXPECT_EQ(f->MevcuduKalmayanlarıListeleSeçeneği->text(), "&Sadece mevcudu kalmayanları listele ");
    for (const char* ad : {"Etiket0", "Etiket1", "Etiket2", "BulKutusu", "BulDüğmesi", "YazdırDüğmesi", "KapatDüğmesi"})
        EXPECT_TRUE(f->findChild<QWidget*>(ad)) << ad;
}

TEST_F(SayımCetveliTesti, StokluParçalarNoSırasıylaSadeSayıylaListelenir) {
    auto f = aç();
    koduSeç(f->KodListesi, 7);
    EXPECT_EQ(f->Etiket[2]->text(), "FORD");
    // zero stock (exact, after the quantities are normalised) and no movements are left out
    const std::vector<QStringList> stoklu = {{"1", "A-10", "CONTA", "LT", "2,5", "RAF 1"},
                                             {"2", "B-20", "FİLTRE", "ADET", "12", "RAF 2"},
                                             {"3", "C-30", "KAYIŞ", "ADET", "-3", "RAF 1"}};
    ASSERT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(satırı(f->ParçaBilgileriListesi, r), stoklu[size_t(r)]);
    EXPECT_TRUE(f->KodListesi->isEnabled());
    EXPECT_TRUE(mesajlar.empty());

    f->MevcuduKalmayanlarıListeleSeçeneği->click();
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::NosuSütunu), (QStringList{"D-40", "E-50", "F-60"}));
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::MevcuduSütunu), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::SıraNoSütunu), (QStringList{"1", "2", "3"}));

    // another code, and a code without a brand shows no brand rather than the last one
    koduSeç(f->KodListesi, 8);
    EXPECT_EQ(f->Etiket[2]->text(), "");
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::NosuSütunu), QStringList{"Y-1"});
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(SayımCetveliTesti, KodSeçiliDeğilkenSeçenekListeyiBoşaltır) {
    auto f = aç();
    f->MevcuduKalmayanlarıListeleSeçeneği->click();
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);
    koduSeç(f->KodListesi, 70);
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);  // both have stock
    f->MevcuduKalmayanlarıListeleSeçeneği->click();
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 2);
}

TEST_F(SayımCetveliTesti, BulmaSıfırlarıAtarİlkBaşlayanıSeçerBulamazsaBoşaltır) {
    auto f = aç();
    f->BulKutusu->setFocus();
    Yaz(f->BulKutusu, "0a07");  // letters are not typed
    EXPECT_EQ(f->BulKutusu->text(), "007");
    QTest::keyClick(f->BulKutusu, Qt::Key_Return);  // Enter runs the find
    EXPECT_EQ(f->BulKutusu->text(), "7");
    ASSERT_EQ(f->KodListesi->selectedItems().size(), 1);
    EXPECT_EQ(f->KodListesi->selectedItems().first()->text(), "7");  // 7 before 70
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 3);
    EXPECT_TRUE(f->BulKutusu->hasFocus() || !f->isActiveWindow());

    f->BulKutusu->setText("9");
    f->BulDüğmesi->click();
    EXPECT_TRUE(f->KodListesi->selectedItems().isEmpty());
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);
    EXPECT_EQ(f->Etiket[2]->text(), "FORD");  // keeps the last brand shown

    f->BulKutusu->setText("10");
    f->BulDüğmesi->click();
    EXPECT_EQ(f->KodListesi->selectedItems().first()->text(), "100");
    EXPECT_EQ(f->BulKutusu->maxLength(), 10);
}

TEST_F(SayımCetveliTesti, KodListesiyleAçılırSekmeParçaListesineGeçer) {
    auto f = aç();
    ASSERT_TRUE(EtkinGöster(f.get()));
    EXPECT_EQ(QApplication::focusWidget(), f->KodListesi);
    EXPECT_EQ(SekmeSırası(f->KodListesi),
              (QStringList{"KodListesi", "BulKutusu", "BulDüğmesi", "ParçaBilgileriListesi",
                           "MevcuduKalmayanlarıListeleSeçeneği", "YazdırDüğmesi", "KapatDüğmesi"}));
}

TEST_F(SayımCetveliTesti, AşağıOkuİlkKoddanBaşlar) {
    auto f = aç();
    ASSERT_TRUE(EtkinGöster(f.get()));
    f->KodListesi->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f->KodListesi, Qt::Key_Down);
    ASSERT_EQ(f->KodListesi->selectedItems().size(), 1);
    EXPECT_EQ(f->KodListesi->selectedItems().first()->text(), "7");
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 3);
    QTest::keyClick(f->KodListesi, Qt::Key_Down);
    EXPECT_EQ(f->KodListesi->selectedItems().first()->text(), "8");

    f->BulKutusu->setText("9");  // a failed find leaves no code selected
    f->BulDüğmesi->click();
    f->KodListesi->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f->KodListesi, Qt::Key_Down);
    EXPECT_EQ(f->KodListesi->selectedItems().first()->text(), "7");
}

TEST_F(SayımCetveliTesti, MevcuduSayıOlarakAdıMetinOlarakSıralanır) {
    auto f = aç();
    koduSeç(f->KodListesi, 70);
    f->MevcuduKalmayanlarıListeleSeçeneği->click();
    f->MevcuduKalmayanlarıListeleSeçeneği->click();
    ASSERT_EQ(sütun(*f, SayımCetveliFormu::MevcuduSütunu), (QStringList{"9", "10"}));
    auto* başlık = f->ParçaBilgileriListesi->horizontalHeader();
    emit başlık->sectionClicked(SayımCetveliFormu::MevcuduSütunu);
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::MevcuduSütunu), (QStringList{"9", "10"}));  // 9 before 10
    emit başlık->sectionClicked(SayımCetveliFormu::MevcuduSütunu);
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::MevcuduSütunu), (QStringList{"10", "9"}));
    EXPECT_EQ(SayısalSıralama, 1);
    emit başlık->sectionClicked(SayımCetveliFormu::AdıSütunu);  // another column starts ascending
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::AdıSütunu), (QStringList{"AYNA", "CAM"}));
    EXPECT_EQ(SıralananSütun, SayımCetveliFormu::AdıSütunu);
    EXPECT_EQ(SıralamaYönü, 0);
    // a text sort stays in force for the next listing; a number sort does not
    emit başlık->sectionClicked(SayımCetveliFormu::AdıSütunu);
    koduSeç(f->KodListesi, 7);
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::AdıSütunu), (QStringList{"KAYIŞ", "FİLTRE", "CONTA"}));
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::SıraNoSütunu), (QStringList{"3", "2", "1"}));
    emit başlık->sectionClicked(SayımCetveliFormu::MevcuduSütunu);
    koduSeç(f->KodListesi, 70);
    EXPECT_EQ(sütun(*f, SayımCetveliFormu::NosuSütunu), (QStringList{"X-1", "X-2"}));
}

TEST_F(SayımCetveliTesti, SütunDüzeniVeKopyaSayısıAyarlardanGelir) {
    {
        auto f = aç();
        f->ParçaBilgileriListesi->setColumnWidth(SayımCetveliFormu::AdıSütunu, 300);
        f->KapatDüğmesi->click();
    }
    AyarYaz("Ayarlar\\Sayim Cetveli", "Kopya Sayisi", "3");
    auto f = aç();
    EXPECT_EQ(f->ParçaBilgileriListesi->sütunGenişliğiTwips(SayımCetveliFormu::AdıSütunu), 4500);
    EXPECT_EQ(AyarOku("Listeler\\Liste-6", "Genislik-3"), "4500");
    EXPECT_EQ(SayımCetveliKopyaSayısı, 3);
}

// ---- printing ----

class SayımCetveliYazdırmaTesti : public SayımCetveliTesti {};

TEST_F(SayımCetveliYazdırmaTesti, TekSayfaBaşlıkBilgilerBaşlıklarVeSatırlarSayfaNumarasız) {
    AyarYaz("Ayarlar\\Sayim Cetveli", "Kopya Sayisi", "3");
    yazıcıKur(basılanlar, {200, 287});
    auto f = aç();
    koduSeç(f->KodListesi, 7);
    yazdır(f->YazdırDüğmesi);
    ASSERT_NO_FATAL_FAILURE(tekSayfaBasıldı(basılanlar, SayfaYönü::Dikey, 3));
    const YazılanBelge& b = belge();
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_TRUE(f->YazdırDüğmesi->isEnabled());

    konumda(b, "SAYIM CETVELİ", (200 - genişlik("SAYIM CETVELİ", 12, true)) / 2, 15, true);
    EXPECT_EQ(bul(b, "SAYIM CETVELİ")->punto, 12);

    const double bilgiY = 15 + satırYüksekliği(12, true);
    const std::array<std::pair<QString, QString>, 3> bilgiler = {
        {{"KOD NO ", ": 7"}, {"MARKASI ", ": FORD"}, {"TARİHİ ", ": " + KısaTarih(QDate::currentDate())}}};
    for (size_t i = 0; i < bilgiler.size(); ++i) {
        konumda(b, bilgiler[i].first, 145, bilgiY + i * satırYüksekliği(8, false), true);
        konumda(b, bilgiler[i].second, 160, bilgiY + i * satırYüksekliği(8, false), false);
        EXPECT_EQ(bul(b, bilgiler[i].second)->punto, 8);
    }
    const std::array<std::pair<QString, double>, 6> başlıklar = {{{"No", 10},
                                                                  {"Orjinal Parça No", 20},
                                                                  {"Adı ve Niteliği", 65},
                                                                  {"Birimi", 125},
                                                                  {"Mevcudu", 145},
                                                                  {"Ambar Yeri", 165}}};
    for (const auto& [metin, x] : başlıklar) konumda(b, metin, x, 35, true);
    // rows: 1 mm after the headings, 1,5 mm before each row; the stock ends where its heading ends
    const double ilkSatır = 35 + satırYüksekliği(8, true) + 1 + 1.5;
    konumda(b, "A-10", 20, ilkSatır, false);
    konumda(b, "B-20", 20, ilkSatır + satırYüksekliği(8, false) + 1.5, false);
    for (const QString stok : {"2,5", "12", "-3"}) başlığaYaslı(b, stok, 145, "Mevcudu");
    EXPECT_DOUBLE_EQ(bul(b, "RAF 2")->x, 165);
    EXPECT_DOUBLE_EQ(bul(b, "FİLTRE")->x, 65);
    EXPECT_DOUBLE_EQ(bul(b, "LT")->x, 125);
    EXPECT_DOUBLE_EQ(bul(b, "3")->x, 10);
    sayfaNumarasız(b);
}

TEST_F(SayımCetveliYazdırmaTesti, UzunListeSayfalaraBölünürHerSayfadaNumaraVar) {
    {
        İşlem tx(VeriTabanı);
        for (int i = 0; i < 60; ++i)
            girişEkle(parçaEkle(9, QString("P%1").arg(i, 3, 10, QChar('0')), "PARÇA"), QDate::currentDate(), 1, TL("1"));
        tx.onayla();
    }
    yazıcıKur(basılanlar, {200, 280});
    auto f = aç();
    koduSeç(f->KodListesi, 9);
    ASSERT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 60);
    yazdır(f->YazdırDüğmesi);
    const YazılanBelge& b = belge();
    ASSERT_GE(b.sayfaSayısı, 2);
    // page 1 is filled down to 255 mm; every page ends with its number at 260
    sayfaSonunaKadarDolu(1, 255);
    for (int sayfa : {1, b.sayfaSayısı}) sayfaNumarası(b, sayfa, 200, 260);
    // page 2: headings at 10, the first row at 16,5, no title
    konumda(b, "Orjinal Parça No", 20, 10, true, 2);
    EXPECT_FALSE(bul(b, "SAYIM CETVELİ", 2));
    EXPECT_FALSE(bul(b, "KOD NO ", 2));
    EXPECT_DOUBLE_EQ(ilkParçaSatırı(2), 16.5);
}

TEST_F(SayımCetveliYazdırmaTesti, BoşListeYazıcısızVeİptalBirŞeyBasmaz) {
    yazıcıKur(basılanlar, {200, 287});
    auto f = aç();
    basılmaz(f->YazdırDüğmesi, basılanlar, mesajlar, [&] { koduSeç(f->KodListesi, 7); });
}

TEST_F(SayımCetveliYazdırmaTesti, GönderilemeyenBelgeBildirilir) {
    YazıcıVar = true;
    YazıcıArkaUcuYapıcısıKur([k = basılanlar](const QString& ad) {
        auto a = std::make_unique<KayıtArkaUcu>(k, ad);
        a->bozuk = true;
        return a;
    });
    GeçerliYazıcıyıSıfırla();
    auto f = aç();
    koduSeç(f->KodListesi, 7);
    yazdır(f->YazdırDüğmesi);
    EXPECT_EQ(sonMesaj(), "Belge yazıcıya gönderilemedi!\n\nLütfen, yazıcınızı kontrol edip tekrar deneyiniz.");
}

TEST_F(SayımCetveliTesti, AnaPencereninAçıcısıPencereyiAçar) {
    const PencereAçıcı açıcı = PencereAçıcısı(Pencere::SayımCetveli);
    ASSERT_TRUE(açıcı);
    QString başlık;
    ModalGelinceÇalıştır([&](QWidget* w) {
        başlık = w->windowTitle();
        static_cast<QDialog*>(w)->reject();
    });
    açıcı(nullptr, false);
    EXPECT_EQ(başlık, "Sayım Cetveli");
}

}  // namespace
