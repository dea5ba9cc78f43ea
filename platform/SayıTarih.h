#pragma once
// Numbers, money and dates in the program's fixed Turkish formats:
// decimal comma, "." grouping, "dd.MM.yyyy", whatever the system locale is.
#include <QDate>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// Money with four decimals, held exactly as ten-thousandths.
class Para {
public:
    constexpr Para() = default;
    static constexpr Para onBindeden(std::int64_t v) { Para p; p.d_ = v; return p; }
    // Rounds to four decimals, halves to even (on the value's 15 significant digits).
    // Throws DeporaHatası(Taşma) outside the currency range.
    static Para sayıdan(double sayı);
    // Reads a typed amount ("1.234,5"); empty or bad text gives nothing.
    static std::optional<Para> metinden(const QString& metin);

    constexpr std::int64_t onBinde() const { return d_; }
    double sayı() const { return static_cast<double>(d_) / 10000.0; }
    bool sıfırMı() const { return d_ == 0; }

    Para operator+(Para b) const;
    Para operator-(Para b) const;
    Para operator-() const { return onBindeden(-d_); }
    Para& operator+=(Para b) { *this = *this + b; return *this; }
    Para& operator-=(Para b) { *this = *this - b; return *this; }
    auto operator<=>(const Para&) const = default;

private:
    std::int64_t d_ = 0;
};

// The largest quantity and price (or amount) a box takes, and the largest amount
// of a line (quantity × price) and of a list's total: all far inside Para's range
// (about 922 million million), which a line's amount is checked against before it
// becomes Para.
inline constexpr double EnBüyükMiktar = 999'999'999.0;
inline constexpr double EnBüyükFiyat = 999'999'999.0;
inline constexpr double EnBüyükTutar = 999'999'999'999.0;

// Rounds to the given decimals on the value's 15 significant digits.
// yarıdaÇifte: halves go to the even neighbour; otherwise away from zero.
double OndalığaYuvarla(double sayı, int basamak, bool yarıdaÇifte = false);

// Quantities are doubles: sums are normalised to 6 decimals before they are
// shown, compared or divided, so 0,1 + 0,2 - 0,3 is 0.
double Normalleştir(double miktar);

// "##,##0.00": 1234.5 -> "1.234,50" (halves away from zero, as Format does).
QString BiçimliSayı(double sayı);
QString BiçimliSayı(Para tutar);

// General number text: at most 15 significant digits, decimal comma, no grouping,
// no trailing zeros (12,5). Money shows at most four decimals.
QString GenelSayı(double sayı);
QString GenelSayı(Para tutar);

// Reads a Turkish number text ("1.234,5", "12,5", "-3"); "." groups, "," is the decimal.
std::optional<double> SayıOku(const QString& metin);

// The whole number a text begins with (after leading blanks), as a code box's
// text is read: "007" -> 7, "12AB" -> 12, no leading digit -> 0. Very long digit
// runs stop at the largest int64.
std::int64_t TamSayıDeğeri(const QString& metin);

// "dd.MM.yyyy".
QString KısaTarih(const QDate& tarih);
// The date parser of the date boxes: day, month and year separated by ".", "/" or "-";
// a two-digit year is 1930..2029; day and month alone are this year. Nothing for
// an impossible date.
std::optional<QDate> TarihOku(const QString& metin);

// Dates are stored as ISO text "yyyy-MM-dd".
QString VtTarihi(const QDate& tarih);
QDate VtTarihindenOku(const QString& metin);
