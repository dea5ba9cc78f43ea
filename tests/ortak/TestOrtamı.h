#pragma once
// The shared test fixture: a temporary folder with a fresh store made by the
// delivery tool's code, an empty settings store, folders moved into the
// temporary folder, and the message responder that records every box.
#include "platform/MesajKapısı.h"
#include "platform/VeritabanıBağlantısı.h"
#include "platform/Yazıcı.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <memory>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

class ListeDenetimi;
class QLineEdit;
struct ÖtekiKoltuk;

class TestOrtamı : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Queue answers for the next question boxes (Evet/Hayır); OK boxes need none.
    void cevapla(MesajCevabı c) { cevaplar.push_back(c); }
    // The texts of the boxes shown so far.
    QStringList mesajMetinleri() const;
    // The last box's text (empty when none).
    QString sonMesaj() const { return mesajlar.empty() ? QString() : mesajlar.back().metin; }

    QString klasör() const { return geçici.path(); }

    // Pastes every hostile text into each of `kutular` boxes: `hazırla(kutu)` readies the
    // window and gives the box; the focus then goes to the control named `ayrıl` (when
    // given) and `kaydet()` saves. A refusal names the fault, never an error code;
    // `denetle(kutu, gösterilen, reddedildi)` checks the store against what the box showed.
    void düşmancaMetinleriDene(int kutular, const std::function<QLineEdit*(int)>& hazırla, const char* ayrıl,
                               const std::function<void()>& kaydet,
                               const std::function<void(int, const QString&, bool)>& denetle);
    // Each other workstation acts once `hazırla(fişNo)` has listed lines under a voucher number of
    // their own and given the list; the button `yaz` then writes it: the clerk gets the one message,
    // the program goes on, `tablo` gains no row, and the list, its locked voucher number and its total
    // `toplam` stay (`kaldı`: what else stays). A lock let go, the list is written whole.
    void ötekiKoltuklarıDene(const std::vector<ÖtekiKoltuk>& durumlar, const char* tablo, const char* yaz,
                             const QString& toplam, const std::function<ListeDenetimi*(int)>& hazırla,
                             const std::function<void()>& kaldı = {});

    QTemporaryDir geçici;
    std::vector<MesajKaydı> mesajlar;
    std::deque<MesajCevabı> cevaplar;
    int sonlandırmaSayısı = 0;  // times the program was told to end
    // Runs while a question box waits for its answer: another workstation acting meanwhile.
    std::function<void()> soruSırasında;
    // Runs as each box shows, before it is answered.
    std::function<void(const MesajKaydı&)> mesajGelince;
    // The system has one printer, "Kayıt Yazıcısı" on "LPT1:", a recorder: every
    // document printed on it lands here. YazıcıVar is false, and so again after each test.
    YazılanBelgeler basılanlar = std::make_shared<std::vector<YazılanBelge>>();
};

// Another workstation: what it does amid this one's action on voucher fişNo, the one
// message the clerk then gets, and the pending line it points at (-1 for none).
struct ÖtekiKoltuk {
    const char* ad;
    std::function<void(VeritabanıBağlantısı&, int fişNo)> arada;
    QString mesaj;
    int seçiliSatır = -1;
};
// It holds the store's write lock: the clerk is told the store is busy.
ÖtekiKoltuk YazmaKilidiTutar();
// It deletes the part `parça`, listed on line `satır` as `ad`: the clerk is told which.
ÖtekiKoltuk ParçayıSiler(qlonglong parça, const QString& ad, int satır);
// Its connection; the store's own connection then waits only briefly for a lock.
std::unique_ptr<VeritabanıBağlantısı> ÖtekiKoltuğuAç();
// Another workstation amid a write of its own: it has begun its write, made its change
// (değiştir) and holds the write lock, and commits once this seat's write first waits for
// the lock. So a window's checks see the store without the change, and its write with it.
std::shared_ptr<VeritabanıBağlantısı> YazarkenBırakanKoltuk(const std::function<void(VeritabanıBağlantısı&)>& değiştir);

// Types text key by key like QTest::keyClicks, Turkish letters included
// (QTest::keyClicks asserts on characters outside ASCII).
void Yaz(QWidget* hedef, const QString& metin);

// The names of the named, enabled controls that Tab visits, from ilk round to it.
QStringList SekmeSırası(QWidget* ilk);

// Shows the window and makes it the active one; false when it did not become active.
bool EtkinGöster(QWidget* pencere);

// Reads a written workbook back: runs a Python script with Debian's interpreter
// (/usr/bin/python3, which has openpyxl) on the file and returns the JSON object
// it prints; a failing script is a test failure.
QJsonObject ÇalışmaKitabınıOku(const char* betik, const QString& yol);

// Hostile texts for the boxes: each must be refused clearly or kept exactly as
// the box shows it (very long, control characters, NUL, emoji, combining marks,
// right to left, SQL metacharacters, numbers no box should take).
QStringList DüşmancaMetinler();

// Pastes a text into a line edit in place of its whole text, as Ctrl+V does.
void Yapıştır(QLineEdit* kutu, const QString& metin);

// Runs a function once the next modal window is shown (for windows opened with exec()).
// A window that does not come within süreMs, or that the step leaves open süreMs
// on, fails the test; the open modal windows are then closed.
void ModalGelinceÇalıştır(std::function<void(QWidget*)> iş, int süreMs = 10000);
// The same for a window of kind T: another window that comes first is closed at once
// and fails the test.
template <class T>
void ModalGelinceÇalıştır(std::function<void(T*)> iş, int süreMs = 10000) {
    ModalGelinceÇalıştır([iş](QWidget* w) {
        if (auto* t = dynamic_cast<T*>(w)) return iş(t);
        ADD_FAILURE() << "another window came first: " << w->objectName().toStdString();
        w->close();
    }, süreMs);
}
// The next printer choice is answered with Tamam (or İptal).
void YazıcıSeçimindeTamam(bool iptal = false);
// Whether a step still waits for its window (or watches it).
bool ModalAdımıBekliyor();
// Drops the steps still waiting (the fixture does it when a test ends).
void ModalAdımlarınıDurdur();
