#include "platform/AyarDeposu.h"
#include "platform/SayıTarih.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeDenetimi.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTest>
#include <QVBoxLayout>

namespace {

class ListeDenetimiTestleri : public TestOrtamı {
protected:
    // A list of three columns: text, number (right-aligned), date.
    static void sütunlarıEkle(ListeDenetimi& l) {
        l.sütunEkle("Adı", 1500);
        l.sütunEkle("Tutarı", 1200, SütunTürü::Sayı, Qt::AlignRight);
        l.sütunEkle("Tarihi", 1200, SütunTürü::Tarih);
    }
    static QStringList sütun(const ListeDenetimi& l, int s) {
        QStringList m;
        for (int i = 0; i < l.satırSayısı(); ++i) m << l.hücre(i, s);
        return m;
    }
    static QString başlık(const ListeDenetimi& l, int s) {
        return l.model()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
    }
};

// A window holding one list, closed the way the test says.
struct ListePenceresi {
    QDialog pencere;
    ListeDenetimi* liste = new ListeDenetimi(&pencere);
    explicit ListePenceresi(int listeNo) {
        auto* d = new QVBoxLayout(&pencere);
        d->addWidget(liste);
        liste->sütunEkle("Birinci", 1500);
        liste->sütunEkle("İkinci", 1200, SütunTürü::Sayı, Qt::AlignRight);
        liste->sütunEkle("Üçüncü", 900, SütunTürü::Tarih);
        liste->düzeniBağla(listeNo);
        pencere.show();
    }
    QStringList görünenSıra() const {
        QStringList s;
        const QHeaderView* b = liste->horizontalHeader();
        for (int v = 0; v < liste->sütunSayısı(); ++v) s << liste->sütunBaşlığı(b->logicalIndex(v));
        return s;
    }
};

}  // namespace

TEST_F(ListeDenetimiTestleri, SayıSütunuDeğerineGöreSıralanırİkiYönde) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    l.satırEkle({"a", "250,00", ""});
    l.satırEkle({"b", "9,50", ""});
    l.satırEkle({"c", "10,00", ""});
    l.sıralanabilirYap(true);
    l.başlığaTıkla(1);
    EXPECT_EQ(sütun(l, 1), (QStringList{"9,50", "10,00", "250,00"}));
    EXPECT_EQ(SayısalSıralama, 1);
    EXPECT_EQ(SıralananSütun, 1);
    EXPECT_EQ(SıralamaYönü, 0);
    l.başlığaTıkla(1);
    EXPECT_EQ(sütun(l, 1), (QStringList{"250,00", "10,00", "9,50"}));
    EXPECT_EQ(SıralamaYönü, 1);
}

TEST_F(ListeDenetimiTestleri, GruplanmışVeBozukSayılarDeğerleSıralanırBozukBoşSayılır) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    for (const char* s : {"1.234,50", "", "abc", "-3", "999,99"}) l.satırEkle({"", s, ""});
    l.başlığaTıkla(1);
    // the empty and the unreadable cell both count as 0 and keep their order
    EXPECT_EQ(sütun(l, 1), (QStringList{"-3", "", "abc", "999,99", "1.234,50"}));
}

TEST_F(ListeDenetimiTestleri, TarihSütunuTarihSırasıylaAzalandaYeniTarihÖnde) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    l.satırEkle({"", "", "12.11.2025"});
    l.satırEkle({"", "", "05.03.2026"});
    l.satırEkle({"", "", ""});
    l.satırEkle({"", "", "31.02.2026"});  // not a date: the earliest, like the empty one
    l.başlığaTıkla(2);
    EXPECT_EQ(SayısalSıralama, 0);
    EXPECT_EQ(sütun(l, 2), (QStringList{"", "31.02.2026", "12.11.2025", "05.03.2026"}));
    EXPECT_EQ(başlık(l, 2), "Tarihi ▲");
    l.başlığaTıkla(2);
    EXPECT_EQ(sütun(l, 2), (QStringList{"05.03.2026", "12.11.2025", "", "31.02.2026"}));
    EXPECT_EQ(başlık(l, 2), "Tarihi ▼");
    // another column: ascending, and the arrow moves to it alone
    l.başlığaTıkla(0);
    EXPECT_EQ(SıralamaYönü, 0);
    EXPECT_EQ(başlık(l, 2), "Tarihi");
    EXPECT_EQ(başlık(l, 0), "Adı ▲");
}

