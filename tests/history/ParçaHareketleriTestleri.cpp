#include "platform/AyarDeposu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/PencereAçıcıları.h"
#include "tests/history/HareketTestOrtamı.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

using F = ParçaHareketleriFormu;

class ParçaHareketleriTesti : public HareketTestOrtamı {};

TEST_F(ParçaHareketleriTesti, GirişlerFiyatTutarVeYürüyenToplamlaListelenir) {
    const auto p = parçaEkle("A-1", "CİVATA");
    VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (100, 'MARKA')");
    girişEkle(p, 3, TL("1,1111"));          // amount 3,3333
    girişEkle(p, 2, TL("10"), TL("20"), 7);
    çıkışEkle(p, 1, TL("4,6667"));
    auto f = pencereAç("A-1");

    ASSERT_EQ(f->HareketListesi->satırSayısı(), 2);
    EXPECT_EQ(hücre(*f, 0, F::FiyatıSütunu), "1,1111");
    EXPECT_EQ(hücre(*f, 0, F::TutarıSütunu), "3,3333");
    EXPECT_EQ(hücre(*f, 0, F::ToplamıSütunu), "3,3333");
    EXPECT_EQ(hücre(*f, 1, F::MiktarıSütunu), "2");
    EXPECT_EQ(hücre(*f, 1, F::TutarıSütunu), "20");
    EXPECT_EQ(hücre(*f, 1, F::ToplamıSütunu), "23,3333");
    EXPECT_EQ(hücre(*f, 1, F::FişNoSütunu), "7");
    EXPECT_EQ(hücre(*f, 1, F::ArşivFişNoSütunu), "");
    EXPECT_EQ(hücre(*f, 1, F::YerSütunu), "ACME");
    EXPECT_EQ(hücre(*f, 0, F::TarihiSütunu), KısaTarih(bugün()));
    EXPECT_EQ(f->GirişMiktarıKutusu->text(), "5,00");
    EXPECT_EQ(f->GirişTutarıKutusu->text(), "23,33");
    EXPECT_EQ(f->ÇıkışMiktarıKutusu->text(), "1,00");
    EXPECT_EQ(f->ÇıkışTutarıKutusu->text(), "4,67");
    EXPECT_EQ(f->MevcutMiktarıKutusu->text(), "4,00");
    EXPECT_EQ(f->MevcutTutarıKutusu->text(), "18,67");
    EXPECT_EQ(f->KoduKutusu->text(), "100");
    EXPECT_EQ(f->MarkasıKutusu->text(), "MARKA");
    EXPECT_EQ(f->NosuKutusu->text(), "A-1");
    EXPECT_EQ(f->KdvOranıKutusu->text(), "18");
    EXPECT_EQ(f->BirimiKutusu->text(), "ADET");
    EXPECT_EQ(f->AmbarYeriKutusu->text(), "RAF 1");
    EXPECT_EQ(f->BağlantıNoListesiTag, "0");
}

TEST_F(ParçaHareketleriTesti, ÇıkışlarınFiyatıTutarınMiktaraBölümüdür) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 10, TL("10"));
    çıkışEkle(p, 3, TL("10"), 4, "ATÖLYE");
    çıkışEkle(p, 0, TL("5"));  // a quantity of 0 has no price, and is no error
    auto f = pencereAç("A-1", true);

    ASSERT_EQ(f->HareketListesi->satırSayısı(), 2);
    EXPECT_EQ(hücre(*f, 0, F::FiyatıSütunu), "3,33333333333333");
    EXPECT_EQ(hücre(*f, 0, F::TutarıSütunu), "10");
    EXPECT_EQ(hücre(*f, 0, F::YerSütunu), "ATÖLYE");
    EXPECT_EQ(hücre(*f, 1, F::FiyatıSütunu), "");
    EXPECT_EQ(hücre(*f, 1, F::ToplamıSütunu), "15");
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_EQ(f->HareketListesi->sütunBaşlığı(F::YerSütunu), "Verilen Yer");
    EXPECT_EQ(f->Etiket[4]->text(), "Hareketler (Çıkışlar)");

    // switching keeps the totals and changes the rows and the caption
    const QString mevcut = f->MevcutTutarıKutusu->text();
    f->GirişÇıkışSeçeneği[0]->click();
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 1);
    EXPECT_EQ(f->HareketListesi->sütunBaşlığı(F::YerSütunu), "Alınan Yer");
    EXPECT_EQ(f->Etiket[4]->text(), "Hareketler (Girişler)");
    EXPECT_EQ(f->MevcutTutarıKutusu->text(), mevcut);
}

