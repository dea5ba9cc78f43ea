#pragma once
// One exception type for every failure the error routine handles: the number
// picks the message (database, printer, workbook), the text is the cause.
#include <QString>
#include <stdexcept>

class DeporaHatası : public std::runtime_error {
public:
    DeporaHatası(int numara, const QString& açıklama)
        : std::runtime_error(açıklama.toStdString()), numara_(numara), açıklama_(açıklama) {}
    int numara() const { return numara_; }
    const QString& açıklama() const { return açıklama_; }

private:
    int numara_;
    QString açıklama_;
};

// Numbers that callers and the error routine agree on.
namespace HataNo {
constexpr int Taşma = 6;               // a number out of range
constexpr int VeritabanıBozuk = 11;    // a damaged page or a store without its tables
constexpr int YedekYazılamadı = 75;    // a copy or file that cannot be written
constexpr int GeçersizNull = 94;       // an empty value where one is needed
constexpr int KayıtYok = 3021;         // the row asked for is not there
constexpr int YazıcıHatası = 482;      // printer: passed over silently
constexpr int ŞifreYanlış = 3031;      // not a database, or the key is wrong
constexpr int AğBağlantısı = 3043;
constexpr int YolBulunamadı = 3044;
constexpr int DosyayaErişilemiyor = 3051;
constexpr int ÖzelKullanımda = 3356;   // held exclusively by another program
constexpr int Meşgul = 3260;           // being written by another workstation beyond the wait
constexpr int VeritabanıAçıkDeğil = 3420;
constexpr int ÇalışmaKitabıHatası = 1004;
}  // namespace HataNo
