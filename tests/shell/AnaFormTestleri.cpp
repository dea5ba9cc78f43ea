#include "platform/AyarDeposu.h"
#include "shell/GirişŞifresiBelirleDeğiştirFormu.h"
#include "shell/GirişŞifresiModülü.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/shell/KabukTestAraçları.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <limits>

namespace {

QString ayar(const QString& anahtar) { return AyarOku(QStringLiteral("Ayarlar"), anahtar, QStringLiteral("yok")); }

}  // namespace

class AnaFormTesti : public KabukTesti {};

TEST_F(AnaFormTesti, BaşlıkMenülerDüğmeÇubuğuVeDurumÇubuğu) {
    auto ana = anaForm();
    QWidget karşılama;
    karşılama.show();
    ana->Form_Load(&karşılama);
    EXPECT_TRUE(ana->isVisible());
    EXPECT_FALSE(karşılama.isVisible());
    EXPECT_EQ(ana->windowTitle(), "Orvelta - Depora 1.00 (Sunucu)");

    // menu items: caption and shortcut, found by name
    const std::vector<std::tuple<const char*, const char*, QKeySequence>> öğeler = {
        {"TercihlerMenüsü", "&Tercihler...", QKeySequence("Ctrl+T")},
        {"TümFişleriArşivleMenüsü", "Tüm Fişleri Arşivle", QKeySequence("Ctrl+A")},
        {"ArşivlenenGirişFişleriniGösterMenüsü", "Arşivlenen Giriş Fişlerini Göster...", QKeySequence("Ctrl+I")},
        {"ArşivlenenÇıkışFişleriniGösterMenüsü", "Arşivlenen Çıkış Fişlerini Göster...", QKeySequence("Ctrl+K")},
        {"ÇıkışMenüsü", "Çıkış", QKeySequence()},
        {"ParçaTanımlaMenüsü", "&Parça Tanımla...", QKeySequence("Ctrl+N")},
        {"AmbaraGirişMenüsü", "Ambara &Giriş...", QKeySequence(Qt::Key_F2)},
        {"AmbardanÇıkışMenüsü", "Ambardan Çı&kış...", QKeySequence(Qt::Key_F3)},
        {"AmbarHareketleriMenüsü", "Ambar &Hareketleri", QKeySequence(Qt::Key_F4)},
        {"GirişFişiYazdırMenüsü", "&Giriş Fişi Yazdır...", QKeySequence(Qt::Key_F5)},
        {"ÇıkışFişiYazdırMenüsü", "Çı&kış Fişi Yazdır", QKeySequence(Qt::Key_F6)},
        {"SayımCetveliYazdırMenüsü", "&Sayım Cetveli Yazdır", QKeySequence(Qt::Key_F7)},
        {"MalzemeÇizelgesiYazdırMenüsü0", "Ayrıntılı İcmal Yazdır...", QKeySequence(Qt::Key_F8)},
        {"MalzemeÇizelgesiYazdırMenüsü1", "Özet İcmal Yazdır...", QKeySequence(Qt::Key_F9)},
        {"AlınanYerlereGöreParçaHareketleriMenüsü", "Alınan Yerlere Göre Parça Hareketleri", QKeySequence("Ctrl+E")},
        {"VerilenYerlereGöreParçaHareketleriMenüsü", "Verilen Yerlere Göre Parça Hareketleri", QKeySequence("Ctrl+R")},
        {"İçindekilerMenüsü", "İç&indekiler", QKeySequence(Qt::Key_F1)},
        {"HataBildirmeMenüsü", "&Hata Bildirme...", QKeySequence()},
        {"HakkındaMenüsü", "Hakkında", QKeySequence()},
    };
    for (const auto& [ad, başlık, kısayol] : öğeler) {
        auto* a = ana->findChild<QAction*>(QString::fromUtf8(ad));
        ASSERT_NE(a, nullptr) << ad;
        EXPECT_EQ(a->text(), QString::fromUtf8(başlık)) << ad;
        EXPECT_EQ(a->shortcut(), kısayol) << ad;
    }
    EXPECT_EQ(ana->GirişŞifresiBelirleDeğiştirMenüsü->shortcut(), QKeySequence("Ctrl+G"));
    QStringList menüler;
    for (QAction* a : ana->menuBar()->actions()) menüler << a->text();
    EXPECT_EQ(menüler, (QStringList{"&Program", "&Ambar İşlemleri", "&Yardım"}));
    EXPECT_EQ(ana->findChild<QMenu*>("MalzemeÇizelgesiYazdırÜstMenüsü")->title(), "Malzeme Çizelgesi (İcmal) Yazdır");
    // the help items with nothing behind them are greyed
    EXPECT_FALSE(ana->İçindekilerMenüsü->isEnabled());
    EXPECT_FALSE(ana->DizinMenüsü->isEnabled());
    EXPECT_FALSE(ana->KlavyeKısayollarıMenüsü->isEnabled());

    // toolbar: eight positions, separators at 1, 3 and 7
    const QList<QAction*> düğmeler = ana->findChild<QToolBar*>("DüğmeÇubuğu")->actions();
    ASSERT_EQ(düğmeler.size(), 8);
    const QStringList başlıklar = {"", "Parça Tanımla", "", "Parça Girişi", "Parça Çıkışı", "Hareketler", "", "Fiş Yazdırma"};
    const QStringList ipuçları = {"", "Parça ekleme/değiştirme/silme", "", "Ambara parça girişi", "Ambardan parça çıkışı",
                                  "Ambara giren/çıkan parçaların harekeleri", "", "Giriş ve çıkış fişi yazdırma"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(düğmeler[i]->isSeparator(), başlıklar[i].isEmpty()) << i;
        if (düğmeler[i]->isSeparator()) continue;
        EXPECT_EQ(düğmeler[i]->text(), başlıklar[i]);
        EXPECT_EQ(düğmeler[i]->toolTip(), ipuçları[i]);
        EXPECT_FALSE(düğmeler[i]->icon().isNull()) << i;
    }

    // status bar: text, date, CAPS, INS
    auto* durum = ana->findChild<QStatusBar*>("DurumÇubuğu");
    ASSERT_NE(durum, nullptr);
    EXPECT_TRUE(ana->findChild<QLabel*>("Panel1")->text().isEmpty());
    EXPECT_EQ(ana->findChild<QLabel*>("Panel2")->text(), QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(ana->findChild<QLabel*>("Panel3")->text(), "CAPS");
    EXPECT_EQ(ana->findChild<QLabel*>("Panel4")->text(), "INS");
}

TEST_F(AnaFormTesti, CapsVeInsTuşlarıİzlenir) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    ASSERT_TRUE(EtkinGöster(ana.get()));
    auto* caps = ana->findChild<QLabel*>("Panel3");
    auto* ins = ana->findChild<QLabel*>("Panel4");
    EXPECT_FALSE(caps->isEnabled());
    EXPECT_FALSE(ins->isEnabled());
    QTest::keyClick(ana.get(), Qt::Key_CapsLock);
    QTest::keyClick(ana.get(), Qt::Key_Insert);
    EXPECT_TRUE(caps->isEnabled());
    EXPECT_TRUE(ins->isEnabled());
    QTest::keyClick(ana.get(), Qt::Key_A, Qt::NoModifier);  // a small letter: Caps Lock is off after all
    EXPECT_FALSE(caps->isEnabled());
    QTest::keyClick(ana.get(), Qt::Key_Insert);
    EXPECT_FALSE(ins->isEnabled());
}

