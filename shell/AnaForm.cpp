#include "shell/AnaForm.h"

#include "shell/GenelDeğişkenler.h"

AnaForm::AnaForm(QWidget* üst) : QMainWindow(üst) {
    setObjectName(QStringLiteral("AnaForm"));
    setWindowTitle(ProgramBaşlığı);
    resize(800, 600);
}

void AnaForm::Form_Load(QWidget* karşılamaPenceresi) {
    show();
    if (karşılamaPenceresi) karşılamaPenceresi->close();
}
