#include "platform/Yazıcı.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <cups/cups.h>

namespace {

constexpr double MmİnçBaşına = 25.4;
constexpr int ÖlçüDpi = 1200;

// Text is measured on a 1200 dpi page, whatever the device: both back ends then
// give the same widths, and the font is scalable, so the printed text matches.
const QImage& ölçüSayfası() {
    static const QImage sayfa = [] {
        QImage s(1, 1, QImage::Format_Mono);
        s.setDotsPerMeterX(qRound(ÖlçüDpi / MmİnçBaşına * 1000));
        s.setDotsPerMeterY(qRound(ÖlçüDpi / MmİnçBaşına * 1000));
        return s;
    }();
    return sayfa;
}

double mm(double nokta) { return nokta * MmİnçBaşına / ÖlçüDpi; }

// The device addresses of the print system's (CUPS) queues by printer name
// (Qt does not give them); an instance of a queue has the queue's own address.
QHash<QString, QString> cupsAygıtAdresleri() {
    QHash<QString, QString> adresler;
    cups_dest_t* hedefler = nullptr;
    const int sayı = cupsGetDests(&hedefler);
    for (int i = 0; i < sayı; ++i) {
        const cups_dest_t& h = hedefler[i];
        if (h.instance) continue;
        if (const char* adres = cupsGetOption("device-uri", h.num_options, h.options))
            adresler.insert(QString::fromUtf8(h.name), QString::fromUtf8(adres));
    }
    cupsFreeDests(sayı, hedefler);
    return adresler;
}

std::function<std::vector<YazıcıBilgisi>()>& listeKaynağı() {
    static std::function<std::vector<YazıcıBilgisi>()> k;
    return k;
}

YazıcıArkaUcuYapıcısı& arkaUçYapıcısı() {
    static YazıcıArkaUcuYapıcısı y;
    return y;
}

QPageLayout::Orientation qtYönü(SayfaYönü yön) {
    return yön == SayfaYönü::Yatay ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Every document gets a printer and a painter of its own, set up afresh from
// the device's description: nothing a failed or cut-short document left in the
// print engine (an error state, an open output) reaches the next one.
class QPrinterArkaUcu : public YazıcıArkaUcu {
public:
    using Kurulum = std::function<void(QPrinter&)>;
    explicit QPrinterArkaUcu(Kurulum kur) : kur_(std::move(kur)), ayarlar_(yeniYazıcı()) {}

    static std::unique_ptr<QPrinterArkaUcu> kâğıt(const QString& ad) {
        return std::make_unique<QPrinterArkaUcu>([ad](QPrinter& y) { y.setPrinterName(ad); });
    }
    static std::unique_ptr<QPrinterArkaUcu> pdf(const QString& dosya) {
        return std::make_unique<QPrinterArkaUcu>([dosya](QPrinter& y) {
            y.setOutputFormat(QPrinter::PdfFormat);
            y.setOutputFileName(dosya);
            y.setPageSize(QPageSize(QPageSize::A4));
            y.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        });
    }

    QSizeF yazdırılabilirAlan(SayfaYönü yön) const override {
        QPageLayout düzen = ayarlar_->pageLayout();
        düzen.setOrientation(qtYönü(yön));
        return düzen.paintRect(QPageLayout::Millimeter).size();
    }
    bool başla(int kopya, SayfaYönü yön) override {
        bırak();
        yazıcı_ = yeniYazıcı();
        yazıcı_->setCopyCount(kopya);
        yazıcı_->setPageOrientation(qtYönü(yön));
        boyacı_ = std::make_unique<QPainter>();
        if (boyacı_->begin(yazıcı_.get())) return true;
        bırak();
        return false;
    }
    void metin(double x, double y, const QString& metin, const QFont& yazıTipi) override {
        if (!boyacı_) return;
        const double nokta = yazıcı_->resolution() / MmİnçBaşına;
        boyacı_->setFont(yazıTipi);
        const QFontMetricsF ölçü(yazıTipi, yazıcı_.get());
        boyacı_->drawText(QPointF(x * nokta, y * nokta + ölçü.ascent()), metin);
    }
    bool yeniSayfa() override { return yazıcı_ && yazıcı_->newPage(); }
    bool bitir() override {
        const bool tamam = boyacı_ && boyacı_->end() && yazıcı_->printerState() != QPrinter::Error;
        bırak();
        return tamam;
    }
    void iptal() override {
        if (yazıcı_) yazıcı_->abort();
        if (boyacı_ && boyacı_->isActive()) boyacı_->end();
        bırak();
    }

private:
    std::unique_ptr<QPrinter> yeniYazıcı() const {
        auto y = std::make_unique<QPrinter>(QPrinter::HighResolution);
        kur_(*y);
        return y;
    }
    // the painter goes before the printer it paints on
    void bırak() {
        boyacı_.reset();
        yazıcı_.reset();
    }

    Kurulum kur_;
    std::unique_ptr<QPrinter> ayarlar_;  // measured, never printed on
    std::unique_ptr<QPrinter> yazıcı_;   // the document being printed
    std::unique_ptr<QPainter> boyacı_;
};

}  // namespace

// ---- Yazıcı ----

void Yazıcı::aygıtıSeç(const QString& ad) {
    auto& y = arkaUçYapıcısı();
    aygıtıKoy(y ? y(ad) : KâğıtArkaUcu(ad), ad);
}

void Yazıcı::aygıtıKoy(std::unique_ptr<YazıcıArkaUcu> arkaUç, const QString& ad) {
    if (açık_) belgeyiİptalEt();
    arkaUç_ = std::move(arkaUç);
    ad_ = ad;
    if (arkaUç_ && !arkaUç_->yönüAlır(yön_)) yön_ = SayfaYönü::Dikey;
}

void Yazıcı::yönKoy(SayfaYönü yön) {
    if (arkaUç_ && arkaUç_->yönüAlır(yön)) yön_ = yön;
}

double Yazıcı::sayfaGenişliği() const { return arkaUç_ ? arkaUç_->yazdırılabilirAlan(yön_).width() : 0; }

double Yazıcı::sayfaYüksekliği() const { return arkaUç_ ? arkaUç_->yazdırılabilirAlan(yön_).height() : 0; }

QFont Yazıcı::yazıTipi() const {
    static const bool eşlendi = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)eşlendi;
    QString aile = yazıTipiAdı_;
    if (aile.endsWith(QStringLiteral(" Tur"))) aile.chop(4);  // the Turkish code page of a Windows font
    QFont f(aile);
    f.setPointSizeF(punto_);
    f.setBold(kalın_);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double Yazıcı::metinGenişliği(const QString& metin) const {
    return mm(QFontMetricsF(yazıTipi(), &ölçüSayfası()).horizontalAdvance(metin));
}

double Yazıcı::satırYüksekliği() const { return mm(QFontMetricsF(yazıTipi(), &ölçüSayfası()).lineSpacing()); }

void Yazıcı::başlat() {
    açık_ = true;
    sayfa_ = 1;
    hatalı_ = !arkaUç_ || !arkaUç_->başla(kopya_, yön_);
}

void Yazıcı::yaz(const QString& metin, bool satırıBitir) {
    if (!açık_) başlat();
    if (!hatalı_) arkaUç_->metin(X, Y, metin, yazıTipi());
    if (satırıBitir) {
        X = 0;
        Y += satırYüksekliği();
    } else {
        X += metinGenişliği(metin);
    }
}

void Yazıcı::yeniSayfa() {
    if (!açık_) başlat();
    if (!hatalı_ && !arkaUç_->yeniSayfa()) hatalı_ = true;
    ++sayfa_;
    X = Y = 0;
}

bool Yazıcı::belgeyiBitir() {
    if (!açık_) return true;
    bool tamam = !hatalı_ && arkaUç_->bitir();
    if (hatalı_ && arkaUç_) arkaUç_->iptal();
    ++biten_;
    sonBaşarılı_ = tamam;
    sıfırla();
    return tamam;
}

void Yazıcı::belgeyiİptalEt() {
    if (açık_ && !hatalı_ && arkaUç_) arkaUç_->iptal();
    sıfırla();
}

void Yazıcı::sıfırla() {
    açık_ = false;
    hatalı_ = false;
    sayfa_ = 1;
    X = Y = 0;
}

// ---- the program's printer and the sources ----

namespace {
Yazıcı& yazıcıNesnesi() {
    static Yazıcı y;
    return y;
}
}  // namespace

Yazıcı& GeçerliYazıcı() {
    Yazıcı& y = yazıcıNesnesi();
    if (!y.aygıtVar()) {
        const auto liste = Yazıcılar();
        for (const auto& b : liste)
            if (b.varsayılan) y.aygıtıSeç(b.ad);
        if (!y.aygıtVar() && !liste.empty()) y.aygıtıSeç(liste.front().ad);
    }
    return y;
}

void GeçerliYazıcıyıSıfırla() { yazıcıNesnesi() = Yazıcı(); }

std::vector<YazıcıBilgisi> Yazıcılar() {
    if (listeKaynağı()) return listeKaynağı()();
    std::vector<YazıcıBilgisi> l;
    const QString varsayılan = QPrinterInfo::defaultPrinterName();
    const QHash<QString, QString> adresler = cupsAygıtAdresleri();
    for (const QPrinterInfo& b : QPrinterInfo::availablePrinters()) {
        const QString ad = b.printerName();
        l.push_back({ad, BağlantıYeri(adresler.value(ad.section(QLatin1Char('/'), 0, 0)), b.location()),
                     ad == varsayılan});
    }
    return l;
}

QString BağlantıYeri(const QString& aygıtAdresi, const QString& konum) {
    if (aygıtAdresi.isEmpty()) return konum;
    QUrl adres(aygıtAdresi);
    if (!adres.isValid() || adres.password().isEmpty()) return aygıtAdresi;
    adres.setPassword(QString());
    return adres.toString();
}

void YazıcıListesiKaynağıKur(std::function<std::vector<YazıcıBilgisi>()> kaynak) { listeKaynağı() = std::move(kaynak); }

void YazıcıArkaUcuYapıcısıKur(YazıcıArkaUcuYapıcısı yapıcı) { arkaUçYapıcısı() = std::move(yapıcı); }

std::unique_ptr<YazıcıArkaUcu> KâğıtArkaUcu(const QString& yazıcıAdı) { return QPrinterArkaUcu::kâğıt(yazıcıAdı); }

std::unique_ptr<YazıcıArkaUcu> PdfArkaUcu(const QString& dosya) { return QPrinterArkaUcu::pdf(dosya); }

// ---- the recorder ----

KayıtArkaUcu::KayıtArkaUcu(YazılanBelgeler belgeler, QString ad, QSizeF dikeyAlan)
    : belgeler_(std::move(belgeler)), ad_(std::move(ad)), dikeyAlan_(dikeyAlan) {}

QSizeF KayıtArkaUcu::yazdırılabilirAlan(SayfaYönü yön) const {
    return yön == SayfaYönü::Yatay ? dikeyAlan_.transposed() : dikeyAlan_;
}

bool KayıtArkaUcu::başla(int kopya, SayfaYönü yön) {
    if (bozuk) return false;
    YazılanBelge b;
    b.yazıcı = ad_;
    b.kopya = kopya;
    b.yön = yön;
    belgeler_->push_back(std::move(b));
    belge_ = static_cast<int>(belgeler_->size()) - 1;
    return true;
}

void KayıtArkaUcu::metin(double x, double y, const QString& metin, const QFont& yazıTipi) {
    if (belge_ < 0) return;
    auto& b = (*belgeler_)[static_cast<size_t>(belge_)];
    b.metinler.push_back({b.sayfaSayısı, x, y, metin, yazıTipi.pointSizeF(), yazıTipi.bold()});
}

bool KayıtArkaUcu::yeniSayfa() {
    if (belge_ < 0) return false;
    ++(*belgeler_)[static_cast<size_t>(belge_)].sayfaSayısı;
    return true;
}

bool KayıtArkaUcu::bitir() {
    if (belge_ < 0) return false;
    (*belgeler_)[static_cast<size_t>(belge_)].bitti = true;
    belge_ = -1;
    return true;
}

void KayıtArkaUcu::iptal() { belge_ = -1; }
