#include "reports/MalzemeCetveliAktarımı.h"

#include "platform/ÇalışmaKitabı.h"
#include "reports/MalzemeCetveliFormu.h"
#include "reports/ÖzetMalzemeCetveliFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeDenetimi.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/YazdırmaVeAktarmaModülü.h"

namespace {

// How a sheet's list goes into the workbook.
struct CetvelAktarımı {
    QString sayfaAdı;
    int ilkSütun;       // the list column that becomes column A (0-based)
    int metinSütunları; // text columns after column A; the rest are figures
    bool ayrıntılı;     // the detailed sheet drives the bar further
};

void aktar(const ListeDenetimi& liste, const QString& başlık, const CetvelAktarımı& a) {
    using K = ÇalışmaKitabı;
    const int n = liste.satırSayısı();
    const int sütunlar = liste.sütunSayısı() - a.ilkSütun;  // sheet columns
    ListeOluşturuluyorFormu::İlerlemeSınırı(a.ayrıntılı ? n + 18 : n);
    if (a.ayrıntılı) ListeOluşturuluyorFormu::İlerleme(2);

    K kitap(a.sayfaAdı);
    SürenAktarım süren(kitap);
    const auto& satırlar = liste.satırlar();
    for (int r = 1; r <= n; ++r) {
        ListeOluşturuluyorFormu::İlerleme(r);
        const QStringList& h = satırlar[static_cast<size_t>(r - 1)].hücreler;
        const int satır = r + 2;
        kitap.hücreBiçimi(satır, 1).yatay = K::Yatay::Orta;
        kitap.metinYaz(satır, 1, h.value(a.ilkSütun));
        for (int s = 2; s <= sütunlar; ++s) {
            const QString metin = h.value(a.ilkSütun + s - 1);
            if (s <= 1 + a.metinSütunları) {
                kitap.hücreBiçimi(satır, s).sayıBiçimi = QStringLiteral("@");
                kitap.metinYaz(satır, s, metin);
            } else {
                kitap.sayıMetniYaz(satır, s, metin);
            }
        }
    }
    // no page setup at all without a printer
    kitap.düzen().a4 = YazıcıVar;
    if (YazıcıVar) {
        auto& d = kitap.düzen();
        d.yatayYön = true;
        d.kenarBoşluğuİnç = 0.590551181102362;  // 1.5 cm
        d.yataydaOrtala = true;
        d.kılavuzÇizgileriYazdır = true;
    }
    if (a.ayrıntılı) ListeOluşturuluyorFormu::İlerleme(ListeOluşturuluyorFormu::İlerlemeDeğeri() + 1);

    kitap.metinYaz(1, 1, başlık);
    kitap.birleştir(1, 1, 1, sütunlar);
    auto& b1 = kitap.satırBiçimi(1);
    b1.yatay = K::Yatay::Orta;
    b1.dikey = K::Dikey::Orta;
    b1.kalın = true;
    kitap.satırYüksekliğiKoy(1, 30);
    if (a.ayrıntılı) ListeOluşturuluyorFormu::İlerleme(ListeOluşturuluyorFormu::İlerlemeDeğeri() + 1);

    for (int s = 1; s <= sütunlar; ++s) {
        if (a.ayrıntılı) ListeOluşturuluyorFormu::İlerleme(n + s);
        const int listeSütunu = a.ilkSütun + s - 1;
        kitap.metinYaz(2, s, liste.sütunBaşlığı(listeSütunu));
        kitap.sütunGenişliğiKoy(s, liste.sütunGenişliğiTwips(listeSütunu) / 100.0);
        auto& b = kitap.hücreBiçimi(2, s);
        b.yatay = K::Yatay::Orta;
        b.dikey = K::Dikey::Orta;
        b.kaydır = true;
        b.kalın = true;
    }
    // the sheet prints one page wide, as many pages down as it needs
    if (YazıcıVar) {
        kitap.düzen().sığdırGenişlik = 1;
        kitap.düzen().sığdırYükseklik = 0;
    }
    ÇalışmaKitabınıKaydedipAç(kitap, a.sayfaAdı);
}

}  // namespace

void MalzemeCetveliniAktar(MalzemeCetveliFormu& pencere) {
    aktar(*pencere.ParçaBilgileriListesi, pencere.windowTitle(),
          {QStringLiteral("Malzeme Cetveli"), MalzemeCetveliFormu::SıraNoSütunu, 3, true});
}

void ÖzetMalzemeCetveliniAktar(ÖzetMalzemeCetveliFormu& pencere) {
    aktar(*pencere.MalzemeHareketleriListesi, pencere.windowTitle(),
          {QStringLiteral("Malzeme Cetveli Özeti"), ÖzetMalzemeCetveliFormu::KoduSütunu, 1, false});
}
