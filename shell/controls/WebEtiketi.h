#pragma once
// A one-line hyperlink label: shows its caption with a hand pointer, sizes
// itself around it with a 30-twip margin, raises MouseMove for its host and on a
// click opens Url with the desktop's handler. The host changes the look on
// hover itself (FontUnderline, AktifRenk). PasifRenk and RenkDeğiştir are only kept.
#include <QColor>
#include <QFont>
#include <QVariantMap>
#include <QWidget>
#include <functional>

class QLabel;

class WebEtiketi : public QWidget {
public:
    explicit WebEtiketi(QWidget* üst = nullptr);

    // Properties: the getter and the setter share the name.
    QString Caption() const;
    void Caption(const QString& metin);  // lays the control out again
    bool FontUnderline() const;
    void FontUnderline(bool altıÇizili);
    QColor ForeColor() const;
    void ForeColor(const QColor& renk);
    QFont Font() const;
    void Font(const QFont& yazıTipi);
    QColor PasifRenk() const { return pasifRenk_; }
    void PasifRenk(const QColor& renk) { pasifRenk_ = renk; }
    QColor AktifRenk();  // reading it also gives the caption that colour
    void AktifRenk(const QColor& renk);
    QString Url() const { return url_; }
    void Url(const QString& adres) { url_ = adres; }
    bool RenkDeğiştir() const { return renkDeğiştir_; }
    void RenkDeğiştir(bool evet) { renkDeğiştir_ = evet; }

    // The saved properties, keyed by property name; missing keys take the defaults.
    QVariantMap ÖzellikleriYaz() const;
    void ÖzellikleriOku(const QVariantMap& torba);

    // Raised whenever the mouse moves over the caption: buttons, modifiers and the
    // position in twips from the caption's corner.
    std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)> MouseMove;

    QLabel* Etiket;

    static QColor VarsayılanAktifRenk() { return {0, 0, 255}; }
    static QColor VarsayılanPasifRenk() { return {128, 64, 64}; }

private:
    void UserControl_Resize();
    void Etiket_Click();

    QColor aktifRenk_ = VarsayılanAktifRenk();
    QColor pasifRenk_ = VarsayılanPasifRenk();
    bool renkDeğiştir_ = false;
    QString url_;
};
