#pragma once
// Chooses which part a link number means when parts of several brand codes carry
// it: one row per part, its brand code as text and its ParcaNo as the row's data.
#include <QDialog>
#include <cstdint>

class QLabel;
class QListWidget;
class QPushButton;
class QString;
class QWidget;

class BağlantıNoİçinKodSeçFormu : public QDialog {
public:
    explicit BağlantıNoİçinKodSeçFormu(QWidget* sahip = nullptr);

    void KodEkle(const QString& kodu, std::int64_t parçaNo);
    void TamamDüğmesi_Click();
    void VazgeçDüğmesi_Click();

    // The chosen part; 0 when the choice was cancelled or the window closed.
    std::int64_t SeçilenParçaNo = 0;

    QWidget* Altlık = nullptr;
    QLabel* Etiket = nullptr;
    QListWidget* KodListesi = nullptr;
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* VazgeçDüğmesi = nullptr;
};
