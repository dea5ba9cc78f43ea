#include "platform/ÇalışmaKitabı.h"

#include "platform/DeporaHatası.h"
#include "platform/Masaüstü.h"
#include "platform/SayıTarih.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <tuple>
#include <xlsxwriter.h>

namespace {

using Biçim = ÇalışmaKitabı::Biçim;

// The row's format under the cell's own.
Biçim birleşik(const Biçim& satır, const Biçim& hücre) {
    Biçim b = hücre;
    if (!b.kalın) b.kalın = satır.kalın;
    if (b.yatay == ÇalışmaKitabı::Yatay::Yok) b.yatay = satır.yatay;
    if (b.dikey == ÇalışmaKitabı::Dikey::Yok) b.dikey = satır.dikey;
    if (!b.kaydır) b.kaydır = satır.kaydır;
    if (b.sayıBiçimi.isEmpty()) b.sayıBiçimi = satır.sayıBiçimi;
    return b;
}

bool boşMu(const Biçim& b) {
    return !b.kalın.value_or(false) && b.yatay == ÇalışmaKitabı::Yatay::Yok &&
           b.dikey == ÇalışmaKitabı::Dikey::Yok && !b.kaydır.value_or(false) && b.sayıBiçimi.isEmpty();
}

// One libxlsxwriter format per distinct format.
class Biçimler {
public:
    explicit Biçimler(lxw_workbook* kitap) : kitap_(kitap) {}
    lxw_format* al(const Biçim& b) {
        if (boşMu(b)) return nullptr;
        const auto anahtar = std::make_tuple(b.kalın.value_or(false), int(b.yatay), int(b.dikey),
                                             b.kaydır.value_or(false), b.sayıBiçimi);
        auto it = biçimler_.find(anahtar);
        if (it != biçimler_.end()) return it->second;
        lxw_format* f = workbook_add_format(kitap_);
        if (b.kalın.value_or(false)) format_set_bold(f);
        switch (b.yatay) {
        case ÇalışmaKitabı::Yatay::Sol: format_set_align(f, LXW_ALIGN_LEFT); break;
        case ÇalışmaKitabı::Yatay::Orta: format_set_align(f, LXW_ALIGN_CENTER); break;
        case ÇalışmaKitabı::Yatay::Sağ: format_set_align(f, LXW_ALIGN_RIGHT); break;
        case ÇalışmaKitabı::Yatay::Yok: break;
        }
        switch (b.dikey) {
        case ÇalışmaKitabı::Dikey::Üst: format_set_align(f, LXW_ALIGN_VERTICAL_TOP); break;
        case ÇalışmaKitabı::Dikey::Orta: format_set_align(f, LXW_ALIGN_VERTICAL_CENTER); break;
        case ÇalışmaKitabı::Dikey::Alt: format_set_align(f, LXW_ALIGN_VERTICAL_BOTTOM); break;
        case ÇalışmaKitabı::Dikey::Yok: break;
        }
        if (b.kaydır.value_or(false)) format_set_text_wrap(f);
        if (!b.sayıBiçimi.isEmpty()) format_set_num_format(f, b.sayıBiçimi.toUtf8().constData());
        biçimler_.emplace(anahtar, f);
        return f;
    }

private:
    lxw_workbook* kitap_;
    std::map<std::tuple<bool, int, int, bool, QString>, lxw_format*> biçimler_;
};

void denetle(lxw_error hata, const char* ne) {
    if (hata != LXW_NO_ERROR)
        throw DeporaHatası(HataNo::ÇalışmaKitabıHatası,
                           QStringLiteral("Çalışma kitabı yazılamadı (%1): %2")
                               .arg(QString::fromUtf8(ne), QString::fromUtf8(lxw_strerror(hata))));
}

}  // namespace

ÇalışmaKitabı::ÇalışmaKitabı(const QString& sayfaAdı) : sayfaAdı_(sayfaAdı) {}

void ÇalışmaKitabı::metinYaz(int satır, int sütun, const QString& metin) { hücreler_[{satır, sütun}].değer = metin; }

void ÇalışmaKitabı::sayıYaz(int satır, int sütun, double sayı) { hücreler_[{satır, sütun}].değer = sayı; }

void ÇalışmaKitabı::sayıMetniYaz(int satır, int sütun, const QString& metin) {
    auto& h = hücreler_[{satır, sütun}];
    if (const auto s = SayıOku(metin)) h.değer = *s;
    else h.değer = std::monostate{};
}

ÇalışmaKitabı::Biçim& ÇalışmaKitabı::hücreBiçimi(int satır, int sütun) { return hücreler_[{satır, sütun}].biçim; }

ÇalışmaKitabı::Biçim& ÇalışmaKitabı::satırBiçimi(int satır) { return satırBiçimleri_[satır]; }

void ÇalışmaKitabı::birleştir(int ilkSatır, int ilkSütun, int sonSatır, int sonSütun) {
    birleşimler_[{ilkSatır, ilkSütun}] = {sonSatır, sonSütun};
}

void ÇalışmaKitabı::satırYüksekliğiKoy(int satır, double punto) { satırYükseklikleri_[satır] = punto; }

void ÇalışmaKitabı::sütunGenişliğiKoy(int sütun, double karakter) { sütunGenişlikleri_[sütun] = karakter; }

void ÇalışmaKitabı::bırak() {
    bırakıldı_ = true;
    hücreler_.clear();
}

