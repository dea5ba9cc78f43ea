#include "shell/controls/AyarliKutu.h"

#include "platform/MesajKapısı.h"
#include "shell/GirişDavranışları.h"
#include "shell/Twip.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QToolButton* okDüğmesi(QWidget* üst, const QString& ad, Qt::ArrowType yön) {
    auto* d = new QToolButton(üst);
    d->setObjectName(ad);
    d->setArrowType(yön);
    d->setFocusPolicy(Qt::NoFocus);
    d->setAutoRepeat(true);
    d->setFixedSize(17, 11);
    return d;
}
}  // namespace

AyarliKutu::AyarliKutu(QWidget* üst) : QWidget(üst) {
    DeğerKutusu = new QLineEdit(this);
    DeğerKutusu->setObjectName(QStringLiteral("DeğerKutusu"));
    DeğerDeğiştirDüğmesi = new QWidget(this);
    DeğerDeğiştirDüğmesi->setObjectName(QStringLiteral("DeğerDeğiştirDüğmesi"));
    ArtırDüğmesi = okDüğmesi(DeğerDeğiştirDüğmesi, QStringLiteral("ArtırDüğmesi"), Qt::UpArrow);
    AzaltDüğmesi = okDüğmesi(DeğerDeğiştirDüğmesi, QStringLiteral("AzaltDüğmesi"), Qt::DownArrow);
    auto* oklar = new QVBoxLayout(DeğerDeğiştirDüğmesi);
    oklar->setContentsMargins(0, 0, 0, 0);
    oklar->setSpacing(0);
    oklar->addWidget(ArtırDüğmesi);
    oklar->addWidget(AzaltDüğmesi);
    auto* düzen = new QHBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    düzen->setSpacing(1);
    düzen->addWidget(DeğerKutusu, 1);
    düzen->addWidget(DeğerDeğiştirDüğmesi);
    setFocusProxy(DeğerKutusu);
    setMinimumWidth(TwiptenPiksel(500));

    Giriş::EtiketliAlan(DeğerKutusu, nullptr);
    Giriş::YalnızRakam(DeğerKutusu);
    Giriş::EnterİleSonraki(DeğerKutusu);
    Giriş::AyrılıncaDenetle(DeğerKutusu, [this] { return DeğerKutusu_Validate(); });
    DeğerKutusu->installEventFilter(this);
    connect(DeğerKutusu, &QLineEdit::textChanged, this, [this] { DeğerKutusu_Change(); });
    connect(ArtırDüğmesi, &QToolButton::clicked, this, [this] { düğmeyleDeğiştir(1); });
    connect(AzaltDüğmesi, &QToolButton::clicked, this, [this] { düğmeyleDeğiştir(-1); });
}

QString AyarliKutu::Text() const { return DeğerKutusu->text(); }
void AyarliKutu::setText(const QString& metin) { DeğerKutusu->setText(metin); }

void AyarliKutu::setValue(int değer) {
    değer_ = std::clamp(değer, enDüşük_, std::max(enDüşük_, enYüksek_));
    değeriGöster();
}

void AyarliKutu::setEnYuksek(int sınır) {
    enYüksek_ = sınır;
    if (değer_ > sınır) setValue(sınır);
}

void AyarliKutu::setEnDusuk(int sınır) {
    enDüşük_ = sınır;
    if (değer_ < sınır) setValue(sınır);
}

void AyarliKutu::setMaxLength(int uzunluk) { enÇokUzunluk_ = uzunluk; }

// The number at the start of the text; 0 when it starts with none.
int AyarliKutu::yazılanSayı() const {
    const QString metin = DeğerKutusu->text().trimmed();
    qsizetype n = 0;
    while (n < metin.size() && metin[n].isDigit()) ++n;
    bool tamam = false;
    const long long sayı = metin.left(n).toLongLong(&tamam);
    if (!tamam) return 0;
    return static_cast<int>(std::min<long long>(sayı, 1'000'000'000));
}

void AyarliKutu::değeriGöster() {
    DeğerKutusu->setText(QString::number(değer_) + birim_);
    if (DeğerKutusu->hasFocus()) DeğerKutusu->selectAll();
}

void AyarliKutu::DeğerKutusu_Change() {
    if (DeğerKutusu->text().isEmpty()) {
        DeğerKutusu->setText(QStringLiteral("0"));  // comes back here
        DeğerKutusu->selectAll();
        return;
    }
    const int sayı = yazılanSayı();
    if (sayı >= enDüşük_ && sayı <= enYüksek_) değer_ = sayı;
    if (Change) Change();
}

bool AyarliKutu::DeğerKutusu_Validate() {
    const int sayı = yazılanSayı();
    if (sayı > enYüksek_ || sayı < enDüşük_) {
        MesajGöster(QStringLiteral("Belirlediğiniz değer, %1 ile %2 arasında olmalıdır!").arg(enDüşük_).arg(enYüksek_),
                    MesajSimgesi::Bilgi, MesajDüğmeleri::Tamam, QStringLiteral("Hatalı değer!"));
        setValue(sayı > enYüksek_ ? enYüksek_ : enDüşük_);
        DeğerKutusu->selectAll();
        return false;
    }
    değer_ = sayı;
    değeriGöster();
    return true;
}

void AyarliKutu::düğmeyleDeğiştir(int fark) {
    if (!isEnabled()) return;
    const int yeni = değer_ + fark;
    if (yeni < enDüşük_ || yeni > enYüksek_) return;
    DeğerKutusu->setFocus(Qt::OtherFocusReason);
    setValue(yeni);
}

bool AyarliKutu::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == DeğerKutusu && olay->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(olay);
        const int tuş = k->key();
        // the length limit holds for typing only: the unit text may go beyond it
        if (!k->text().isEmpty() && k->text()[0].isPrint() &&
            DeğerKutusu->text().size() - DeğerKutusu->selectedText().size() >= enÇokUzunluk_)
            return true;
        if (tuş == Qt::Key_Up || tuş == Qt::Key_Down) {
            const int fark = tuş == Qt::Key_Up ? 1 : -1;
            const int yeni = değer_ + fark;
            if (yeni >= enDüşük_ && yeni <= enYüksek_) setValue(yeni);
            DeğerKutusu->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(nesne, olay);
}
