#pragma once
// The sequences that the print, list and export buttons of the voucher,
// movement-list and report windows follow, and the small steps their print
// layouts and exports share.
#include <QString>

class QWidget;
class Yazıcı;
class ÇalışmaKitabı;

// ---- print button ----

// The first check of every print button: without a printer shows "Bilgisayarınızda
// yüklü bir YAZICI yok!" (exclamation icon) and returns false.
bool YazıcıVarMı();

// The rest of the print button, after the window's own checks: the printer
// choice (a cancel ends it, YazıcıSeçimiİptal false again); the chosen printer
// back to portrait and one copy (the print procedure sets what it needs); its
// page measured into SayfaYüksekliği and SayfaGenişliği; the button
// disabled and the wait pointer over the window while YazdırılıyorFormu, owned
// by the window, calls the print procedure of code `rapor` (YazdırılacakRapor);
// the button and the pointer back. A document the procedure left open is ended;
// one whose procedure failed (its error already shown) is dropped.
// True when the document got through to the printer; a document that did not
// is reported ("Belge yazıcıya gönderilemedi!") and gives false.
bool YazıcıSeçipYazdır(QWidget* pencere, QWidget* düğme, int rapor);

// Both: YazıcıVarMı, then YazıcıSeçipYazdır.
bool YazdırmaDüğmesi(QWidget* pencere, QWidget* düğme, int rapor);

// The printable page of the program's printer in whole millimetres (halves to
// even) into SayfaYüksekliği and SayfaGenişliği; the landscape sheets call it
// again after turning the page.
void SayfaÖlçüleriniAl();

// ---- print layouts ----

// A sheet's title in 12-point bold, centred on the printable width (SayfaGenişliği)
// at üst mm; leaves the font at 8 points, still bold.
void OrtalıBaşlıkYaz(Yazıcı& y, double üst, const QString& başlık);
// "Sayfa - " and the page number at the current Y, ending 10 mm before the
// printable width (SayfaGenişliği), in the font in force; ends the line.
void SayfaNumarasıYaz(Yazıcı& y);
// Before a row of a printed list: when the print position plus AltBoşluk plus
// 5 mm reaches the page height, the page's footer at the page height less
// AltBoşluk and a new page. True when a new page was started (the caller then
// prints its headings).
bool SayfaDolduysaYeniSayfa(Yazıcı& y);
// After the last row: the last page's footer, when the document has more than one page.
void SonSayfaNumarasınıYaz(Yazıcı& y);
// A figure right-aligned on the right end of its heading: X = başlıkX + the
// width of the heading - the width of the text, both in the font in force.
void SağaYaslıYaz(Yazıcı& y, double başlıkX, const QString& başlık, const QString& metin, bool satırıBitir = false);

// ---- list and export buttons ----

// A list build: ListeOluşturuluyorFormu with the Tag, owned by the window.
void ListeOluştur(QWidget* pencere, const QString& tag);

// An export: nothing for an empty list; without a spreadsheet program
// "Bilgisayarınızda MS Excel kurulu değil!"; otherwise ListeOluşturuluyorFormu
// with the export texts and icon and the Tag, owned by the window.
void ListeyiDışaAktar(QWidget* pencere, int satırSayısı, const QString& tag);

// While an export builds its workbook: the common error routine's "Hayır"
// drops the half-built sheet (ExcelUygulaması), until the export ends.
class SürenAktarım {
public:
    explicit SürenAktarım(ÇalışmaKitabı& kitap);
    ~SürenAktarım();
    SürenAktarım(const SürenAktarım&) = delete;
    SürenAktarım& operator=(const SürenAktarım&) = delete;
};

// The end of an export: writes the workbook under the documents folder (kök
// names the file) and opens it with the desktop's handler. Throws DeporaHatası
// when it could not be written; when no program opened it, says where it is.
QString ÇalışmaKitabınıKaydedipAç(ÇalışmaKitabı& kitap, const QString& kök);
