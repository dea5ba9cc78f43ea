#pragma once
// The About box: the program's title, version and legal notice, the computer's
// registered owner and organisation, and a link to the maker's home page.
#include <QDialog>

class QFrame;
class QLabel;
class WebEtiketi;

class HakkındaFormu : public QDialog {
public:
    explicit HakkındaFormu(QWidget* sahip = nullptr);

    // Opens the maker's home page; errors are ignored.
    void ORVELTAEtiketi_Click();

    QLabel* SimgeKutusu;
    QLabel* Etiket[3];
    QLabel* KullanıcıAdıEtiketi;
    QLabel* KuruluşAdıEtiketi;
    WebEtiketi* ORVELTAEtiketi;
    QWidget* Altlık;
    QFrame* Kenarlık;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void Form_Load();
    void Form_Activate();
};
