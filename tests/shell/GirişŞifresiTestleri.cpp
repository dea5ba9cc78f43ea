#include "shell/GirişŞifresiBelirleDeğiştirFormu.h"
#include "shell/GirişŞifresiModülü.h"
#include "shell/GirişŞifresiSorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/shell/KabukTestAraçları.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {

QString ayar(const QString& anahtar) { return AyarOku(QStringLiteral("Ayarlar"), anahtar, QStringLiteral("yok")); }

void yaz(QWidget* pencere, const char* kutu, const QString& metin) {
    auto* k = pencere->findChild<QLineEdit*>(kutu);
    k->clear();
    QTest::keyClicks(k, metin);
}

void tıkla(QWidget* pencere, const char* düğme) { pencere->findChild<QPushButton*>(düğme)->click(); }

}  // namespace

class GirişŞifresiTesti : public KabukTesti {};

TEST(Şifrele, RakamlarAlfabeVeAnahtarlaKarıştırılır) {
    EXPECT_EQ(Şifrele("1234", ŞifreAlfabesi, ŞifreAnahtarı), "8256");
    // the key repeats after four characters; each output stays within the alphabet
    const QString uzun = Şifrele("1234567890", ŞifreAlfabesi, ŞifreAnahtarı);
    EXPECT_EQ(uzun.size(), 10);
    EXPECT_TRUE(uzun.startsWith("8256"));
    EXPECT_EQ(Şifrele("", ŞifreAlfabesi, ŞifreAnahtarı), "");
}

TEST_F(GirişŞifresiTesti, BelirlenenŞifreKarıştırılmışSaklanır) {
    GirişŞifresiBelirleDeğiştirFormu p;
    p.show();
    EXPECT_EQ(p.windowTitle(), "Giriş Şifresi Belirle");
    EXPECT_EQ(p.findChild<QLabel*>("Etiket0")->text(), "Şifre :");
    EXPECT_EQ(p.findChild<QLabel*>("Etiket1")->text(), "Doğrula :");
    EXPECT_EQ(p.findChild<QLineEdit*>("ŞifreKutusu")->echoMode(), QLineEdit::Password);
    for (auto* k : {p.ŞifreKutusu, p.ŞifreDoğrulaKutusu})  // each character shows as "*"
        EXPECT_EQ(k->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, k), '*');
    EXPECT_EQ(p.findChild<QLineEdit*>("ŞifreKutusu")->maxLength(), 10);

    tıkla(&p, "TamamDüğmesi");
    EXPECT_EQ(sonMesaj(), "Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!");
    yaz(&p, "ŞifreKutusu", "12a3");  // the letter is not taken
    EXPECT_EQ(p.ŞifreKutusu->text(), "123");
    tıkla(&p, "TamamDüğmesi");
    EXPECT_EQ(sonMesaj(), "Şifre en az 4 rakam olmalıdır!");
    EXPECT_TRUE(p.ŞifreKutusu->hasFocus() || p.focusWidget() == p.ŞifreKutusu);
    yaz(&p, "ŞifreKutusu", "1234");
    tıkla(&p, "TamamDüğmesi");
    EXPECT_EQ(sonMesaj(), "Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!");
    yaz(&p, "ŞifreDoğrulaKutusu", "1235");
    tıkla(&p, "TamamDüğmesi");
    EXPECT_EQ(sonMesaj(), "Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen, kontrol ediniz.");
    EXPECT_EQ(p.focusWidget(), p.ŞifreDoğrulaKutusu);
    EXPECT_EQ(ayar("Giris Sifresi"), "yok");  // no refusal writes anything

    yaz(&p, "ŞifreDoğrulaKutusu", "1234");
    tıkla(&p, "TamamDüğmesi");
    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_TRUE(GirişŞifresiSor);
    EXPECT_EQ(ayar("Giris Sifresi Sor"), "-1");
    EXPECT_EQ(ayar("Giris Sifresi"), "8256");
    for (const auto& m : mesajlar) EXPECT_EQ(m.simge, MesajSimgesi::Bilgi);

    // with a password set the window offers changing and removing it
    GirişŞifresiBelirleDeğiştirFormu değiştir;
    değiştir.show();
    EXPECT_EQ(değiştir.windowTitle(), "Giriş Şifresi Değiştir");
    EXPECT_EQ(değiştir.Etiket[0]->text(), "Yeni Şifre :");
    EXPECT_EQ(değiştir.İptalDüğmesi->text(), "Şifreyi Kaldır");
}

