#pragma once
// The splash window shown while the program starts.
#include <QWidget>

class KarşılamaFormu : public QWidget {
public:
    explicit KarşılamaFormu(QWidget* üst = nullptr);
    // Sizes the window, paints its picture and checks the screen: a screen lower
    // than 600 pixels is refused. False: the program must end.
    bool Form_Load();
    // The screen test alone, for a given screen height in pixels.
    static bool EkranYeterli(int ekranYüksekliği);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
};