TEST_F(ListeDenetimiTestleri, MetinSütunuTürkçeAbeceyleSıralanırVeSayısalDurumuDeğiştirmez) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    for (const char* s : {"Dal", "çam", "İnce", "Cam", "ılık", "oda", "Öğe"}) l.satırEkle({s, "", ""});
    SayısalSıralama = 1;
    // the state starts at column 0 ascending, so the first click on a column 0 toggles it
    l.başlığaTıkla(0);
    EXPECT_EQ(sütun(l, 0), (QStringList{"Öğe", "oda", "İnce", "ılık", "Dal", "çam", "Cam"}));
    l.başlığaTıkla(0);
    EXPECT_EQ(sütun(l, 0), (QStringList{"Cam", "çam", "Dal", "ılık", "İnce", "oda", "Öğe"}));
    EXPECT_EQ(SayısalSıralama, 1);
}

TEST_F(ListeDenetimiTestleri, SıralamaDurumuBütünListelerdeOrtaktır) {
    ListeDenetimi a, b;
    sütunlarıEkle(a);
    sütunlarıEkle(b);
    for (const char* s : {"3", "1", "2"}) {
        a.satırEkle({"", s, ""});
        b.satırEkle({"", s, ""});
    }
    a.başlığaTıkla(1);
    // the first click on the same column number of another list toggles the direction
    b.başlığaTıkla(1);
    EXPECT_EQ(SıralamaYönü, 1);
    EXPECT_EQ(sütun(b, 1), (QStringList{"3", "2", "1"}));
    EXPECT_EQ(başlık(a, 1), "▲ Tutarı");  // right-aligned: the arrow stands left of the caption
    EXPECT_EQ(başlık(b, 1), "▼ Tutarı");
}

TEST_F(ListeDenetimiTestleri, EşitDeğerlerEşitSayılırSıraBozulmaz) {
    EXPECT_EQ(ListeHücreleriniKarşılaştır("10,00", "10", 1), 0);
    EXPECT_EQ(ListeHücreleriniKarşılaştır("01.02.2026", "1.2.2026", 0), 0);
    EXPECT_LT(ListeHücreleriniKarşılaştır("", "0,01", 1), 0);
    ListeDenetimi l;
    sütunlarıEkle(l);
    l.satırEkle({"x", "5", ""});
    l.satırEkle({"y", "5", ""});
    l.satırEkle({"z", "5", ""});
    l.başlığaTıkla(1);
    EXPECT_EQ(sütun(l, 0), (QStringList{"x", "y", "z"}));
}

TEST_F(ListeDenetimiTestleri, BoşListeHatasızSıralanırOkGörünür) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    l.başlığaTıkla(2);
    EXPECT_EQ(başlık(l, 2), "Tarihi ▲");
    EXPECT_EQ(l.satırSayısı(), 0);
}

TEST_F(ListeDenetimiTestleri, SeçiliSatırSıralamadaSatırınıİzlerSeçimOlayıDoğmaz) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    l.satırEkle({"a", "3", ""}, 30);
    l.satırEkle({"b", "1", ""}, 10);
    l.satırEkle({"c", "2", ""}, 20);
    l.satırSeç(0);
    int olay = 0;
    l.satırSeçildi = [&](int) { ++olay; };
    l.başlığaTıkla(1);
    EXPECT_EQ(l.seçiliSatır(), 2);
    EXPECT_EQ(l.anahtar(l.seçiliSatır()).toInt(), 30);
    EXPECT_EQ(olay, 0);
}

