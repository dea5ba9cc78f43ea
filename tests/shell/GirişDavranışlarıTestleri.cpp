#include "platform/MesajKapısı.h"
#include "shell/GirişDavranışları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest-spi.h>

namespace {
// A small window with the kinds of box the program's windows have.
struct DenemePenceresi : QDialog {
    QLabel* etiket = new QLabel("Tarihi :", this);
    QLineEdit* tarih = new QLineEdit(this);
    QLineEdit* miktar = new QLineEdit(this);
    QLineEdit* kod = new QLineEdit(this);
    QComboBox* yer = new QComboBox(this);
    QLineEdit* not_ = new QLineEdit(this);
    QPushButton* ekle = new QPushButton("Ekle", this);
    QPushButton* kapat = new QPushButton("Kapat", this);
    int eklemeSayısı = 0;

    DenemePenceresi() {
        auto* l = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{etiket, tarih, miktar, kod, yer, not_, ekle, kapat}) l->addWidget(w);
        yer->setEditable(true);
        Giriş::EtiketliAlan(tarih, etiket);
        Giriş::TarihKutusu(tarih);
        Giriş::EnterİleSonraki(tarih);
        Giriş::SayıKutusu(miktar);
        Giriş::SayıDeğilseGeriAl(miktar);
        Giriş::EnterİleSonraki(miktar);
        Giriş::YalnızRakam(kod);
        Giriş::BüyükHarfKutusu(yer);
        Giriş::DenetimAtlatır(kapat);
        Giriş::VarsayılanDüğmeleriKapat(this);
        connect(ekle, &QPushButton::clicked, this, [this] {
            if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
            ++eklemeSayısı;
        });
    }
};
}  // namespace

class GirişDavranışlarıTesti : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        ASSERT_TRUE(EtkinGöster(&p));
    }
    DenemePenceresi p;
};