TEST_F(AnaFormTesti, YokPencerelerinÖğeleriKapalıdır) {
    auto ana = anaForm(false);
    ana->Form_Load(nullptr);
    for (QAction* a : {ana->ParçaTanımlaMenüsü, ana->AmbaraGirişMenüsü, ana->AmbardanÇıkışMenüsü,
                       ana->AmbarHareketleriMenüsü, ana->GirişFişiYazdırMenüsü, ana->ÇıkışFişiYazdırMenüsü,
                       ana->SayımCetveliYazdırMenüsü, ana->MalzemeÇizelgesiYazdırMenüsü[0],
                       ana->MalzemeÇizelgesiYazdırMenüsü[1], ana->AlınanYerlereGöreParçaHareketleriMenüsü,
                       ana->VerilenYerlereGöreParçaHareketleriMenüsü, ana->ArşivlenenGirişFişleriniGösterMenüsü,
                       ana->ArşivlenenÇıkışFişleriniGösterMenüsü, ana->Düğme[2], ana->Düğme[4], ana->Düğme[5],
                       ana->Düğme[6], ana->Düğme[8]})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(ana->TercihlerMenüsü->isEnabled());
    EXPECT_TRUE(ana->TümFişleriArşivleMenüsü->isEnabled());
    EXPECT_TRUE(ana->ÇıkışMenüsü->isEnabled());
}

