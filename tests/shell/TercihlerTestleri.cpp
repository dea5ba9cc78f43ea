#include "shell/OrtakYordamlarModülü.h"
#include "shell/TercihlerFormu.h"
#include "shell/controls/AyarliKutu.h"
#include "tests/shell/KabukTestAraçları.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

QString ayar(const QString& bölüm, const QString& anahtar) { return AyarOku(bölüm, anahtar, QStringLiteral("yok")); }

const QString Kopya = QStringLiteral("Kopya Sayisi");

}  // namespace

class TercihlerTesti : public KabukTesti {
protected:
    // A window shown and active, so the focus moves as a user moves it.
    void göster(QWidget* w) {
        ASSERT_TRUE(EtkinGöster(w));
    }
};

TEST_F(TercihlerTesti, AyarYokkenÇizgiliVeBirerKopya) {
    ÇizgiliListeler = false;
    GirişFişiKopyaSayısı = 0;
    TercihlerFormu::TercihleriYükle();
    EXPECT_TRUE(ÇizgiliListeler);
    EXPECT_EQ(GirişFişiKopyaSayısı, 1);
    EXPECT_EQ(MalzemeCetveliKopyaSayısı, 1);
}

TEST_F(TercihlerTesti, OkunamayanKopyaSayısıBirOlurSınırlarİçindeKalır) {
    AyarYaz("Ayarlar\\Giris Fisi", Kopya, "iki");
    AyarYaz("Ayarlar\\Cikis Fisi", Kopya, "25");
    AyarYaz("Ayarlar\\Sayim Cetveli", Kopya, "0");
    AyarYaz("Ayarlar\\Malzeme Cetveli", Kopya, "4");
    AyarYaz("Ayarlar", "Cizgili Listeler", "0");
    TercihlerFormu::TercihleriYükle();
    EXPECT_EQ(GirişFişiKopyaSayısı, 1);
    EXPECT_EQ(ÇıkışFişiKopyaSayısı, 10);
    EXPECT_EQ(SayımCetveliKopyaSayısı, 1);
    EXPECT_EQ(MalzemeCetveliKopyaSayısı, 4);
    EXPECT_FALSE(ÇizgiliListeler);

    TercihlerFormu p;
    EXPECT_EQ(p.windowTitle(), "Tercihler (Ayarlar)...");
    EXPECT_FALSE(p.TümListelerÇizgiliOlsunOnayı->isChecked());
    EXPECT_EQ(p.MalzemeCetveliKopyaSayısıKutusu->Text(), "4");
    EXPECT_EQ(p.ÇıkışFişiKopyaSayısıKutusu->Value(), 10);
}

TEST_F(TercihlerTesti, TamamAyarlarıBölümVeAnahtarlarınaYazar) {
    TercihlerFormu p;
    göster(&p);
    EXPECT_EQ(p.findChild<QCheckBox*>("TümListelerÇizgiliOlsunOnayı")->text(), "&Tüm listeler çizgili (ızgaralı) olsun ");
    EXPECT_EQ(p.findChild<QLabel*>("Etiket2")->text(), "Sayım cetveli kopya sayısı :");
    auto* tamam = p.findChild<QPushButton*>("TamamDüğmesi");
    EXPECT_FALSE(tamam->isEnabled());  // nothing changed yet

    auto* kutu = p.findChild<AyarliKutu*>("SayımCetveliKopyaSayısıKutusu");
    kutu->DeğerKutusu->setFocus();
    QTest::keyClick(kutu->DeğerKutusu, Qt::Key_Up);
    QTest::keyClick(kutu->DeğerKutusu, Qt::Key_Up);
    EXPECT_TRUE(tamam->isEnabled());
    EXPECT_EQ(kutu->Text(), "3");
    auto* giriş = p.findChild<AyarliKutu*>("GirişFişiKopyaSayısıKutusu");
    giriş->DeğerKutusu->setFocus();
    QTest::keyClicks(giriş->DeğerKutusu, "7");  // the whole text was selected on entry
    QTest::mouseClick(p.TümListelerÇizgiliOlsunOnayı, Qt::LeftButton);
    tamam->click();

    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_EQ(ayar("Ayarlar", "Cizgili Listeler"), "0");
    EXPECT_EQ(ayar("Ayarlar\\Giris Fisi", Kopya), "7");
    EXPECT_EQ(ayar("Ayarlar\\Cikis Fisi", Kopya), "1");
    EXPECT_EQ(ayar("Ayarlar\\Sayim Cetveli", Kopya), "3");
    EXPECT_EQ(ayar("Ayarlar\\Malzeme Cetveli", Kopya), "1");
    EXPECT_FALSE(ÇizgiliListeler);
    EXPECT_EQ(GirişFişiKopyaSayısı, 7);
    EXPECT_EQ(SayımCetveliKopyaSayısı, 3);
}