TEST_F(GirişDavranışlarıTesti, TarihKutusuBırakılınceDüzeltilirYaDaOdağıTutar) {
    p.tarih->setFocus();
    EXPECT_EQ(p.etiket->palette().color(QPalette::WindowText), Giriş::EtkinEtiketRengi);
    QTest::keyClicks(p.tarih, "5a/3x/2026");  // letters are not taken
    QTest::keyClick(p.tarih, Qt::Key_K, Qt::AltModifier);  // nor an Alt key that names no control
    QTest::keyClick(p.tarih, Qt::Key_7, Qt::AltModifier);
    EXPECT_EQ(p.tarih->text(), "5/3/2026");
    QTest::keyClick(p.tarih, Qt::Key_Return);  // Enter goes on to the next box
    EXPECT_EQ(QApplication::focusWidget(), p.miktar);
    EXPECT_EQ(p.tarih->text(), "05.03.2026");
    EXPECT_NE(p.etiket->palette().color(QPalette::WindowText), Giriş::EtkinEtiketRengi);

    p.tarih->setFocus();
    p.tarih->setText("31.02.2026");
    p.miktar->setFocus();
    EXPECT_EQ(sonMesaj(), "Lütfen, TARİHİ doğru biçimde giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), p.tarih);
}

TEST_F(GirişDavranışlarıTesti, KapatDüğmesiDenetimiAtlarDiğerDüğmeÖnceDenetler) {
    p.tarih->setFocus();
    p.tarih->setText("99.99.2026");
    QTest::mouseClick(p.kapat, Qt::LeftButton);
    EXPECT_TRUE(mesajlar.empty());

    p.tarih->setFocus();
    QTest::mouseClick(p.ekle, Qt::LeftButton);
    EXPECT_EQ(p.eklemeSayısı, 0);
    EXPECT_EQ(sonMesaj(), "Lütfen, TARİHİ doğru biçimde giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), p.tarih);

    p.tarih->setText("1.1.26");
    QTest::mouseClick(p.ekle, Qt::LeftButton);
    EXPECT_EQ(p.eklemeSayısı, 1);
    EXPECT_EQ(p.tarih->text(), "01.01.2026");
    // Enter clicks the button that has the focus, and no default button closes the window
    p.ekle->setFocus();
    QTest::keyClick(p.ekle, Qt::Key_Return);
    QTest::keyClick(p.ekle, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(p.eklemeSayısı, 3);
    EXPECT_TRUE(p.isVisible());
}

TEST_F(GirişDavranışlarıTesti, SayıRakamVeBüyükHarfKutuları) {
    p.miktar->setFocus();
    QTest::keyClicks(p.miktar, "1234,5x.");
    EXPECT_EQ(p.miktar->text(), "1234,5");
    p.kod->setFocus();
    EXPECT_EQ(p.miktar->text(), "1.234,50");
    QTest::keyClicks(p.kod, "12a,3");
    EXPECT_EQ(p.kod->text(), "123");
    Giriş::EtiketliAlan(p.yer, nullptr);
    p.yer->setFocus();
    Yaz(p.yer->lineEdit(), "işçi'nin odası");
    QTest::keyClick(p.yer, Qt::Key_K, Qt::AltModifier);  // types nothing
    QTest::keyClick(p.yer, Qt::Key_At, Qt::ControlModifier | Qt::AltModifier);  // AltGr on some keyboards: types
    EXPECT_EQ(p.yer->currentText(), "İŞÇİ’NİN ODASI@");
    EXPECT_EQ(p.yer->lineEdit()->cursorPosition(), 15);  // typing keeps its cursor
    // a box the program fills shows its text from the start
    const QString uzun = "YAKIT ENJEKSİYON POMPASI TAMİR TAKIMI";
    p.not_->setReadOnly(true);
    p.not_->setFixedWidth(p.not_->fontMetrics().horizontalAdvance(uzun) / 2);
    p.not_->setText(uzun);
    EXPECT_EQ(p.not_->cursorPosition(), 0);
}

// Pasting with Ctrl+V, through the context menu and by dropping text: what a box
// takes is what typing the same characters would give.
TEST_F(GirişDavranışlarıTesti, YapıştırılanMetinYazılanınSüzgecindenGeçer) {
    p.not_->setMaxLength(5);
    const QString gülen = QString::fromUtf16(u"\U0001F600");
    const struct { QLineEdit* kutu; QString önce, yapıştırılan, sonra; } durumlar[] = {
        {p.kod, "12", "- 3x4\n", "1234"},
        {p.miktar, "", "-1.000.000,5", "1000000,5"},
        {p.miktar, "1,5", "2,5", "1,5"},  // a second comma: nothing is taken
        {p.tarih, "", "1 Mart 2026", "12026"},
        {p.yer->lineEdit(), "", QString("a\tb") + QChar(0) + "c", "ABC"},  // control characters go
        {p.not_, "", QString(QChar(0xD800)) + "X" + QChar(0xDC00), "X"},  // so do lone surrogates
        {p.not_, "ab", "d" + gülen, "abd" + gülen},
        {p.not_, "abcd", gülen, "abcd"},  // never half a character at the length limit
        {p.not_, "", "א" + QString(QChar(0x202E)) + "e\u0301", "א" + QString(QChar(0x202E)) + "e\u0301"},
    };
    enum Yol { CtrlV, Menü, Bırakma };
    for (const Yol yol : {CtrlV, Menü, Bırakma})
        for (const auto& d : durumlar) {
            d.kutu->setText(d.önce);
            d.kutu->setFocus();
            d.kutu->end(false);
            if (yol == Bırakma) {
                QMimeData veri;
                veri.setText(d.yapıştırılan);
                const QPoint yer(d.kutu->width() - 2, d.kutu->height() / 2);
                QDragEnterEvent gir(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
                QDragMoveEvent taşı(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
                QDropEvent bırak(yer, Qt::CopyAction, &veri, Qt::LeftButton, Qt::NoModifier);
                for (QEvent* o : std::initializer_list<QEvent*>{&gir, &taşı, &bırak}) QApplication::sendEvent(d.kutu, o);
            } else {
                QApplication::clipboard()->setText(d.yapıştırılan);
                if (yol == CtrlV) QTest::keyClick(d.kutu, Qt::Key_V, Qt::ControlModifier);
                else d.kutu->paste();  // what the context menu's "Paste" does
            }
            EXPECT_EQ(d.kutu->text(), d.sonra) << yol << " " << d.yapıştırılan.toStdString();
            d.kutu->clear();  // so that leaving it runs no check
        }
}

TEST_F(GirişDavranışlarıTesti, BırakılanKutununMetniKırpılırKesmeİşaretiDeğişir) {
    // an editable combo box keeps the focus itself, its line edit never loses it
    Giriş::AyrılıncaKırp(p.yer);
    Giriş::AyrılıncaKırp(p.kod);
    p.yer->setFocus();
    p.yer->setEditText("  depo'ya  ");
    p.kod->setFocus();
    EXPECT_EQ(p.yer->currentText(), "depo’ya");
    p.kod->setText(" 12 ");
    p.yer->setFocus();
    EXPECT_EQ(p.kod->text(), "12");
}

TEST(MesajKapısı, TürkçeDüğmelerVeBaşlık) {
    MesajKapısı::başlığıAyarla("Orvelta - Depora 1.00 (Sunucu)");
    QStringList düğmeler;
    QString başlık;
    ModalGelinceÇalıştır<QMessageBox>([&](QMessageBox* kutu) {
        başlık = kutu->windowTitle();
        for (auto* d : kutu->buttons()) düğmeler << d->text();
        kutu->reject();  // Esc: the answer of a question is "Hayır"
    });
    EXPECT_FALSE(EvetMi("Programdan çıkmak istiyor musunuz?"));
    EXPECT_EQ(başlık, "Orvelta - Depora 1.00 (Sunucu)");
    düğmeler.sort();
    EXPECT_EQ(düğmeler, QStringList({"Evet", "Hayır"}));
}

// The fixture's step for a modal window never leaves a test hanging: a window the
// step leaves open, or one that never comes, fails the test within the deadline
// (the window closed); a step still waiting when the test ends is dropped.
TEST(ModalAdımı, BıraktığıPencereyiKapatırGelmeyeniBildirirTestBitinceDurur) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalGelinceÇalıştır([](QWidget*) {}, 100);
            QDialog açıkKalan;
            açıkKalan.exec();
        },
        "left the modal window");
    EXPECT_NONFATAL_FAILURE(
        {
            ModalGelinceÇalıştır([](QWidget*) {}, 100);
            EXPECT_TRUE(QTest::qWaitFor([] { return !ModalAdımıBekliyor(); }, 5000));
        },
        "no modal window came");
    bool çalıştı = false;
    ModalGelinceÇalıştır([&](QWidget*) { çalıştı = true; });
    ModalAdımlarınıDurdur();
    QDialog sonraki;
    QTimer::singleShot(100, &sonraki, &QDialog::reject);
    sonraki.exec();
    EXPECT_FALSE(çalıştı);
}