TEST_F(AnaFormTesti, MenülerVeDüğmelerPencerelerinAçar) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    ana->Düğme[2]->trigger();
    ana->Düğme[4]->trigger();
    ana->Düğme[5]->trigger();
    ana->AmbarHareketleriMenüsü->trigger();
    ana->ÇıkışFişiYazdırMenüsü->trigger();
    ana->AlınanYerlereGöreParçaHareketleriMenüsü->trigger();
    ana->VerilenYerlereGöreParçaHareketleriMenüsü->trigger();
    ana->MalzemeÇizelgesiYazdırMenüsü[1]->trigger();
    EXPECT_EQ(ana->MalzemeÇizelgesiYazdırMenüsü[0]->data().toString(), "1");
    ana->MalzemeÇizelgesiYazdırMenüsü[0]->trigger();
    EXPECT_EQ(ana->MalzemeÇizelgesiYazdırMenüsü[0]->data().toString(), "0");
    EXPECT_EQ(açılanlar, (std::vector<Pencere>{Pencere::ParçaTanımla, Pencere::ParçaGirişi, Pencere::ParçaÇıkışı,
                                               Pencere::ParçaHareketleri, Pencere::ÇıkışFişleri,
                                               Pencere::AlınanYerlereGöreHareketler,
                                               Pencere::VerilenYerlereGöreHareketler, Pencere::ÖzetMalzemeCetveli,
                                               Pencere::MalzemeCetveli}));
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(AnaFormTesti, İlkBaşlangıçtaEkranGenişliğindeVeSolÜsttedir) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    const QRect ekran = ana->screen()->geometry();
    EXPECT_EQ(ana->width(), ekran.width());
    EXPECT_EQ(ana->height(), qRound((ekran.height() * 15 - 400) / 15.0));
    EXPECT_EQ(ana->pos(), QPoint(0, 0));
}

TEST_F(AnaFormTesti, ÇıkışSormadanKapatırYerleşimiSaklar) {
    AyarYaz("Ayarlar", "Yukseklik", "6000");
    AyarYaz("Ayarlar", "Genislik", "7500");
    AyarYaz("Ayarlar", "Ust Bosluk", "300");
    AyarYaz("Ayarlar", "Sol Bosluk", "1500");
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    EXPECT_EQ(ana->size(), QSize(500, 400));
    EXPECT_EQ(ana->pos(), QPoint(100, 20));
    ana->resize(510, 390);
    ana->move(40, 60);
    ana->ÇıkışMenüsü->trigger();
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_FALSE(ana->isVisible());
    EXPECT_EQ(ayar("Yukseklik"), "5850");
    EXPECT_EQ(ayar("Genislik"), "7650");
    EXPECT_EQ(ayar("Sol Bosluk"), "600");
    EXPECT_EQ(ayar("Ust Bosluk"), "900");
    EXPECT_EQ(ayar("Baslama Konumu"), "0");
    // the keys are written in this order
    QStringList anahtarlar;
    for (const auto& [a, d] : AyarDeposu::bölümüOku(UygulamaAdı, "Ayarlar")) anahtarlar << a;
    EXPECT_EQ(anahtarlar.mid(4), (QStringList{"Baslama Konumu"}));

    // the next start stands where this one ended: no creeping
    auto sonraki = anaForm();
    sonraki->Form_Load(nullptr);
    EXPECT_EQ(sonraki->size(), QSize(510, 390));
    EXPECT_EQ(sonraki->pos(), QPoint(40, 60));
}

TEST_F(AnaFormTesti, ÇerçevedenKapatmaSorar) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    cevapla(MesajCevabı::Hayır);
    EXPECT_FALSE(ana->close());
    EXPECT_EQ(mesajMetinleri(), QStringList{"Programdan çıkmak istiyor musunuz?"});
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Soru);
    EXPECT_TRUE(ana->isVisible());
    EXPECT_EQ(ayar("Yukseklik"), "yok");
    EXPECT_EQ(ayar("Baslama Konumu"), "yok");

    cevapla(MesajCevabı::Evet);
    EXPECT_TRUE(ana->close());
    EXPECT_EQ(mesajlar.size(), 2u);
    EXPECT_EQ(ayar("Yukseklik"), QString::number(ana->height() * 15));
    EXPECT_EQ(ayar("Genislik"), QString::number(ana->width() * 15));
    EXPECT_EQ(ayar("Baslama Konumu"), "0");
}

TEST_F(AnaFormTesti, BüyütülmüşKapananBüyütülmüşAçılırNormalYerleşimKalır) {
    AyarYaz("Ayarlar", "Yukseklik", "6000");
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    ana->showMaximized();
    cevapla(MesajCevabı::Evet);
    ASSERT_TRUE(ana->close());
    EXPECT_EQ(ayar("Baslama Konumu"), "2");
    EXPECT_EQ(ayar("Yukseklik"), "6000");
    EXPECT_EQ(ayar("Genislik"), "yok");

    auto sonraki = anaForm();
    sonraki->Form_Load(nullptr);
    EXPECT_TRUE(sonraki->isMaximized());
}