TEST_F(ParçaHareketleriTesti, SeçenekProgramdanSeçilinceBirŞeyYüklenmez) {
    parçaEkle("A-1", "CİVATA");
    ParçaHareketleriFormu f;
    EXPECT_TRUE(f.GirişÇıkışSeçeneği[0]->isChecked());
    EXPECT_TRUE(f.ParçaBulSeçeneği[0]->isChecked());
    EXPECT_EQ(f.Etiket[4]->text(), "Har&eketler");
    EXPECT_EQ(f.windowTitle(), "Parça Hareketleri (İzleme/Düzenleme) ");
    EXPECT_TRUE(f.BağlantıNoListesiTag.isEmpty());
    // before any part is loaded the switch only changes the captions
    f.GirişÇıkışSeçeneği[1]->click();
    EXPECT_EQ(f.HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(f.Etiket[4]->text(), "Hareketler (Çıkışlar)");
}

TEST_F(ParçaHareketleriTesti, BulNumaraDeğişenNoKodVeAdİle) {
    const auto a = parçaEkle("AB-1", "ŞAFT", 12);
    parçaEkle("AB-2", "CIVATA", 12);
    const auto c = parçaEkle("X-9", "İĞNE", 7);
    VeriTabanı.çalıştır("INSERT INTO DegisenNoBilgileriTablosu (ParcaNo, Adi, DegisenNo) VALUES (?, 'İĞNE', 'AB-OLD')",
                        {c});
    auto f = pencereAç();
    f->BulKutusu->setText("  AB  ");
    f->BulDüğmesi->click();
    EXPECT_EQ(f->BulKutusu->text(), "AB");
    ASSERT_EQ(f->ParçaListesi->count(), 3);  // two numbers, one superseded number
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi (Toplam: 2)");
    // Turkish order: C < Ç... I < İ < ... Ş
    EXPECT_EQ(f->ParçaListesi->item(0)->text(), "CIVATA");
    EXPECT_EQ(f->ParçaListesi->item(1)->text(), "İĞNE");
    EXPECT_EQ(f->ParçaListesi->item(2)->text(), "ŞAFT");
    EXPECT_EQ(f->ParçaListesi->item(2)->data(Qt::UserRole).toLongLong(), a);
    EXPECT_TRUE(f->ParçaListesi->selectedItems().isEmpty());
    EXPECT_TRUE(AramaYapıldı);

    f->ParçaBulSeçeneği[1]->setChecked(true);
    f->BulKutusu->setText("12AB");
    f->BulDüğmesi->click();
    EXPECT_EQ(f->ParçaListesi->count(), 2);
    f->BulKutusu->setText("AB");  // no leading number: code 0
    f->BulDüğmesi->click();
    EXPECT_EQ(f->ParçaListesi->count(), 0);
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi (Toplam: 0)");

    f->ParçaBulSeçeneği[2]->setChecked(true);
    f->BulKutusu->setText("İĞ");
    f->BulDüğmesi->click();
    ASSERT_EQ(f->ParçaListesi->count(), 1);
    EXPECT_EQ(f->ParçaListesi->item(0)->data(Qt::UserRole).toLongLong(), c);

    // blanks only: nothing happens
    f->BulKutusu->setText("   ");
    f->BulDüğmesi->click();
    EXPECT_EQ(f->ParçaListesi->count(), 1);
}

TEST_F(ParçaHareketleriTesti, BulunacakMetinDeğerOlarakBağlanırJokerlerDüzMetindir) {
    parçaEkle("A%1", "YÜZDELİ");
    parçaEkle("AX1", "DÜZ");
    parçaEkle("B_1", "ALT ÇİZGİLİ");
    parçaEkle("BX1", "BAŞKA");
    parçaEkle("O'1", "TIRNAKLI");
    auto f = pencereAç();
    for (const auto& [aranan, beklenen] : std::vector<std::pair<QString, QString>>{
             {"A%", "YÜZDELİ"}, {"B_", "ALT ÇİZGİLİ"}, {"O'1", "TIRNAKLI"}}) {
        f->BulKutusu->setText(aranan);  // pasted, so the key filter never saw it
        f->BulDüğmesi->click();
        ASSERT_EQ(f->ParçaListesi->count(), 1) << aranan.toStdString();
        EXPECT_EQ(f->ParçaListesi->item(0)->text(), beklenen);
    }
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ParçaHareketleriTesti, BulKutusuTürkçeBüyükHarfYazarJokerleriAlmaz) {
    parçaEkle("İKİ", "PARÇA");
    auto f = pencereAç();
    tuşla(f->BulKutusu, "i?'#*ı");
    EXPECT_EQ(f->BulKutusu->text(), "İI");
    f->BulKutusu->clear();
    tuşla(f->BulKutusu, "iki");
    QTest::keyClick(f->BulKutusu, Qt::Key_Return);  // Enter finds
    EXPECT_EQ(f->ParçaListesi->count(), 1);
}

TEST_F(ParçaHareketleriTesti, TemizleYalnızBulmadanSonraListeleriBoşaltır) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 1, TL("1"));
    auto f = pencereAç("A-1");
    f->BulKutusu->setText("A");
    f->TemizleDüğmesi->click();
    EXPECT_TRUE(f->BulKutusu->text().isEmpty());
    EXPECT_EQ(f->ParçaListesi->count(), 0);
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 0);
    EXPECT_TRUE(f->MevcutMiktarıKutusu->text().isEmpty());
    EXPECT_EQ(f->Etiket[1]->text(), "&Parça Listesi");
    EXPECT_FALSE(AramaYapıldı);
    EXPECT_EQ(f->BağlantıNoListesiTag, "0");
    // switching after the clear finds no selected entry: captions only
    f->GirişÇıkışSeçeneği[1]->click();
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 0);
}