TEST_F(GirişŞifresiTesti, ŞifreKaldırmaVeVazgeçme) {
    GirişŞifresiniSakla("987654");
    {
        GirişŞifresiBelirleDeğiştirFormu p;
        p.show();
        cevapla(MesajCevabı::Hayır);
        tıkla(&p, "İptalDüğmesi");
        EXPECT_EQ(sonMesaj(), "GİRİŞ ŞİFRE'sini kaldırmak istiyor musunuz?");
        EXPECT_EQ(mesajlar.back().varsayılan, MesajCevabı::Hayır);
        EXPECT_FALSE(p.isVisible());
        EXPECT_TRUE(GirişŞifresiSor);
        EXPECT_EQ(ayar("Giris Sifresi Sor"), "-1");
    }
    {
        GirişŞifresiBelirleDeğiştirFormu p;
        p.show();
        cevapla(MesajCevabı::Evet);
        QTest::keyClick(&p, Qt::Key_Escape);
        EXPECT_FALSE(GirişŞifresiSor);
        EXPECT_EQ(ayar("Giris Sifresi Sor"), "0");
        EXPECT_EQ(ayar("Giris Sifresi"), "");
    }
    {
        // without a password: No keeps the window, Yes writes "0" and an empty password
        GirişŞifresiBelirleDeğiştirFormu p;
        p.show();
        EXPECT_EQ(p.İptalDüğmesi->text(), "İptal");
        cevapla(MesajCevabı::Hayır);
        tıkla(&p, "İptalDüğmesi");
        EXPECT_EQ(sonMesaj(), "GİRİŞ ŞİFRE'si belirlemek istemiyor musunuz?");
        EXPECT_EQ(mesajlar.back().varsayılan, MesajCevabı::Evet);
        EXPECT_TRUE(p.isVisible());
        cevapla(MesajCevabı::Evet);
        tıkla(&p, "İptalDüğmesi");
        EXPECT_FALSE(p.isVisible());
    }
}

TEST_F(GirişŞifresiTesti, DoğruŞifreProgramıAçar) {
    GirişŞifresiniSakla("1234");
    bool sonuç = false;
    ModalGelinceÇalıştır([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Giriş Şifresi");
        yaz(w, "ŞifreKutusu", "1234");
        QTest::keyClick(w->findChild<QLineEdit*>("ŞifreKutusu"), Qt::Key_Return);  // Tamam is the default button
    });
    sonuç = GirişŞifresiniSor(nullptr);
    EXPECT_TRUE(sonuç);
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(GirişŞifresiTesti, ÜçüncüYanlışŞifreProgramıKapatır) {
    GirişŞifresiniSakla("1234");
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    ModalGelinceÇalıştır([](QWidget* w) {
        yaz(w, "ŞifreKutusu", "123");
        tıkla(w, "TamamDüğmesi");
        for (const char* yanlış : {"4321", "1111", "0000"}) {
            yaz(w, "ŞifreKutusu", yanlış);
            tıkla(w, "TamamDüğmesi");
        }
    });
    EXPECT_FALSE(GirişŞifresiniSor(ana.get()));
    EXPECT_EQ(mesajMetinleri(), (QStringList{"Şifre en az 4 rakam olmalıdır!", "Şifre yanlış!", "Şifre yanlış!",
                                             "3 kez yanlış şifre girildiği için program kapatılacak!"}));
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Ünlem);
    // the main window closed without its exit question, its placement saved
    EXPECT_FALSE(ana->isVisible());
    EXPECT_NE(ayar("Baslama Konumu"), "yok");
}

TEST_F(GirişŞifresiTesti, PencereKapatılırsaProgramBiter) {
    GirişŞifresiniSakla("1234");
    ModalGelinceÇalıştır([](QWidget* w) {
        auto* kutu = w->findChild<QLineEdit*>("ŞifreKutusu");
        QTest::keyClicks(kutu, "12");
        EXPECT_EQ(kutu->text(), "12");  // the wrong count starts at nothing; the box is empty on entry
        w->close();                     // the frame's close box
    });
    EXPECT_FALSE(GirişŞifresiniSor(nullptr));
    ModalGelinceÇalıştır([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(GirişŞifresiniSor(nullptr));
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(GirişŞifresiTesti, SaklıŞifresizBayrakŞifreSayılmaz) {
    AyarYaz("Ayarlar", "Giris Sifresi Sor", "-1");
    GirişŞifresiSor = true;
    EXPECT_TRUE(GirişŞifresiniSor(nullptr));  // no prompt: no modal window was needed
    EXPECT_FALSE(GirişŞifresiSor);
}
