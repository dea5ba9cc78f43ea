#pragma once
// The count sheet of one brand code: every part of the code with its stock on
// hand over all years, either the parts that still have stock or those whose
// stock has run out, sorted as the user likes and printed.
#include "shell/ListeDenetimi.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class SayımCetveliFormu : public QDialog {
public:
    explicit SayımCetveliFormu(QWidget* sahip = nullptr);

    // Prints the list (YazdırılıyorFormu calls it with the print code 2).
    void Yazdır();
    // Fills the list with the parts of the selected code (ListeOluşturuluyorFormu
    // calls it with the Tag "2").
    void Listele();

    void KodListesi_Click();
    void BulDüğmesi_Click();
    void MevcuduKalmayanlarıListeleSeçeneği_Click();
    void YazdırDüğmesi_Click();

    std::array<QLabel*, 3> Etiket{};
    QListWidget* KodListesi;
    QLineEdit* BulKutusu;
    QPushButton* BulDüğmesi;
    ListeDenetimi* ParçaBilgileriListesi;
    QCheckBox* MevcuduKalmayanlarıListeleSeçeneği;
    QPushButton* YazdırDüğmesi;
    QPushButton* KapatDüğmesi;

    // Columns of ParçaBilgileriListesi (0-based).
    enum Sütun { SıraNoSütunu, NosuSütunu, AdıSütunu, BirimiSütunu, MevcuduSütunu, AmbarYeriSütunu };
    static constexpr int ListeNo = 6;
    static constexpr int YazdırmaKodu = 2;
};
