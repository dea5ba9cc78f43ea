#pragma once
// A numeric box with up and down buttons between a lower and an upper limit,
// with an optional unit text after the number. Typing takes digits only; a
// number outside the limits is refused when the box is left ("Hatalı değer!")
// and replaced by the nearer limit.
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

class AyarliKutu : public QWidget {
public:
    explicit AyarliKutu(QWidget* üst = nullptr);

    QString Text() const;
    void setText(const QString& metin);
    int Value() const { return değer_; }
    void setValue(int değer);
    int EnYuksek() const { return enYüksek_; }
    void setEnYuksek(int sınır);
    int EnDusuk() const { return enDüşük_; }
    void setEnDusuk(int sınır);
    QString Birim() const { return birim_; }
    void setBirim(const QString& birim) { birim_ = birim; }
    // The most characters that may be typed (6 unless set).
    void setMaxLength(int uzunluk);

    // Raised whenever the text changes, by the user or by code.
    std::function<void()> Change;

    QLineEdit* DeğerKutusu;
    QWidget* DeğerDeğiştirDüğmesi;  // the up and down buttons
    QToolButton* ArtırDüğmesi;
    QToolButton* AzaltDüğmesi;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void DeğerKutusu_Change();
    bool DeğerKutusu_Validate();
    void düğmeyleDeğiştir(int fark);
    void değeriGöster();
    int yazılanSayı() const;

    int değer_ = 0;
    int enDüşük_ = 0;
    int enYüksek_ = 10;
    QString birim_;
    int enÇokUzunluk_ = 6;
};
