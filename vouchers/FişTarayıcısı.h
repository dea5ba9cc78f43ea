#pragma once
// What the receipt and the issue voucher browsers share: the tree of the
// listed year's vouchers under their brand codes (printed or not), the lines
// and the total of the voucher clicked, the archive-year choice, the print
// command that marks a voucher printed, the signatory values read at each
// activation, and the number and date change buttons.
//
// Tree positions: the nodes are numbered from 1 in the order they were added,
// the brand-code nodes first (ascending code; key "<code>-K", text the code),
// then the voucher nodes under them (text "<number> No 'lu Fiş", the
// voucher's ordinal within its brand code in Qt::UserRole). Removing a node
// closes the gap.
#include "platform/SayıTarih.h"
#include "shell/ListeDenetimi.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The fixed differences between the two browsers.
struct FişTürü {
    int kod;                          // 0 receipt, 1 issue: the print code and the change dialog's kind
    const char16_t* tablo;            // the movement table
    const char16_t* pencereAdı;       // the window's objectName
    const char16_t* başlık;           // caption in the working year
    const char16_t* arşivBaşlığı;     // caption in archive mode
    const char16_t* listeAdı;         // objectName of the lines list
    const char16_t* listeEtiketi;     // caption of Etiket(2)
    const char16_t* tarihDüğmesi;     // caption of FişTarihiDeğiştirDüğmesi
    int listeNo;                      // layout section "Listeler\Liste-N"
    // The column that differs: the SQL expression and its place among the seven.
    const char16_t* ekSütun;
    int ekSütunYeri;
    struct Sütun {
        const char16_t* başlık;
        int twips;
        SütunTürü tür;
        Qt::Alignment hiza;
    };
    std::array<Sütun, 7> sütunlar;
};

class FişTarayıcısı : public QDialog {
public:
    // Rebuilds the tree of the listed year: the vouchers whose rows are marked
    // printed when YazdırılanlarıGösterOnayı is ticked, else the unprinted
    // ones. Empties the lines and the header; selects and expands nothing.
    void YazdırılanlarıGösterOnayı_Click();
    // Shows the voucher of a voucher node (lines, total, header; SeçiliFişNo),
    // or empties the panel for a brand-code node. The ordinal beside the number
    // comes from the tree's current node: callers select the node first.
    void FişListesi_NodeClick(QTreeWidgetItem* düğüm);
    // Prints the voucher shown (called by YazdırılıyorFormu).
    virtual void Yazdır() = 0;

    void YılListesiKutusu_Click();
    void FişListesi_Collapse(QTreeWidgetItem* düğüm);
    void DiğerFişBilgileriniGösterDeğiştirDüğmesi_Click();
    void FişiYazdırDüğmesi_Click();
    void FişNoDeğiştirDüğmesi_Click();
    void FişTarihiDeğiştirDüğmesi_Click();
    // Each time the window becomes active: copy count and signatories from the
    // settings, DiğerBilgilerTamam worked out anew.
    void Form_Activate();

    // Nodes by position (from 1); nullptr outside.
    QTreeWidgetItem* Düğüm(int konum) const;
    int DüğümKonumu(const QTreeWidgetItem* düğüm) const;  // 0 when not in the tree
    int DüğümSayısı() const { return static_cast<int>(düğümler_.size()); }

    // The voucher shown, its lines counted and summed (the print layouts count again).
    int SıraNo = 0;
    Para ListeToplamı;

    std::array<QLabel*, 10> Etiket{};  // 0, 1, 2 here; the receipt window adds 9
    std::array<QWidget*, 3> Altlık{};  // 0 the archive-year panel; 1 (and 2) the header
    QTreeWidget* FişListesi;
    QCheckBox* YazdırılanlarıGösterOnayı;
    QComboBox* YılListesiKutusu;
    QLineEdit* FişNoKutusu;
    QLineEdit* ListeToplamıKutusu;
    QPushButton* FişNoDeğiştirDüğmesi;
    QPushButton* FişTarihiDeğiştirDüğmesi;
    QPushButton* DiğerFişBilgileriniGösterDeğiştirDüğmesi;
    QPushButton* FişiYazdırDüğmesi;
    QPushButton* KapatDüğmesi;

protected:
    FişTarayıcısı(QWidget* sahip, const FişTürü& tür);

    // The derived window's constructor ends with this, once its own header
    // boxes (laid out in başlıkDüzeni) exist: caption and mode from ArşivModu,
    // the first tree, the list layout.
    void Form_Load();

    // The derived window's header boxes.
    virtual void başlığıBoşalt() = 0;
    // Fills the header boxes from the voucher's first row in the listed year.
    virtual void başlığıOku() = 0;
    virtual QString tarihMetni() const = 0;
    // Its checks before the printer choice (the receipt's method of acquisition).
    virtual bool yazdırmayaHazırMı() { return true; }
    // Reads the signatory values and the copy count; true when every signatory is filled.
    virtual bool imzalarıOku() = 0;
    virtual void diğerBilgileriGöster() = 0;

    void showEvent(QShowEvent* olay) override;
    void changeEvent(QEvent* olay) override;

    // A read-only header box.
    static QLineEdit* saltOkunurKutu(const QString& ad, QWidget* üst);
    // The lines of the voucher shown, cells by column index.
    std::vector<QStringList> satırlar() const;
    // The brand code of the voucher shown: the text of the current node's parent.
    QString markaKodu() const;
    // The row filter of the listed year: "<F>=? AND Tarihi BETWEEN ? AND ?" and its values.
    QString fişKoşulu(const QString& önek = QString()) const;
    QVariantList fişDeğerleri() const;

    const FişTürü& tür_;
    ListeDenetimi* bilgiListesi_;
    QGridLayout* başlıkDüzeni;  // the header panel Altlık(1)

private:
    void düğümEkle(QTreeWidgetItem* düğüm, QTreeWidgetItem* üst);
    void düğümüSil(QTreeWidgetItem* düğüm);
    void ağacıBoşalt();
    void panelleriBoşalt();
    // After a print from the unprinted list: the voucher (and its brand code
    // when it was the last) out of the tree, the selection moved on.
    void basılanıAğaçtanÇıkar();
    // The number (or date) change of the voucher shown, then the window refreshed.
    void değiştir(bool fişNo);
    // After a renumbering: the tree rebuilt, the voucher's brand code selected and opened again.
    void ağacıYenileVeMarkayıSeç();

    std::vector<QTreeWidgetItem*> düğümler_;
    bool tuşlaSeçiliyor_ = false;  // a key pressed in the tree is being handled
};

// Fills the year list with the archived years, ascending, none chosen.
void ArşivYıllarınıKoy(FişTarayıcısı& pencere);

// The openers of the main window: ArşivModu as the caller set it; in archive
// mode the year list holds the archived years before the window is shown.
template <class Pencere>
void FişPenceresiniAç(QWidget* sahip, bool arşivModu) {
    Pencere pencere(sahip);
    if (arşivModu) ArşivYıllarınıKoy(pencere);
    pencere.exec();
}