TEST_F(ListeDenetimiTestleri, BaşlığaFareyleTıklamaYalnızcaSıralanabilirListedeSıralar) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    l.satırEkle({"", "2", ""});
    l.satırEkle({"", "1", ""});
    l.resize(600, 300);
    l.show();
    QHeaderView* b = l.horizontalHeader();
    const QPoint orta(b->sectionViewportPosition(1) + b->sectionSize(1) / 2, b->height() / 2);
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, orta);
    EXPECT_EQ(sütun(l, 1), (QStringList{"2", "1"}));  // the pending lists do not sort
    l.sıralanabilirYap(true);
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, orta);
    EXPECT_EQ(sütun(l, 1), (QStringList{"1", "2"}));
}

TEST_F(ListeDenetimiTestleri, DüzenKapanıştaKaydedilirAçılıştaGeriGelir) {
    {
        ListePenceresi p(9);
        EXPECT_EQ(p.liste->sütunGenişliğiTwips(0), 1500);
        QHeaderView* b = p.liste->horizontalHeader();
        b->moveSection(2, 0);  // "Üçüncü" first
        p.liste->setColumnWidth(1, 150);
        QTest::keyClick(&p.pencere, Qt::Key_Escape);  // closed with Esc
        ASSERT_FALSE(p.pencere.isVisible());
    }
    const QString bölüm = "Listeler\\Liste-9";
    EXPECT_EQ(AyarOku(bölüm, "Konum-1"), "2");
    EXPECT_EQ(AyarOku(bölüm, "Konum-2"), "3");
    EXPECT_EQ(AyarOku(bölüm, "Konum-3"), "1");
    EXPECT_EQ(AyarOku(bölüm, "Genislik-2"), "2250");
    EXPECT_EQ(AyarOku(bölüm, "Genislik-1"), "1500");
    {
        ListePenceresi p(9);
        EXPECT_EQ(p.görünenSıra(), (QStringList{"Üçüncü", "Birinci", "İkinci"}));
        EXPECT_EQ(p.liste->sütunGenişliğiTwips(1), 2250);
        EXPECT_EQ(p.liste->sütunGenişliğiTwips(2), 900);
        p.pencere.close();  // closed from the frame
    }
    AyarDeposu::sil(UygulamaAdı, bölüm);
    ListePenceresi p(9);
    EXPECT_EQ(p.görünenSıra(), (QStringList{"Birinci", "İkinci", "Üçüncü"}));
    EXPECT_EQ(p.liste->sütunGenişliğiTwips(1), 1200);
}

TEST_F(ListeDenetimiTestleri, HerSıraDüzeniGeriKurulurBozukKayıtDaSütunKaybetmez) {
    const QString bölüm = "Listeler\\Liste-4";
    // a saved reverse order
    AyarYaz(bölüm, "Konum-1", "3");
    AyarYaz(bölüm, "Konum-2", "2");
    AyarYaz(bölüm, "Konum-3", "1");
    AyarYaz(bölüm, "Genislik-3", "1234,5");
    {
        ListePenceresi p(4);
        EXPECT_EQ(p.görünenSıra(), (QStringList{"Üçüncü", "İkinci", "Birinci"}));
        EXPECT_EQ(p.liste->columnWidth(2), 82);
    }
    // a damaged one: every column still shows once
    AyarYaz(bölüm, "Konum-1", "7");
    AyarYaz(bölüm, "Konum-2", "x");
    AyarYaz(bölüm, "Konum-3", "1");
    ListePenceresi p(4);
    EXPECT_EQ(p.görünenSıra().size(), 3);
    EXPECT_EQ(p.görünenSıra().first(), "Üçüncü");
}

TEST_F(ListeDenetimiTestleri, IzgaraÇizgileriYalnızİlkYediListedeTercihiİzler) {
    ÇizgiliListeler = false;
    ListePenceresi yedi(7), sekiz(8);
    EXPECT_FALSE(yedi.liste->showGrid());
    EXPECT_TRUE(sekiz.liste->showGrid());
    // a changed preference shows at the next activation
    ÇizgiliListeler = true;
    yedi.pencere.hide();
    yedi.pencere.show();
    EXPECT_TRUE(yedi.liste->showGrid());
    ÇizgiliListeler = false;
    QEvent etkin(QEvent::WindowActivate);
    QApplication::sendEvent(&yedi.pencere, &etkin);  // the window passes it to its children
    EXPECT_FALSE(yedi.liste->showGrid());
    QApplication::sendEvent(&sekiz.pencere, &etkin);
    EXPECT_TRUE(sekiz.liste->showGrid());
}

