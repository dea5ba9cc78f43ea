#pragma once
// The one list control of the program's multi-column lists: a table view over
// rows of cell texts, each row with a key of its own (a movement number, a part
// number). Columns are classed as text, number or date for sorting. The column
// layout (display position and width in twips) is kept in the settings section
// "Listeler\Liste-N". A header click sorts by the program-wide sort state
// (SıralananSütun, SıralamaYönü, SayısalSıralama) and shows the arrow.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <QVariant>
#include <functional>
#include <vector>

enum class SütunTürü { Metin, Sayı, Tarih };

struct ListeSatırı {
    QStringList hücreler;
    QVariant anahtar;
};

class ListeModeli : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(satırlar.size()); }
    int columnCount(const QModelIndex& = {}) const override { return static_cast<int>(başlıklar.size()); }
    QVariant data(const QModelIndex& i, int rol) const override;
    QVariant headerData(int bölüm, Qt::Orientation yön, int rol) const override;

    void sıfırla(std::vector<ListeSatırı> yeni);
    void ekle(ListeSatırı satır);
    void sil(int satır);
    void hücreyiYaz(int satır, int sütun, const QString& metin);
    void yenidenDiz(std::vector<ListeSatırı> dizili);  // same rows, new order
    // Puts the rows in a new order: sıra[i] is the old place of the row that
    // goes to place i. The selection and the current row follow their rows.
    void sırayıUygula(const std::vector<int>& sıra);
    void sütunEkle(const QString& başlık, Qt::Alignment hiza);
    // Rows given by their values: no text is made until a cell is shown or read.
    void sıfırla(std::vector<QVariantList> değerler, std::function<QString(int sütun, const QVariant&)> biçim);
    // A cell's text, made from the row's values when it has no texts yet.
    QString hücreMetni(int satır, int sütun) const;
    // Makes the texts of every row still held as values (printing, the workbook).
    void hepsiniBiçimle() const;

    // A row put in by its values has empty hücreler and its values in değerler
    // (the same length as satırlar, or empty when every row has its texts).
    mutable std::vector<ListeSatırı> satırlar;
    mutable std::vector<QVariantList> değerler;
    std::function<QString(int sütun, const QVariant&)> biçim;
    QStringList başlıklar;
    std::vector<Qt::Alignment> hizalar;
    int okluSütun = -1;
    int okYönü = 0;
};

class ListeDenetimi : public QTableView {
public:
    explicit ListeDenetimi(QWidget* üst = nullptr);

    // Adds a column; width in twips (15 to a pixel). Returns its index from 0.
    int sütunEkle(const QString& başlık, int genişlikTwips, SütunTürü tür = SütunTürü::Metin,
                  Qt::Alignment hizalama = Qt::AlignLeft);
    int sütunSayısı() const { return model_->columnCount(); }
    // A column's caption, changed after the list is built.
    void sütunBaşlığıYaz(int sütun, const QString& başlık);
    SütunTürü sütunTürü(int sütun) const { return türler_.at(sütun); }
    // The caption as added (without the sort arrow) and the width in twips as the user left it.
    QString sütunBaşlığı(int sütun) const { return model_->başlıklar.value(sütun); }
    int sütunGenişliğiTwips(int sütun) const;

    // The whole layout protocol of list N, for its window to call once its columns
    // are added: restores the layout now and saves it whenever the window closes
    // (any way: a button, Esc, the frame); lists 1 to 7 also take their grid lines
    // from the preference each time the window is shown or becomes active.
    void düzeniBağla(int listeNo);
    // Restores each column's display position and width from "Listeler\Liste-N"
    // (keys "Konum-i", the position counted from 1, and "Genislik-i" in twips,
    // i from 1; missing keys keep the design).
    void düzeniYükle(int listeNo);
    // Writes the current positions and widths there.
    void düzeniKaydet(int listeNo);
    // Header clicks sort (lists 3 to 10); off for the pending lists.
    void sıralanabilirYap(bool evet);
    // A list that keeps its text sort, as a sorted list view does: after a click
    // on a text column its order stays in force and the rows put in later by
    // satırlarıKoy come in that order; a date or number click switches it off.
    void metinSıralamasıKalıcıYap(bool evet) { metinSıralamasıKalıcı_ = evet; }
    // Grid lines as the preference says (lists 1 to 7, on each activation).
    void çizgileriUygula();

    // Rows.
    int satırEkle(const QStringList& hücreler, const QVariant& anahtar = {});
    void satırlarıKoy(std::vector<ListeSatırı> satırlar);  // fills in one go
    // Fills in one go with rows of values (no keys); biçim makes a cell's text from
    // its column and value when the cell is shown or read. A list of many thousand
    // rows shows a screenful: the rest are never made into texts unless printed.
    void satırlarıDeğerlerleKoy(std::vector<QVariantList> değerler,
                                std::function<QString(int sütun, const QVariant&)> biçim);
    void temizle();
    void satırSil(int satır);
    int satırSayısı() const { return model_->rowCount(); }
    QString hücre(int satır, int sütun) const;
    void hücreYaz(int satır, int sütun, const QString& metin);
    QVariant anahtar(int satır) const;
    const std::vector<ListeSatırı>& satırlar() const {
        model_->hepsiniBiçimle();
        return model_->satırlar;
    }

    int seçiliSatır() const;  // -1 when none
    void satırSeç(int satır);  // -1 clears; scrolls into view

    // The header click: sorts as the column's class says, by the program-wide
    // state (the same column number as the last sort anywhere toggles the
    // direction), and shows the arrow. Errors are ignored.
    void başlığaTıkla(int sütun);
    // Sorts the rows by column SıralananSütun read as dates (SayısalSıralama 0)
    // or numbers (1), ascending when SıralamaYönü is 0. A cell that is empty or
    // not a date or number counts as the earliest date or 0.
    void ListeyiSırala();
    // Shows the arrow of SıralamaYönü on the header of the given column only and
    // scrolls the selected row into view.
    void SütunBaşlığınaOkKoy(int sütun);

    // Events.
    std::function<void(int satır)> satırSeçildi;
    std::function<void(int satır)> çiftTıklandı;

    ListeModeli* model() const { return model_; }

protected:
    bool event(QEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;

private:
    void metinleSırala(int sütun, bool azalan);
    ListeModeli* model_;
    std::vector<SütunTürü> türler_;
    std::vector<int> tasarımGenişlikleri_;
    bool sıralanabilir_ = false;
    bool metinSıralamasıKalıcı_ = false;
    int metinSıralamaSütunu_ = -1;  // the text sort in force: its column (-1 none) and direction
    bool metinSıralamasıAzalan_ = false;
    int listeNo_ = 0;
};

// The row comparison of a sort: dates (0) or numbers (1) by SayısalSıralama; an
// empty or unreadable cell is the earliest date or 0. Negative, 0, positive.
int ListeHücreleriniKarşılaştır(const QString& a, const QString& b, int sayısal);
