#pragma once
// What the two voucher signatories dialogs share. Each signatory is an editable
// drop-down box: its current value lives in the dialog's settings section, and
// up to ten earlier values are remembered in a section of its own below
// "Fis Bilgileri\". The boxes are filled when the dialog is made; entering a box
// colours its label, Enter moves on, leaving trims and capitalises the text
// (person names get their surname in capitals). "Tamam" checks the boxes in
// order, remembers the new names, saves every current value and closes;
// "İptal (Esc)" closes without writing.
#include <QDialog>
#include <QString>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// A remembered-names list: its section and its key prefix (ending in "-").
struct HatırlananListe {
    QString bölüm;
    QString önek;
};
inline const HatırlananListe AmbarMemurlarıListesi{QStringLiteral("Fis Bilgileri\\Ambar Memurlari"),
                                                   QStringLiteral("Ambar Memuru-")};
inline const HatırlananListe AyniyatSaymanlarıListesi{QStringLiteral("Fis Bilgileri\\Ayniyat Saymanlari"),
                                                      QStringLiteral("Ayniyat Saymani-")};

// Remembers a confirmed name. Nothing happens when it is empty, when the section
// already holds it (letter case ignored) or when the section holds more than ten
// names. Below ten it takes the next number; with ten it becomes number 1, the
// others move down one and number 10 is dropped. The section is read afresh, so
// several boxes (or both dialogs) that share it never store a name twice nor
// leave a gap.
void HatırlananAdlaraEkle(const QString& ad, const HatırlananListe& liste);

class İmzaFormu : public QDialog {
public:
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();
    // True when every box holds a text (as loaded from the saved values).
    bool BilgilerTamam() const;

    std::vector<QGroupBox*> Çerçeve;
    std::vector<QWidget*> Altlık;
    std::vector<QLabel*> Etiket;  // one per box, in tab order
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* İptalDüğmesi = nullptr;

protected:
    enum class Kural { BaşHarfler, KişiAdı };
    struct Alan {
        QString etiket;      // caption label
        QString adı;         // the box's name
        Kural kural;
        QString anahtar;     // current value key in the dialog's section
        HatırlananListe liste;
        QString boşMesajı;
        QString soyadıMesajı;  // person names only
    };

    // Where the controls stand, in twips: the client area, the frames' column, the
    // panel inside each frame, the labels (right-aligned, ending at etiketSonu) and
    // boxes inside a panel, and the two buttons.
    struct Yerleşim {
        int genişlik, yükseklik;
        int çerçeveSol, çerçeveGenişlik;
        int altlıkSol, altlıkÜst;
        int etiketSonu, kutuSol, kutuGenişlik;
        int düğmeSol, tamamÜst, iptalÜst;
    };

    İmzaFormu(QWidget* sahip, const QString& başlık, const QString& ayarBölümü, const Yerleşim& yerleşim);
    // A new frame at this top and height; the following boxes go into it.
    void çerçeveEkle(const QString& başlık, int üst, int yükseklik);
    // A box and its label at this top of the current frame's panel.
    QComboBox* alanEkle(const Alan& alan, int üst);
    // After the last box: lays out the buttons and fills the boxes.
    // kayıtSırası: the order in which the current values are saved (box
    // positions); empty means tab order.
    void bitir(std::vector<int> kayıtSırası = {});

private:
    struct Kutu {
        Alan alan;
        QComboBox* kutu;
    };
    void yükle();

    QString ayarBölümü_;
    Yerleşim yerleşim_;
    std::vector<Kutu> kutular_;
    std::vector<int> kayıtSırası_;
};