TEST_F(ListeDenetimiTestleri, YüzBinSatırÇabukDolarVeSıralanır) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    std::vector<ListeSatırı> satırlar;
    satırlar.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        const int k = (i * 7919) % 100000;
        satırlar.push_back({{QStringLiteral("Parça %1").arg(k), QStringLiteral("%1,50").arg(k),
                             QStringLiteral("%1.%2.2025").arg(k % 28 + 1).arg(k % 12 + 1)},
                            i});
    }
    QElapsedTimer s;
    s.start();
    l.satırlarıKoy(std::move(satırlar));
    l.resize(800, 600);
    l.show();
    l.başlığaTıkla(1);
    l.başlığaTıkla(2);
    l.başlığaTıkla(0);
    EXPECT_LT(s.elapsed(), 5000);
    EXPECT_EQ(l.hücre(0, 0), "Parça 0");
    EXPECT_EQ(l.hücre(1, 0), "Parça 1");
}

TEST_F(ListeDenetimiTestleri, DeğerleKonanSatırlarYalnızİstenenHücreyiMetneÇevirirSıralanırYazdırılır) {
    ListeDenetimi l;
    sütunlarıEkle(l);
    int çevrilen = 0;
    auto biçim = [&çevrilen](int sütun, const QVariant& d) {
        ++çevrilen;
        return !d.isValid() ? QString() : sütun == 1 ? BiçimliSayı(d.toDouble()) : sütun == 2 ? KısaTarih(d.toDate()) : d.toString();
    };
    std::vector<QVariantList> satırlar;
    for (int i = 0; i < 10; ++i)
        satırlar.push_back({QStringLiteral("Parça %1").arg(i), 1000.0 * (i % 7), QDate(2026, 1, 1).addDays(i)});
    satırlar[2] = {QStringLiteral("Çivi"), QVariant(), QDate(2025, 12, 31)};
    l.satırlarıDeğerlerleKoy(std::move(satırlar), biçim);
    EXPECT_EQ(çevrilen, 0);

    // what a clerk sees of a row is its values as texts
    const QAbstractItemModel* m = l.model();
    QStringList görünen;
    for (int s = 0; s < 3; ++s) görünen << m->data(m->index(1, s)).toString();
    EXPECT_EQ(görünen, (QStringList{"Parça 1", "1.000,00", "02.01.2026"}));
    EXPECT_EQ(l.hücre(2, 1), "");
    EXPECT_EQ(çevrilen, 4);
    EXPECT_EQ(l.hücre(3, 9), "");

    // sorts as the texts do: by number, by date, by text
    l.başlığaTıkla(1);
    EXPECT_EQ(sütun(l, 0).mid(0, 3), (QStringList{"Parça 0", "Çivi", "Parça 7"}));  // an empty cell counts as 0
    EXPECT_EQ(l.hücre(9, 1), "6.000,00");
    l.başlığaTıkla(2);
    EXPECT_EQ(l.hücre(0, 2), "31.12.2025");
    SıralananSütun = -1;
    l.başlığaTıkla(0);
    EXPECT_EQ(sütun(l, 0).mid(0, 2), (QStringList{"Çivi", "Parça 0"}));

    // a changed or removed row and the rows handed to printing hold the same texts
    l.hücreYaz(1, 1, "5,00");
    l.satırSil(0);
    ASSERT_EQ(l.satırlar().size(), 9u);
    EXPECT_EQ(l.satırlar()[0].hücreler, (QStringList{"Parça 0", "5,00", "01.01.2026"}));
    EXPECT_EQ(l.satırlar()[1].hücreler, (QStringList{"Parça 1", "1.000,00", "02.01.2026"}));
    l.satırEkle({"Son", "1,00", "01.02.2026"});
    EXPECT_EQ(l.hücre(9, 0), "Son");
    // a list filled again with texts shows only those
    l.satırlarıKoy({{{"Tek", "2,00", ""}, {}}});
    EXPECT_EQ(sütun(l, 0), QStringList{"Tek"});
}
