#pragma once
// Adds superseded numbers or links to one part, one number after another.
// Idle: the entry disabled, "&Yeni No Ekle" / "Kapat (Esc)"; entry: the entry
// enabled, "Kaydet" / "Vazgeç". The caller sets the caption, opens the entry
// state with EkleKaydetDüğmesi_Click and runs the dialog.
#include <QDialog>
#include <QString>
#include <cstdint>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class NoEkleFormu : public QDialog {
public:
    enum class Tür { DeğişenNo, BağlantıNo };

    // parçaNo: the part the numbers belong to; parçaNosu: its number as the part
    // window's number box holds it; parçaAdı: its name as the part list shows it.
    NoEkleFormu(Tür tür, std::int64_t parçaNo, const QString& parçaNosu, const QString& parçaAdı,
                QWidget* sahip = nullptr);

    void EkleKaydetDüğmesi_Click();
    void KapatVazgeçDüğmesi_Click();

    QWidget* Altlık = nullptr;
    QLabel* Etiket = nullptr;
    QLineEdit* NoEkleKutusu = nullptr;
    QPushButton* EkleKaydetDüğmesi = nullptr;
    QPushButton* KapatVazgeçDüğmesi = nullptr;

protected:
    void keyPressEvent(QKeyEvent* olay) override;

private:
    enum class Sonra { Kal, Boşta };  // after a Kaydet: stay in the entry, or idle with the box emptied
    struct BağlıParça {
        std::int64_t no = 0, kodu = 0;
        QString adı;
    };
    void boştaDurumunaDön();
    void kal();
    void boşalt();
    BağlıParça bağlanacakParça(const QString& no, Sonra& sonra);
    void sakla(const QString& no);

    Tür tür_;
    std::int64_t parçaNo_;
    QString parçaNosu_;
    QString parçaAdı_;
};
