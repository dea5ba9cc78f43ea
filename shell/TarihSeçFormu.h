#pragma once
// The start and end date of the material sheets. Opens with 1 January and
// 31 December of the current year; Tamam takes two dates at least one day
// apart. The dialog closes before the sheet opens: the sheet's opener asks
// with Sor() and then opens the sheet with the two dates.
#include <QDate>
#include <QDialog>
#include <optional>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TarihSeçFormu : public QDialog {
public:
    explicit TarihSeçFormu(QWidget* sahip = nullptr);

    // Shows the dialog modally; the two dates, or nothing when it was cancelled.
    static std::optional<std::pair<QDate, QDate>> Sor(QWidget* sahip);

    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

    // After Tamam.
    QDate BaşlamaTarihi() const { return başlama_; }
    QDate BitişTarihi() const { return bitiş_; }

    QGroupBox* Çerçeve;
    QWidget* Altlık;
    QLabel* Etiket[2];
    QLineEdit* BaşlamaTarihiKutusu;
    QLineEdit* BitişTarihiKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;

private:
    void Form_Load();
    QDate başlama_, bitiş_;
};
