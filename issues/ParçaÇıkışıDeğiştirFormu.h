#pragma once
// Changes one stored issue movement: its quantity, its place, or both. A changed
// quantity is checked against the stock and re-priced at the average cost of the
// part's stock without this movement; an unchanged quantity keeps the amount.
// Opened only by the part movements window, which fills the boxes and
// DeğiştirilecekHareketNo / SeçiliSıra first.
#include <QDialog>
#include <array>

class ParçaHareketleriFormu;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class ParçaÇıkışıDeğiştirFormu : public QDialog {
public:
    // hareketler: the window reloaded after a save (may be null). The place list
    // holds the remembered places once this returns.
    explicit ParçaÇıkışıDeğiştirFormu(ParçaHareketleriFormu* hareketler);

    void KaydetDüğmesi_Click();

    std::array<QLabel*, 4> Etiket{};
    QGroupBox* Çerçeve;
    QWidget* Altlık;  // the frame's backing panel
    QLineEdit* FişNoKutusu;
    QLineEdit* TarihiKutusu;
    QLineEdit* MiktarıKutusu;
    QComboBox* VerilecekYerKutusu;
    QPushButton* KaydetDüğmesi;
    QPushButton* KapatDüğmesi;

    static inline const QString YerBölümü = QStringLiteral("Listelenecekler\\Verilecek Yer");

private:
    ParçaHareketleriFormu* hareketler_;
};
