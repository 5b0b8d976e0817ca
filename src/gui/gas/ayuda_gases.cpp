#include "ayuda_gases.h"

#include "app/icons.h"
#include "gas/form2_texts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vorlo {

AyudaGases::AyudaGases(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AyudaGases"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTituloAyudaGases);
    setWindowIcon(icono(QStringLiteral("help")));
    auto *capas = new QVBoxLayout(this);
    capas->setContentsMargins(14, 14, 14, 14);
    capas->setSpacing(10);
    int n = 0;
    for (const QString &parrafo : parrafosAyudaGases()) {
        auto *l = new QLabel(parrafo, this);
        l->setObjectName(QStringLiteral("Label%1").arg(++n));
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        capas->addWidget(l);
    }
    capas->addStretch();
    constexpr int kAncho = 560;
    resize(kAncho,
           capas->hasHeightForWidth() ? capas->heightForWidth(kAncho) : sizeHint().height());
}

} // namespace vorlo
