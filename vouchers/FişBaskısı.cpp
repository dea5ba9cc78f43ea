#include "vouchers/FişBaskısı.h"

#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/YazdırmaVeAktarmaModülü.h"

#include <QCoreApplication>
#include <array>

namespace {

// A column of the line table: where its heading stands, and whether its figures
// end where the heading ends.
struct Sütun {
    double x;
    const char16_t* başlık;
    bool sağaYaslı = false;
};
using Sütunlar = std::array<Sütun, 7>;

const Sütunlar GirişSütunları = {{{10, u"No"},
                                   {20, u"Orjinal Parça No"},
                                   {55, u"Adı ve Niteliği"},
                                   {120, u"Birimi"},
                                   {140, u"Miktarı", true},
                                   {160, u"Tutarı", true},
                                   {175, u"Ambar Yeri"}}};
const Sütunlar ÇıkışSütunları = {{{10, u"No"},
                                   {20, u"Orjinal Parça No"},
                                   {55, u"Adı ve Niteliği"},
                                   {110, u"Verilen Yer"},
                                   {140, u"Birimi"},
                                   {160, u"Miktarı", true},
                                   {180, u"Tutarı", true}}};

QString metin(const char16_t* m) { return QString::fromUtf16(m); }

void yazXY(Yazıcı& y, double x, const QString& m, bool satırıBitir = false) {
    y.X = x;
    y.yaz(m, satırıBitir);
}

void başlıklarıYaz(Yazıcı& y, const Sütunlar& sütunlar) {
    y.kalınKoy(true);
    for (size_t i = 0; i < sütunlar.size(); ++i) yazXY(y, sütunlar[i].x, metin(sütunlar[i].başlık), i + 1 == sütunlar.size());
    y.kalınKoy(false);
}

// The line table from the headings on the current line (already drawn) down to
// the total, then room for the signatures (imzaPayı mm, else a new page).
// Returns the total of the amounts as listed.
Para tabloyuBas(Yazıcı& y, const Sütunlar& sütunlar, const FişSatırları& satırlar, double imzaPayı) {
    // the amount is the last column whose figures are right-aligned
    int tutarSütunu = 0;
    for (size_t i = 0; i < sütunlar.size(); ++i)
        if (sütunlar[i].sağaYaslı) tutarSütunu = static_cast<int>(i);
    Para toplam;
    AltBoşluk = 20;
    y.Y += 1;
    for (const QStringList& satır : satırlar) {
        if (float(y.Y + AltBoşluk) >= float(SayfaYüksekliği)) {
            y.Y = 270;
            SayfaNumarasıYaz(y);
            y.yeniSayfa();
            y.Y = 10;
            başlıklarıYaz(y, sütunlar);
        }
        y.Y += 1.5;
        for (size_t i = 0; i < sütunlar.size(); ++i) {
            const QString hücre = satır.value(static_cast<int>(i));
            const bool son = i + 1 == sütunlar.size();
            if (sütunlar[i].sağaYaslı) SağaYaslıYaz(y, sütunlar[i].x, metin(sütunlar[i].başlık), hücre, son);
            else yazXY(y, sütunlar[i].x, hücre, son);
        }
        // an amount that does not read as money adds nothing; its row is printed all the same
        if (const auto tutar = Para::metinden(satır.value(tutarSütunu))) toplam += *tutar;
    }
    y.kalınKoy(true);
    y.Y += 2.5;
    const Sütun& tutar = sütunlar[static_cast<size_t>(tutarSütunu)];
    SağaYaslıYaz(y, tutar.x, metin(tutar.başlık), QStringLiteral("Toplam : ") + BiçimliSayı(toplam), true);
    AltBoşluk = imzaPayı;
    if (y.Y + AltBoşluk >= SayfaYüksekliği) {
        y.Y = 270;
        SayfaNumarasıYaz(y);
        y.yeniSayfa();
    }
    return toplam;
}

// A short voucher may go on A5 paper: say so, and put the signatures higher.
bool kısaFişMi(const FişSatırları& satırlar, size_t enÇok, const char16_t* mesaj) {
    if (satırlar.size() > enÇok) return false;
    Bilgi(metin(mesaj));
    return true;
}

void belgeyiKapat(Yazıcı& y) {
    y.kalınKoy(false);
    if (y.sayfaNo() > 1) {
        y.Y = 270;
        SayfaNumarasıYaz(y);
    }
    y.belgeyiBitir();
    QCoreApplication::processEvents();
}

}  // namespace