QString ÇalışmaKitabı::kaydet(const QString& kök) {
    if (bırakıldı_) return {};
    const QString klasör = Masaüstü::belgeKlasörü();
    if (!QDir().mkpath(klasör))
        throw DeporaHatası(HataNo::ÇalışmaKitabıHatası, QStringLiteral("Belgeler klasörü oluşturulamadı: ") + klasör);
    QString yol = klasör + kök + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(yol); ++n) yol = klasör + QStringLiteral("%1 (%2).xlsx").arg(kök).arg(n);
    // written beside the final name first: a broken write never leaves a file that looks whole
    const QString geçici = yol + QStringLiteral(".yaziliyor");
    QFile::remove(geçici);
    try {
        // the sheet is the store's content in plain text: readable by the user alone,
        // whatever the umask (the writer keeps the mode of the file it is given)
        {
            QFile boş(geçici);
            if (!boş.open(QIODevice::WriteOnly) || !boş.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
                throw DeporaHatası(HataNo::ÇalışmaKitabıHatası, QStringLiteral("Çalışma kitabı açılamadı: ") + yol);
        }
        yaz(geçici);
        if (QFileInfo(geçici).size() == 0 || !QFile::rename(geçici, yol))
            throw DeporaHatası(HataNo::ÇalışmaKitabıHatası, QStringLiteral("Çalışma kitabı kaydedilemedi: ") + yol);
    } catch (...) {
        QFile::remove(geçici);
        throw;
    }
    return yol;
}

void ÇalışmaKitabı::yaz(const QString& yol) const {
    const QByteArray dosya = QFile::encodeName(yol);
    lxw_workbook* kitap = workbook_new(dosya.constData());
    if (!kitap) throw DeporaHatası(HataNo::ÇalışmaKitabıHatası, QStringLiteral("Çalışma kitabı açılamadı: ") + yol);
    const QByteArray ad = sayfaAdı_.toUtf8();
    lxw_worksheet* sayfa =
        workbook_validate_sheet_name(kitap, ad.constData()) == LXW_NO_ERROR ? workbook_add_worksheet(kitap, ad.constData())
                                                                           : nullptr;
    if (!sayfa) {
        workbook_close(kitap);
        throw DeporaHatası(HataNo::ÇalışmaKitabıHatası, QStringLiteral("Geçersiz sayfa adı: ") + sayfaAdı_);
    }
    Biçimler biçimler(kitap);
    const Biçim boş;
    auto etkin = [&](int satır, const Biçim& hücre) {
        const auto it = satırBiçimleri_.find(satır);
        return biçimler.al(it == satırBiçimleri_.end() ? hücre : birleşik(it->second, hücre));
    };
    try {
        // rows: height and the format of their empty cells
        std::map<int, std::pair<double, const Biçim*>> satırlar;
        for (const auto& [s, y] : satırYükseklikleri_) satırlar[s] = {y, &boş};
        for (const auto& [s, b] : satırBiçimleri_) {
            auto& r = satırlar.try_emplace(s, LXW_DEF_ROW_HEIGHT, &boş).first->second;
            r.second = &b;
        }
        for (const auto& [s, r] : satırlar)
            denetle(worksheet_set_row(sayfa, lxw_row_t(s - 1), r.first, biçimler.al(*r.second)), "satır");
        for (const auto& [s, g] : sütunGenişlikleri_)
            denetle(worksheet_set_column(sayfa, lxw_col_t(s - 1), lxw_col_t(s - 1), g, nullptr), "sütun");
        for (const auto& [ilk, son] : birleşimler_) {
            const auto it = hücreler_.find(ilk);
            const Biçim& b = it == hücreler_.end() ? boş : it->second.biçim;
            denetle(worksheet_merge_range(sayfa, lxw_row_t(ilk.first - 1), lxw_col_t(ilk.second - 1),
                                          lxw_row_t(son.first - 1), lxw_col_t(son.second - 1), "", etkin(ilk.first, b)),
                    "birleştirme");
        }
        for (const auto& [yer, h] : hücreler_) {
            const lxw_row_t s = lxw_row_t(yer.first - 1);
            const lxw_col_t c = lxw_col_t(yer.second - 1);
            lxw_format* f = etkin(yer.first, h.biçim);
            if (const auto* m = std::get_if<QString>(&h.değer)) {
                denetle(worksheet_write_string(sayfa, s, c, m->toUtf8().constData(), f), "hücre");
            } else if (const auto* d = std::get_if<double>(&h.değer)) {
                denetle(worksheet_write_number(sayfa, s, c, *d, f), "hücre");
            } else if (f && !birleşimler_.count(yer)) {
                denetle(worksheet_write_blank(sayfa, s, c, f), "hücre");
            }
        }
        if (düzen_.kenarBoşluğuİnç) {
            const double k = *düzen_.kenarBoşluğuİnç;
            worksheet_set_margins(sayfa, k, k, k, k);
        }
        if (düzen_.yataydaOrtala) worksheet_center_horizontally(sayfa);
        if (düzen_.kılavuzÇizgileriYazdır) worksheet_gridlines(sayfa, LXW_SHOW_ALL_GRIDLINES);
        if (düzen_.yatayYön) worksheet_set_landscape(sayfa);
        if (düzen_.sığdırGenişlik > 0 || düzen_.sığdırYükseklik > 0)
            worksheet_fit_to_pages(sayfa, uint16_t(düzen_.sığdırGenişlik), uint16_t(düzen_.sığdırYükseklik));
        if (düzen_.a4) worksheet_set_paper(sayfa, 9);
    } catch (...) {
        workbook_close(kitap);
        throw;
    }
    denetle(workbook_close(kitap), "kapatma");
}

bool ÇalışmaKitabınıAç(const QString& yol) { return Masaüstü::adresAç(yol); }