TEST_F(TercihlerTesti, SınırDışıDeğerleTamamHiçbirŞeyYazmaz) {
    TercihlerFormu p;
    göster(&p);
    auto* kutu = p.MalzemeCetveliKopyaSayısıKutusu;
    kutu->DeğerKutusu->setFocus();
    QTest::keyClicks(kutu->DeğerKutusu, "25");
    ASSERT_TRUE(p.TamamDüğmesi->isEnabled());
    QTest::mouseClick(p.TamamDüğmesi, Qt::LeftButton);
    EXPECT_EQ(mesajMetinleri(), QStringList{"Belirlediğiniz değer, 1 ile 10 arasında olmalıdır!"});
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(kutu->Text(), "10");
    EXPECT_EQ(ayar("Ayarlar\\Malzeme Cetveli", Kopya), "yok");
    EXPECT_EQ(MalzemeCetveliKopyaSayısı, 1);
}

TEST_F(TercihlerTesti, İlkAyarlarVeİptal) {
    AyarYaz("Ayarlar\\Cikis Fisi", Kopya, "5");
    {
        TercihlerFormu p;
        göster(&p);
        p.İlkAyarlarDüğmesi->click();
        EXPECT_EQ(p.ÇıkışFişiKopyaSayısıKutusu->Value(), 1);
        EXPECT_TRUE(p.TamamDüğmesi->isEnabled());
        QTest::keyClick(&p, Qt::Key_Escape);
        EXPECT_EQ(p.result(), QDialog::Rejected);
        EXPECT_EQ(ayar("Ayarlar\\Cikis Fisi", Kopya), "5");
        EXPECT_EQ(ayar("Ayarlar", "Cizgili Listeler"), "yok");
        EXPECT_EQ(ÇıkışFişiKopyaSayısı, 5);
    }
    TercihlerFormu p;
    göster(&p);
    p.İlkAyarlarDüğmesi->click();
    p.TamamDüğmesi->click();
    EXPECT_EQ(ayar("Ayarlar", "Cizgili Listeler"), "1");
    for (const char* b : {"Ayarlar\\Giris Fisi", "Ayarlar\\Cikis Fisi", "Ayarlar\\Sayim Cetveli", "Ayarlar\\Malzeme Cetveli"})
        EXPECT_EQ(ayar(b, Kopya), "1") << b;
    EXPECT_EQ(ÇıkışFişiKopyaSayısı, 1);
}

TEST_F(TercihlerTesti, AyarliKutuSınırDışıDeğeriReddeder) {
    QWidget pencere;
    auto* kutu = new AyarliKutu(&pencere);
    kutu->setEnDusuk(1);
    kutu->setEnYuksek(10);
    kutu->setMaxLength(2);
    kutu->setValue(1);
    auto* öteki = new QLineEdit(&pencere);
    öteki->move(0, 40);
    int değişim = 0;
    kutu->Change = [&] { ++değişim; };
    göster(&pencere);

    // too big: the message, then the upper limit, and the focus stays
    kutu->DeğerKutusu->setFocus();
    QTest::keyClicks(kutu->DeğerKutusu, "25");
    EXPECT_GT(değişim, 0);
    öteki->setFocus();
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "Belirlediğiniz değer, 1 ile 10 arasında olmalıdır!");
    EXPECT_EQ(mesajlar[0].başlık, "Hatalı değer!");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Bilgi);
    EXPECT_EQ(kutu->Text(), "10");
    EXPECT_EQ(kutu->Value(), 10);
    EXPECT_EQ(pencere.focusWidget(), kutu->DeğerKutusu);

    // Up at the upper limit changes nothing; letters are not taken
    QTest::keyClick(kutu->DeğerKutusu, Qt::Key_Up);
    EXPECT_EQ(kutu->Value(), 10);
    QTest::keyClicks(kutu->DeğerKutusu, "x");
    QTest::keyClick(kutu->DeğerKutusu, Qt::Key_End);
    QTest::keyClicks(kutu->DeğerKutusu, "5");  // at most two characters
    EXPECT_EQ(kutu->Text(), "10");

    // an emptied box shows 0; leaving it gives the message and the lower limit
    kutu->DeğerKutusu->selectAll();
    QTest::keyClick(kutu->DeğerKutusu, Qt::Key_Backspace);
    EXPECT_EQ(kutu->Text(), "0");
    öteki->setFocus();
    ASSERT_EQ(mesajlar.size(), 2u);
    EXPECT_EQ(kutu->Text(), "1");
    EXPECT_EQ(kutu->Value(), 1);
    QTest::keyClick(kutu->DeğerKutusu, Qt::Key_Down);
    EXPECT_EQ(kutu->Value(), 1);

    // the buttons move the value within the limits and show the unit
    kutu->setBirim(" adet");
    kutu->ArtırDüğmesi->click();
    EXPECT_EQ(kutu->Text(), "2 adet");
    EXPECT_EQ(kutu->Value(), 2);
    öteki->setFocus();
    EXPECT_EQ(mesajlar.size(), 2u);
    EXPECT_EQ(kutu->Value(), 2);
    kutu->setEnabled(false);
    kutu->ArtırDüğmesi->click();
    EXPECT_EQ(kutu->Value(), 2);
}