Para GirişFişiniBas(Yazıcı& y, const GirişFişiBaskısı& f) {
    y.kopyaSayısıKoy(f.kopya);
    OrtalıBaşlıkYaz(y, 15, QStringLiteral("GİRİŞ FİŞİ"));

    const struct {
        double y;
        const char16_t *sol;
        QString solDeğer;
        const char16_t* sağ;
        QString sağDeğer;
    } başlık[] = {
        {25, u"MALI ALAN", f.malıAlan, u"KOD NO", f.kodNo},
        {29, u"MALI VEREN", f.faturaVeren, u"GİRİŞ TARİHİ VE FİŞ NO", f.girişTarihi + QStringLiteral(" - ") + f.fişNo},
        {33, u"ALINMA ŞEKLİ", f.alınmaŞekli, u"FATURA TARİHİ VE NO", f.faturaTarihi + QStringLiteral(" - ") + f.faturaNo},
    };
    for (const auto& satır : başlık) {
        y.Y = satır.y;
        y.kalınKoy(true);
        yazXY(y, 10, metin(satır.sol));
        y.kalınKoy(false);
        yazXY(y, 35, QStringLiteral(": ") + satır.solDeğer);
        y.kalınKoy(true);
        yazXY(y, 120, metin(satır.sağ));
        y.kalınKoy(false);
        yazXY(y, 157, QStringLiteral(": ") + satır.sağDeğer, true);
    }

    y.Y = 45;
    başlıklarıYaz(y, GirişSütunları);
    const Para toplam = tabloyuBas(y, GirişSütunları, f.satırlar, 60);

    const double b = kısaFişMi(f.satırlar, 6,
                               u"Giriş fişinizi A5 kağıda yazdırmak isterseniz, lütfen yazıcınıza A5 kağıt yükleyiniz!")
                         ? 90
                         : 230;
    y.kalınKoy(false);
    y.Y = b;
    yazXY(y, 10,
          QStringLiteral("Yukarıda yazılı malzemeler istenilen niteliğe, teknik şartnamesine uygun ve tam olarak "
                         "teslim alındı."),
          true);
    y.Y = b + 5;
    yazXY(y, 50, QStringLiteral("AMBAR MEMURU"));
    yazXY(y, 90, QStringLiteral("TEKNİK ELEMAN"));
    yazXY(y, 130, QStringLiteral("TEKNİK ELEMAN"), true);
    y.Y = b + 10;
    yazXY(y, 10, QStringLiteral("ADI VE SOYADI"));
    yazXY(y, 50, f.ambarMemuru);
    yazXY(y, 90, f.teknikEleman1);
    yazXY(y, 130, f.teknikEleman2, true);
    y.Y = b + 15;
    yazXY(y, 10, QStringLiteral("İMZA"), true);
    y.Y = b + 25;
    yazXY(y, 10,
          QString::number(f.satırlar.size()) + QStringLiteral(" kalemde yazılı malzeme tamam olarak ambara alındı."),
          true);
    y.Y = b + 30;
    yazXY(y, 10, QStringLiteral("ALAN AMBAR MEMURUNUN"), true);
    y.Y = b + 35;
    yazXY(y, 10, QStringLiteral("Adı Soyadı"));
    yazXY(y, 30, QStringLiteral(": ") + f.alanAmbarMemuru, true);
    yazXY(y, 10, QStringLiteral("İmzası"));
    yazXY(y, 30, QStringLiteral(": "), true);
    y.Y = b + 25;
    const QString sayman = QStringLiteral("AYNİYAT SAYMANI");
    yazXY(y, 155, sayman, true);
    yazXY(y, 155 + (y.metinGenişliği(sayman) - y.metinGenişliği(f.ayniyatSaymanı)) / 2, f.ayniyatSaymanı, true);
    y.Y += 1.5;
    yazXY(y, 157, QStringLiteral("MÜHÜR VE İMZA"), true);

    belgeyiKapat(y);
    return toplam;
}

