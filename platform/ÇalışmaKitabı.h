#pragma once
// A one-sheet spreadsheet workbook as the exports build it: the sheet's name,
// text and number cells, formats (bold, alignment, wrapping, number format),
// merged ranges, row heights, column widths and the page setup. The sheet is
// held in memory in any order of writing and formatting, as a spreadsheet
// program takes it; kaydet() writes the .xlsx file (through libxlsxwriter) under
// the user's documents folder with a name of its own, and checks it.
// Rows and columns count from 1, as in the spreadsheet.
#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <variant>

class ÇalışmaKitabı {
public:
    enum class Yatay { Yok, Sol, Orta, Sağ };
    enum class Dikey { Yok, Üst, Orta, Alt };
    // What a cell or a row is given; in a cell whatever the cell leaves unset
    // comes from its row.
    struct Biçim {
        std::optional<bool> kalın;
        Yatay yatay = Yatay::Yok;
        Dikey dikey = Dikey::Yok;
        std::optional<bool> kaydır;
        QString sayıBiçimi;  // "@": text
    };
    struct SayfaDüzeni {
        std::optional<double> kenarBoşluğuİnç;  // the four margins
        bool yataydaOrtala = false;
        bool kılavuzÇizgileriYazdır = false;
        bool yatayYön = false;
        int sığdırGenişlik = 0;   // pages across, 0: not fitted
        int sığdırYükseklik = 0;  // pages down, 0: as many as needed
        bool a4 = true;
    };

    explicit ÇalışmaKitabı(const QString& sayfaAdı = QStringLiteral("Sayfa1"));

    void sayfaAdıKoy(const QString& ad) { sayfaAdı_ = ad; }
    const QString& sayfaAdı() const { return sayfaAdı_; }

    void metinYaz(int satır, int sütun, const QString& metin);
    void sayıYaz(int satır, int sütun, double sayı);
    // A number shown in the Turkish format ("1.234,50") goes in as that number;
    // a text that is not a number leaves the cell empty.
    void sayıMetniYaz(int satır, int sütun, const QString& metin);
    Biçim& hücreBiçimi(int satır, int sütun);
    Biçim& satırBiçimi(int satır);
    void birleştir(int ilkSatır, int ilkSütun, int sonSatır, int sonSütun);
    void satırYüksekliğiKoy(int satır, double punto);
    void sütunGenişliğiKoy(int sütun, double karakter);
    SayfaDüzeni& düzen() { return düzen_; }

    // Writes "<kök>.xlsx" (or "<kök> (2).xlsx" and so on, never over a file) in
    // the documents folder and returns its path. Throws DeporaHatası
    // (ÇalışmaKitabıHatası) when the file could not be written whole.
    QString kaydet(const QString& kök);
    // Drops the half-built sheet: nothing is ever written.
    void bırak();
    bool bırakıldı() const { return bırakıldı_; }

private:
    struct Hücre {
        std::variant<std::monostate, QString, double> değer;
        Biçim biçim;
    };
    void yaz(const QString& yol) const;

    QString sayfaAdı_;
    std::map<std::pair<int, int>, Hücre> hücreler_;
    std::map<int, Biçim> satırBiçimleri_;
    std::map<int, double> satırYükseklikleri_;
    std::map<int, double> sütunGenişlikleri_;
    std::map<std::pair<int, int>, std::pair<int, int>> birleşimler_;  // first cell -> last cell
    SayfaDüzeni düzen_;
    bool bırakıldı_ = false;
};

// Opens a written workbook with the desktop's handler for .xlsx; false when none took it.
bool ÇalışmaKitabınıAç(const QString& yol);
