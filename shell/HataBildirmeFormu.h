#pragma once
// The error-report window: one link opens the maker's error-report page for
// this product, the other a new mail to the maker.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class WebEtiketi;

class HataBildirmeFormu : public QDialog {
public:
    explicit HataBildirmeFormu(QWidget* sahip = nullptr);

    void WebEtiketi_Click();
    void EPostaEtiketi_Click();
    void TamamButonu_Click();

    QLabel* SimgeKutusu;
    ::WebEtiketi* WebEtiketi;
    ::WebEtiketi* EPostaEtiketi;
    QPushButton* TamamButonu;
    QGroupBox* Çerçeve;
    QLabel* Etiket;
    QWidget* Altlık;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void Form_Load();
    void Form_Activate();
    // The mouse over one link underlines it and takes the underline off the other.
    void üzerinde(::WebEtiketi* bu, ::WebEtiketi* öbürü);
};