TEST_F(ParçaHareketleriTesti, DeğişenNolarVeİkiYönlüBağlantılarBağlıParçaYüklenir) {
    const auto a = parçaEkle("A-1", "ANA");
    const auto b = parçaEkle("B-1", "BAĞLI");
    const auto c = parçaEkle("C-1", "ÖTEKİ");
    VeriTabanı.çalıştır("INSERT INTO DegisenNoBilgileriTablosu (ParcaNo, Adi, DegisenNo) VALUES (?, 'ANA', 'ESKİ-1')",
                        {a});
    VeriTabanı.çalıştır("INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
                        "VALUES (?, 'A-1', ?, 'B-1')", {a, b});
    VeriTabanı.çalıştır("INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
                        "VALUES (?, 'C-1', ?, 'A-1')", {c, a});
    girişEkle(a, 1, TL("1"));
    girişEkle(b, 4, TL("2"));
    girişEkle(b, 5, TL("2"));
    auto f = pencereAç("A-1");
    ASSERT_EQ(f->DeğişenNoListesi->count(), 1);
    EXPECT_EQ(f->DeğişenNoListesi->item(0)->text(), "ESKİ-1");
    ASSERT_EQ(f->BağlantıNoListesi->count(), 2);
    EXPECT_EQ(f->BağlantıNoListesi->item(0)->text(), "B-1");
    EXPECT_EQ(f->BağlantıNoListesi->item(0)->data(Qt::UserRole).toLongLong(), b);
    EXPECT_EQ(f->BağlantıNoListesi->item(1)->text(), "C-1");
    EXPECT_EQ(f->BağlantıNoListesi->item(1)->data(Qt::UserRole).toLongLong(), c);

    f->BağlantıNoListesi->setCurrentRow(0);
    EXPECT_EQ(f->BağlantıNoListesiTag, "1");
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 2);
    EXPECT_EQ(f->NosuKutusu->text(), "B-1");
    EXPECT_EQ(f->MevcutMiktarıKutusu->text(), "9,00");
    EXPECT_EQ(f->DeğişenNoListesi->count(), 1);  // the side lists stay
    EXPECT_EQ(f->BağlantıNoListesi->count(), 2);
    // the switch reloads the linked part
    f->GirişÇıkışSeçeneği[1]->click();
    EXPECT_EQ(f->NosuKutusu->text(), "B-1");
    // a click on the part still selected in the part list brings that part back
    QListWidget* parçalar = f->ParçaListesi;
    QTest::mouseClick(parçalar->viewport(), Qt::LeftButton, {},
                      parçalar->visualItemRect(parçalar->currentItem()).center());
    EXPECT_EQ(f->BağlantıNoListesiTag, "0");
    EXPECT_EQ(f->NosuKutusu->text(), "A-1");
    EXPECT_EQ(f->BağlantıNoListesi->count(), 2);

    // from the other side the link names A
    f->BulKutusu->setText("B-1");
    f->BulDüğmesi->click();
    parçayaTıkla(*f, "B-1");
    ASSERT_EQ(f->BağlantıNoListesi->count(), 1);
    EXPECT_EQ(f->BağlantıNoListesi->item(0)->text(), "A-1");
    EXPECT_EQ(f->BağlantıNoListesi->item(0)->data(Qt::UserRole).toLongLong(), a);
}