Para ÇıkışFişiniBas(Yazıcı& y, const ÇıkışFişiBaskısı& f) {
    y.kopyaSayısıKoy(f.kopya);
    OrtalıBaşlıkYaz(y, 15, QStringLiteral("İSTEK ÇIKIŞ FİŞİ"));

    const std::pair<const char16_t*, QString> başlık[] = {
        {u"KOD NO ", f.kodNo}, {u"TARİHİ ", f.tarihi}, {u"FİŞ NO ", f.fişNo}};
    for (const auto& [etiket, değer] : başlık) {
        y.kalınKoy(true);
        yazXY(y, 150, metin(etiket));
        y.kalınKoy(false);
        yazXY(y, 170, QStringLiteral(": ") + değer, true);
    }

    y.Y = 35;
    y.kalınKoy(true);
    yazXY(y, 32, QStringLiteral("İSTEYEN"));
    yazXY(y, 80, QStringLiteral("UYGUN GÖREN"));
    yazXY(y, 130, QStringLiteral("VERİLMESİNİ EMREDEN"), true);
    y.kalınKoy(false);
    y.Y += 1;
    yazXY(y, 10, QStringLiteral("Adı Soyadı "));
    yazXY(y, 30, QStringLiteral(": ") + f.isteyen);
    yazXY(y, 80, f.uygunGören);
    yazXY(y, 130, f.verilmesiniEmreden, true);
    yazXY(y, 10, QStringLiteral("Ünvanı "));
    yazXY(y, 30, QStringLiteral(": ") + f.isteyeninÜnvanı);
    yazXY(y, 80, f.uygunGöreninÜnvanı);
    yazXY(y, 130, f.verilmesiniEmredeninÜnvanı, true);
    yazXY(y, 10, QStringLiteral("Servisi "));
    yazXY(y, 30, QStringLiteral(": ") + f.isteyeninServisi, true);
    yazXY(y, 10, QStringLiteral("İmzası "));
    yazXY(y, 30, QStringLiteral(":"), true);

    y.Y = 60;
    başlıklarıYaz(y, ÇıkışSütunları);
    const Para toplam = tabloyuBas(y, ÇıkışSütunları, f.satırlar, 40);

    const double b = kısaFişMi(f.satırlar, 7,
                               u"Çıkış fişinizi A5 kağıda yazdırmak isterseniz, lütfen yazıcınıza A5 kağıt yükleyiniz!")
                         ? 115
                         : 250;
    y.kalınKoy(false);
    y.Y = b;
    yazXY(y, 32, QStringLiteral("AYNİYAT SAYMANI"));
    yazXY(y, 80, QStringLiteral("AMBAR MEMURU"), true);
    y.Y = b + 5;
    yazXY(y, 10, QStringLiteral("Adı Soyadı "));
    yazXY(y, 30, QStringLiteral(": ") + f.ayniyatSaymanı);
    yazXY(y, 80, f.ambarMemuru, true);
    yazXY(y, 10, QStringLiteral("İmza"));
    yazXY(y, 30, QStringLiteral(":"), true);
    yazXY(y, 10, QStringLiteral("Tarih"));
    yazXY(y, 30, QStringLiteral(":"), true);

    y.Y = b;
    yazXY(y, 120, QStringLiteral("Yukarıda yazılı malzemeleri tam olarak aldım."), true);
    y.Y = b + 5;
    yazXY(y, 120, QStringLiteral("Adı Soyadı "));
    yazXY(y, 150, QStringLiteral(": ") + f.teslimAlan, true);
    yazXY(y, 120, QStringLiteral("Ünvanı "));
    yazXY(y, 150, QStringLiteral(": ") + f.teslimAlanınÜnvanı, true);
    yazXY(y, 120, QStringLiteral("İmza"));
    yazXY(y, 150, QStringLiteral(":"), true);

    belgeyiKapat(y);
    return toplam;
}
