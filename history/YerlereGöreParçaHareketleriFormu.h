#pragma once
// What the two movement lists by counterpart share: the receipts from one
// supplier and the issues to one receiving place. A list box holds every
// counterpart found in the movement table; picking one (or finding it by its
// first letters) lists its movements of all years through the list-building
// progress window; the list is printed as a paged table or exported to a
// workbook. The two windows differ only in what their Tanım says.
#include "shell/ListeDenetimi.h"

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Yazıcı;

class YerlereGöreParçaHareketleriFormu : public QDialog {
public:
    // How a stored value becomes the text of its cell.
    enum class Alan {
        Metin,    // text as stored, empty for Null
        Tarih,    // "dd.MM.yyyy"
        Miktar,   // a quantity with two decimals, "1.234,50"
        Tutar,    // an amount (ten-thousandths) with two decimals
        Numara,   // a whole number as text
        ArşivNo,  // a whole number as text, "0" for Null
    };
    struct Sütun {
        QString başlık;
        int genişlikTwips;
        SütunTürü tür;           // how a header click sorts it
        bool sağa;               // right-aligned on screen
        QString alan;            // its column in the movement query
        Alan biçim;
        double yazdırmaX;        // millimetres on paper
        bool yazdırmadaSağa;     // printed ending at its heading's right end
        bool çalışmaKitabındaSayı;  // written into the workbook as a number
    };
    // Everything in which the two windows differ.
    struct Tanım {
        QString pencereAdı;       // class and object name
        QString başlık;           // caption
        QString listeAdı;         // the counterpart list box
        QString listeEtiketi;
        QString tablo;            // the movement table
        QString yerAlanı;         // its counterpart column
        std::vector<Sütun> sütunlar;
        int listeNo;              // layout "Listeler\Liste-N"
        QString listeTag;         // ListeOluşturuluyorFormu: the load
        QString aktarmaTag;       //   and the export
        int yazdırmaKodu;         // YazdırılıyorFormu
        QString başlıkEki;        // title = counterpart + this
        QString sayfaAdı;         // the workbook's sheet
        bool sayfayıGenişliğeSığdır;  // the sheet printed one page wide
    };

    // Called back by ListeOluşturuluyorFormu: fills HareketListesi with the
    // movements of the selected counterpart, moving its progress bar.
    void HareketleriYükle();
    // Called back by YazdırılıyorFormu: prints HareketListesi under the title.
    void Yazdır();
    // Called back by ListeOluşturuluyorFormu: writes HareketListesi into a
    // workbook, saves it under the documents folder and opens it.
    void MSExceleAktar();

    void YazdırDüğmesi_Click();
    void ListeyiMSExceleAktarDüğmesi_Click();

    // The text of the selected counterpart; empty when none is selected.
    QString seçiliYer() const;
    const Tanım& tanım() const { return tanım_; }

    // 0 the counterpart list's label, 1 "Bul :", 2 "Hareketler", 3 the count.
    std::array<QLabel*, 4> Etiket{};
    QLineEdit* BulKutusu;
    ListeDenetimi* HareketListesi;
    QPushButton* YazdırDüğmesi;
    QPushButton* ListeyiMSExceleAktarDüğmesi;
    QPushButton* KapatDüğmesi;

protected:
    YerlereGöreParçaHareketleriFormu(Tanım tanım, QWidget* sahip);

    // Registers the three call-backs of window class P under its Tag and code.
    template <class P>
    static void YordamlarıKaydet(const Tanım& t);

    // The list box's Click: lists the selected counterpart's movements.
    void YerlerListesi_Click();

    QListWidget* yerlerListesi_;

private:
    static void yordamlarıKaydet(const Tanım& t, void (*yükle)(QWidget*), void (*aktar)(QWidget*),
                                 void (*yazdır)(QWidget*));
    void BulKutusu_Change();
    void yerleriDoldur();
    void başlıklarıYaz(Yazıcı& y) const;

    Tanım tanım_;
};

template <class P>
void YerlereGöreParçaHareketleriFormu::YordamlarıKaydet(const Tanım& t) {
    yordamlarıKaydet(
        t, [](QWidget* w) { if (auto* p = dynamic_cast<P*>(w)) p->HareketleriYükle(); },
        [](QWidget* w) { if (auto* p = dynamic_cast<P*>(w)) p->MSExceleAktar(); },
        [](QWidget* w) { if (auto* p = dynamic_cast<P*>(w)) p->Yazdır(); });
}