TEST_F(ParçaHareketleriTesti, SütunlarTarihSayıVeMetinOlarakSıralanır) {
    const auto p = parçaEkle("A-1", "CİVATA");
    for (double m : {9.0, 10.0, 2.5}) girişEkle(p, m, TL("1"));
    VeriTabanı.çalıştır("UPDATE GirisIslemleriTablosu SET Tarihi=? WHERE Miktari=10", {bugün().addDays(-40)});
    auto f = pencereAç("A-1");
    auto sütun = [&](int s) {
        QStringList l;
        for (int i = 0; i < f->HareketListesi->satırSayısı(); ++i) l << hücre(*f, i, s);
        return l;
    };
    auto başlığaTıkla = [&](int s) {
        const auto* b = f->HareketListesi->horizontalHeader();
        QTest::mouseClick(b->viewport(), Qt::LeftButton, {},
                          QPoint(b->sectionViewportPosition(s) + 5, b->height() / 2));
    };
    başlığaTıkla(F::TarihiSütunu);
    EXPECT_EQ(sütun(F::MiktarıSütunu).first(), "10");
    başlığaTıkla(F::TarihiSütunu);
    EXPECT_EQ(sütun(F::MiktarıSütunu).last(), "10");
    başlığaTıkla(F::MiktarıSütunu);
    EXPECT_EQ(sütun(F::MiktarıSütunu), QStringList({"2,5", "9", "10"}));
    EXPECT_EQ(SayısalSıralama, 1);
    // the place and the movement number sort as text
    f->HareketListesi->başlığaTıkla(F::HareketNoSütunu);
    EXPECT_EQ(SıralananSütun, 0);
    f->HareketListesi->başlığaTıkla(F::HareketNoSütunu);  // descending, and kept when the list loads again
    f->GirişÇıkışSeçeneği[1]->click();
    f->GirişÇıkışSeçeneği[0]->click();
    EXPECT_EQ(sütun(F::HareketNoSütunu), QStringList({"3", "2", "1"}));
}

TEST_F(ParçaHareketleriTesti, KapanırkenDokuzSütununDüzeniSaklanırAçılırkenGeriGelir) {
    {
        auto f = pencereAç();
        f->HareketListesi->setColumnWidth(F::YerSütunu, 200);
        f->HareketListesi->horizontalHeader()->moveSection(F::TarihiSütunu, F::MiktarıSütunu);
        QTest::keyClick(f.get(), Qt::Key_Escape);
        EXPECT_FALSE(f->isVisible());
    }
    for (int i = 1; i <= 9; ++i) {
        EXPECT_FALSE(AyarOku("Listeler\\Liste-3", QString("Konum-%1").arg(i)).isEmpty()) << i;
        EXPECT_FALSE(AyarOku("Listeler\\Liste-3", QString("Genislik-%1").arg(i)).isEmpty()) << i;
    }
    EXPECT_EQ(AyarOku("Listeler\\Liste-3", "Genislik-9"), "3000");
    EXPECT_EQ(AyarOku("Listeler\\Liste-3", "Genislik-1"), "0");
    EXPECT_EQ(AyarOku("Listeler\\Liste-3", "Konum-2"), "3");
    ParçaHareketleriFormu f;
    EXPECT_EQ(f.HareketListesi->columnWidth(F::YerSütunu), 200);
    EXPECT_EQ(f.HareketListesi->horizontalHeader()->visualIndex(F::TarihiSütunu), 2);
}