// A placement that the settings file got wrong (edited by hand, written on a
// larger screen) never puts the window off the screen or shrinks it to nothing.
TEST_F(AnaFormTesti, SaklıYerleşimEkranİçindeKalır) {
    const QRect ekran = QGuiApplication::primaryScreen()->geometry();
    const QString enBüyük = QString::number(std::numeric_limits<int>::max());
    const struct { QStringList ayarlar; QSize boyut; QPoint konum; } durumlar[] = {
        {{"-1500", "-465", "-300", "-900"}, {320, 240}, {0, 0}},
        {{"0", "0", "0", "0"}, {320, 240}, {0, 0}},
        {{enBüyük, enBüyük, "-" + enBüyük, enBüyük}, ekran.size(), {0, 0}},
        {{"3000", "4500", "-2000000", "2000000"}, {320, 240}, {ekran.width() - 320, 0}},
        {{"3000", "6000", QString::number(ekran.height() * 15), "1500"}, {400, 240}, {100, ekran.height() - 240}},
        {{"6000", "7500", "300", "1500"}, {500, 400}, {100, 20}},  // a sound one stays as it was
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ayarlar.join(' ').toStdString());
        for (int i = 0; i < 4; ++i)
            AyarYaz("Ayarlar", QStringList{"Yukseklik", "Genislik", "Ust Bosluk", "Sol Bosluk"}[i], d.ayarlar[i]);
        auto ana = anaForm();
        ana->Form_Load(nullptr);
        EXPECT_TRUE(mesajlar.empty());
        EXPECT_EQ(ana->size(), d.boyut);
        EXPECT_EQ(ana->pos(), d.konum);
        EXPECT_TRUE(ekran.contains(QRect(ana->pos(), ana->size())));
    }
}

TEST_F(AnaFormTesti, SayıOlmayanYerleşimDeğeriHataYönetimineGider) {
    AyarYaz("Ayarlar", "Genislik", "geniş");
    auto ana = anaForm();
    const int tasarım = ana->width();
    ana->Form_Load(nullptr);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_EQ(ana->width(), tasarım);
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

TEST_F(AnaFormTesti, ŞifreMenüsününBaşlığıDurumaGöreDeğişir) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    EXPECT_EQ(ana->GirişŞifresiBelirleDeğiştirMenüsü->text(), "Giriş Şifresi Belirle...");

    ModalGelinceÇalıştır([](QWidget* w) {
        auto* p = qobject_cast<QDialog*>(w);
        QTest::keyClicks(p->findChild<QLineEdit*>("ŞifreKutusu"), "1234");
        QTest::keyClicks(p->findChild<QLineEdit*>("ŞifreDoğrulaKutusu"), "1234");
        p->findChild<QPushButton*>("TamamDüğmesi")->click();
    });
    ana->GirişŞifresiBelirleDeğiştirMenüsü->trigger();
    EXPECT_TRUE(GirişŞifresiSor);
    EXPECT_EQ(ana->GirişŞifresiBelirleDeğiştirMenüsü->text(), "Giriş Şifresi Değiştir...");

    cevapla(MesajCevabı::Evet);
    ModalGelinceÇalıştır([](QWidget* w) {
        auto* kaldır = w->findChild<QPushButton*>("İptalDüğmesi");
        EXPECT_EQ(kaldır->text(), "Şifreyi Kaldır");
        kaldır->click();
    });
    ana->GirişŞifresiBelirleDeğiştirMenüsü->trigger();
    EXPECT_FALSE(GirişŞifresiSor);
    EXPECT_EQ(ana->GirişŞifresiBelirleDeğiştirMenüsü->text(), "Giriş Şifresi Belirle...");
}

TEST_F(AnaFormTesti, YardımMenüsüHataBildirmeVeHakkındaPencereleriniAçar) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    for (const char* ad : {"HataBildirmeFormu", "HakkındaFormu"}) {
        QString açılan;
        ModalGelinceÇalıştır([&açılan](QWidget* w) {
            açılan = w->objectName();
            EXPECT_EQ(w->parentWidget()->objectName(), "AnaForm");
            qobject_cast<QDialog*>(w)->reject();
        });
        (QString(ad) == "HakkındaFormu" ? ana->HakkındaMenüsü : ana->HataBildirmeMenüsü)->trigger();
        EXPECT_EQ(açılan, ad);
    }
}
