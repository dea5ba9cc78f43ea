#pragma once
// The printer as the print layouts use it: everything in millimetres from the
// top-left corner of the printable area. It keeps the copies, the orientation,
// the font (face, size, bold) and the print position X, Y; a text is drawn with
// its top at Y and either stays on the line (X moves behind it) or ends it (X
// back to 0, Y down by one line of the font). The document starts with its first
// text and is sent with belgeyiBitir(), which says whether it got through.
//
// Two back ends draw: QPrinter/QPainter (a printer of the system, or a PDF file)
// and a recorder that keeps every text with its page, position, size and weight
// (tests). The list of the system's printers and the making of a back end for a
// printer name are functions that tests replace.
#include <QFont>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

enum class SayfaYönü { Dikey = 1, Yatay = 2 };

struct YazıcıBilgisi {
    QString ad;   // device name
    QString yer;  // where it is connected (port or location)
    bool varsayılan = false;
};

// What one back end draws on. Positions are millimetres; y is the top of the text.
class YazıcıArkaUcu {
public:
    virtual ~YazıcıArkaUcu() = default;
    // The printable width and height in millimetres for an orientation.
    virtual QSizeF yazdırılabilirAlan(SayfaYönü yön) const = 0;
    // False when the device does not take that orientation.
    virtual bool yönüAlır(SayfaYönü) const { return true; }
    // Starts a document; false when the device refuses it.
    virtual bool başla(int kopya, SayfaYönü yön) = 0;
    virtual void metin(double x, double y, const QString& metin, const QFont& yazıTipi) = 0;
    virtual bool yeniSayfa() = 0;
    // Sends the document; false when it did not get through.
    virtual bool bitir() = 0;
    virtual void iptal() = 0;
};

class Yazıcı {
public:
    Yazıcı() = default;

    // The device: a back end made for the printer name (see YazıcıArkaUcuYapıcısıKur).
    // The settings stay as they were; an open document is dropped.
    void aygıtıSeç(const QString& ad);
    void aygıtıKoy(std::unique_ptr<YazıcıArkaUcu> arkaUç, const QString& ad);
    bool aygıtVar() const { return arkaUç_ != nullptr; }
    const QString& ad() const { return ad_; }

    int kopyaSayısı() const { return kopya_; }
    void kopyaSayısıKoy(int kopya) { kopya_ = kopya < 1 ? 1 : kopya; }
    // A device that does not take the orientation keeps the one it had: read it back.
    SayfaYönü yön() const { return yön_; }
    void yönKoy(SayfaYönü yön);
    // The printable area of the page in the current orientation, in millimetres.
    double sayfaGenişliği() const;
    double sayfaYüksekliği() const;

    // "Arial Tur" is Arial (Liberation Sans, its metric twin).
    QString yazıTipiAdı() const { return yazıTipiAdı_; }
    void yazıTipiAdıKoy(const QString& ad) { yazıTipiAdı_ = ad; }
    double yazıBoyutu() const { return punto_; }
    void yazıBoyutuKoy(double punto) { punto_ = punto; }
    bool kalın() const { return kalın_; }
    void kalınKoy(bool evet) { kalın_ = evet; }
    QFont yazıTipi() const;

    // The print position.
    double X = 0;
    double Y = 0;

    // Prints at X, Y; ending the line moves to X 0 and one line down.
    void yaz(const QString& metin, bool satırıBitir = true);
    // In millimetres, in the current font.
    double metinGenişliği(const QString& metin) const;
    double satırYüksekliği() const;
    // The page being printed, from 1.
    int sayfaNo() const { return sayfa_; }
    void yeniSayfa();
    bool belgeAçık() const { return açık_; }
    // Sends the document; true when it got through or nothing was printed.
    bool belgeyiBitir();
    // Drops the open document.
    void belgeyiİptalEt();
    // Documents ended so far, and whether the last one got through.
    int bitenBelgeSayısı() const { return biten_; }
    bool sonBelgeBaşarılı() const { return sonBaşarılı_; }

private:
    void başlat();
    void sıfırla();

    std::unique_ptr<YazıcıArkaUcu> arkaUç_;
    QString ad_;
    int kopya_ = 1;
    SayfaYönü yön_ = SayfaYönü::Dikey;
    QString yazıTipiAdı_ = QStringLiteral("Arial Tur");
    double punto_ = 10;
    bool kalın_ = false;
    int sayfa_ = 1;
    bool açık_ = false;
    bool hatalı_ = false;
    int biten_ = 0;
    bool sonBaşarılı_ = true;
};

// The program's printer: the one chosen last (at first use the system's default).
Yazıcı& GeçerliYazıcı();
// Forgets the device and the settings (tests, after replacing the sources below).
void GeçerliYazıcıyıSıfırla();

// The system's printers, the default one marked. Tests replace the source.
std::vector<YazıcıBilgisi> Yazıcılar();
// Where a printer of the print system is connected, as the chooser shows it: its
// device address (a port, a USB, network or file address) when the print system
// gives one, else its location. A password in the address is never shown.
QString BağlantıYeri(const QString& aygıtAdresi, const QString& konum);
void YazıcıListesiKaynağıKur(std::function<std::vector<YazıcıBilgisi>()> kaynak);  // nullptr: QPrinterInfo

// Makes the back end for a printer name. Tests replace it; the default prints on paper.
using YazıcıArkaUcuYapıcısı = std::function<std::unique_ptr<YazıcıArkaUcu>(const QString& ad)>;
void YazıcıArkaUcuYapıcısıKur(YazıcıArkaUcuYapıcısı yapıcı);  // nullptr: QPrinter

// The QPrinter back end: a printer of the system, or a PDF file (A4, 5 mm margins).
std::unique_ptr<YazıcıArkaUcu> KâğıtArkaUcu(const QString& yazıcıAdı);
std::unique_ptr<YazıcıArkaUcu> PdfArkaUcu(const QString& dosya);

// The recorder: what it keeps of each document.
struct YazılanMetin {
    int sayfa;
    double x, y;
    QString metin;
    double punto;
    bool kalın;
};
struct YazılanBelge {
    QString yazıcı;
    int kopya = 1;
    SayfaYönü yön = SayfaYönü::Dikey;
    int sayfaSayısı = 1;
    bool bitti = false;
    std::vector<YazılanMetin> metinler;
};
using YazılanBelgeler = std::shared_ptr<std::vector<YazılanBelge>>;

class KayıtArkaUcu : public YazıcıArkaUcu {
public:
    // dikeyAlan: the printable width and height in portrait; landscape swaps them.
    KayıtArkaUcu(YazılanBelgeler belgeler, QString ad, QSizeF dikeyAlan = {200, 287});
    QSizeF yazdırılabilirAlan(SayfaYönü yön) const override;
    bool yönüAlır(SayfaYönü yön) const override { return yön == SayfaYönü::Dikey || yatayAlır; }
    bool başla(int kopya, SayfaYönü yön) override;
    void metin(double x, double y, const QString& metin, const QFont& yazıTipi) override;
    bool yeniSayfa() override;
    bool bitir() override;
    void iptal() override;

    bool yatayAlır = true;  // false: a device that keeps portrait
    bool bozuk = false;     // true: documents do not get through

private:
    YazılanBelgeler belgeler_;
    QString ad_;
    QSizeF dikeyAlan_;
    int belge_ = -1;  // the open document in belgeler_
};