TEST_F(ParçaHareketleriTesti, ÇerçevelerAltlıklıSekmeSırasıPenceredekiGibi) {
    auto f = pencereAç();
    for (int i = 0; i < 5; ++i) ASSERT_EQ(f->findChild<QWidget*>(QStringLiteral("Altlık%1").arg(i)), f->Altlık[i]) << i;
    EXPECT_EQ(f->BulKutusu->parentWidget(), f->Altlık[0]);
    EXPECT_EQ(f->ParçaBulSeçeneği[2]->parentWidget(), f->Altlık[1]);
    EXPECT_EQ(f->GirişÇıkışSeçeneği[1]->parentWidget(), f->Altlık[2]);
    EXPECT_EQ(f->AmbarYeriKutusu->parentWidget(), f->Altlık[3]);
    EXPECT_EQ(f->MevcutTutarıKutusu->parentWidget(), f->Altlık[4]);
    EXPECT_EQ(SekmeSırası(f->BulKutusu),
              QStringList({"BulKutusu", "BulDüğmesi", "TemizleDüğmesi", "ParçaBulSeçeneği0", "ParçaBulSeçeneği1",
                           "ParçaBulSeçeneği2", "ParçaListesi", "DeğişenNoListesi", "BağlantıNoListesi",
                           "GirişÇıkışSeçeneği0", "GirişÇıkışSeçeneği1", "KoduKutusu", "MarkasıKutusu", "NosuKutusu",
                           "BirimiKutusu", "KdvOranıKutusu", "AmbarYeriKutusu", "GirişMiktarıKutusu",
                           "ÇıkışMiktarıKutusu", "MevcutMiktarıKutusu", "GirişTutarıKutusu", "ÇıkışTutarıKutusu",
                           "MevcutTutarıKutusu", "HareketListesi", "DeğişiklikYapDüğmesi", "SilDüğmesi",
                           "KapatDüğmesi"}));
}

TEST_F(ParçaHareketleriTesti, AnaPencereninAçıcısıPencereyiModalAçar) {
    const auto aç = PencereAçıcısı(Pencere::ParçaHareketleri);
    ASSERT_TRUE(aç);
    QWidget sahip;
    sahip.show();
    QString başlık;
    ModalGelinceÇalıştır([&](QWidget* w) {
        başlık = w->windowTitle();
        EXPECT_EQ(w->parentWidget(), &sahip);
        static_cast<QDialog*>(w)->reject();
    });
    aç(&sahip, false);
    EXPECT_EQ(başlık, "Parça Hareketleri (İzleme/Düzenleme) ");
}

// ---- deleting

TEST_F(ParçaHareketleriTesti, ArşivlenmişHareketDeğiştirilmezSilinmez) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 5, TL("2"), std::nullopt, 0, 41);
    auto f = pencereAç("A-1");
    EXPECT_EQ(hücre(*f, 0, F::FişNoSütunu), "0");
    EXPECT_EQ(hücre(*f, 0, F::ArşivFişNoSütunu), "41");
    f->HareketListesi->satırSeç(0);
    EXPECT_EQ(f->DeğiştirmePenceresiHazırla(), nullptr);
    EXPECT_EQ(sonMesaj(), "Bu harekete ait fiş ARŞİVLENDİĞİ için değişiklik yapılamaz!");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Ünlem);
    f->SilDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Bu harekete ait fiş ARŞİVLENDİĞİ için bu hareket silinemez!");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Ünlem);
    EXPECT_EQ(mesajlar.size(), 2u);  // no question asked
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM GirisIslemleriTablosu"), 1);
}

TEST_F(ParçaHareketleriTesti, SeçiliSatırYokkenİkiDüğmeDeSusar) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 5, TL("2"));
    auto f = pencereAç("A-1");
    f->SilDüğmesi->click();
    f->DeğişiklikYapDüğmesi->click();
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ParçaHareketleriTesti, SilmeOnaylanmazsaBirŞeySilinmez) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 5, TL("2"));
    auto f = pencereAç("A-1");
    f->HareketListesi->satırSeç(0);
    cevapla(MesajCevabı::Hayır);
    f->SilDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Bu hareketi SİLMEK istediğinizden emin misiniz?");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Soru);
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM GirisIslemleriTablosu"), 1);
}

TEST_F(ParçaHareketleriTesti, BeşSatırınSonuncusuSilinceDördüncüSeçilir) {
    const auto p = parçaEkle("A-1", "CİVATA");
    for (int i = 1; i <= 5; ++i) çıkışEkle(p, i, TL("1"));
    auto f = pencereAç("A-1", true);
    f->HareketListesi->satırSeç(4);
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 4);
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), 3);
    EXPECT_EQ(SeçiliSıra, 5);
    // row 2 of four: the row that followed it is selected
    f->HareketListesi->satırSeç(1);
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), 1);
    EXPECT_EQ(hücre(*f, 1, F::MiktarıSütunu), "3");
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM CikisIslemleriTablosu"), 3);
}

TEST_F(ParçaHareketleriTesti, TekSatırSilininceListeBoşKalır) {
    const auto p = parçaEkle("A-1", "CİVATA");
    çıkışEkle(p, 2, TL("1"));  // an issue is removed even when the stock is 0
    auto f = pencereAç("A-1", true);
    f->HareketListesi->satırSeç(0);
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 0);
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), -1);
    EXPECT_EQ(f->ÇıkışMiktarıKutusu->text(), "0,00");
}

TEST_F(ParçaHareketleriTesti, GirişSilmeStokKurallarınaUyar) {
    const auto p = parçaEkle("A-1", "CİVATA");
    const auto g1 = girişEkle(p, 10, TL("10"));
    çıkışEkle(p, 4, TL("40"));
    girişEkle(p, 1, TL("30"));
    auto f = pencereAç("A-1");

    f->HareketListesi->satırSeç(0);  // 10 units: 1 - 4 < 0
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Mevcut miktarınız NEGATİF olacağı için silinemiyor!");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Bilgi);
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM GirisIslemleriTablosu WHERE HareketNo=?", {g1}), 1);
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), 0);  // not reloaded

    f->HareketListesi->satırSeç(1);  // 1 unit for 30: 6 left worth 60, allowed
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM GirisIslemleriTablosu"), 1);
    EXPECT_EQ(f->MevcutTutarıKutusu->text(), "60,00");
}

TEST_F(ParçaHareketleriTesti, ÇıkışıOlmayanParçadaYalnızMiktarDenetlenir) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 2, TL("5"));
    auto f = pencereAç("A-1");
    f->HareketListesi->satırSeç(0);  // M = 0 and T = 0 without issues: allowed
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM GirisIslemleriTablosu"), 0);
}

TEST_F(ParçaHareketleriTesti, GirişSilmeİkiOndalıklıKutulardanDeğilKayıtlardanDenetlenir) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 2, TL("10"));
    girişEkle(p, 0.004, TL("10"));  // 0,04
    çıkışEkle(p, 2, TL("20"));
    auto f = pencereAç("A-1");
    EXPECT_EQ(f->MevcutMiktarıKutusu->text(), "0,00");  // really 0,004
    f->HareketListesi->satırSeç(1);
    cevapla(MesajCevabı::Evet);
    f->SilDüğmesi->click();  // leaves exactly 0 units worth 0
    EXPECT_TRUE(mesajMetinleri().filter("silinemiyor").isEmpty()) << sonMesaj().toStdString();
    EXPECT_EQ(tamsayı("SELECT COUNT(*) FROM GirisIslemleriTablosu"), 1);
}
