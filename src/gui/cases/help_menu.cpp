#include "app/case_entry.h"
#include "app/message_boxes.h"
#include "app/texts.h"
#include "cases/case_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace vorlo {

namespace {

// The manual is the man page; a desktop's help browser shows it from its man: address.
void abrirManual(QWidget *ventana) {
    if (QDesktopServices::openUrl(QUrl(QStringLiteral("man:vorlo(1)"))))
        return;
    mensajes().aviso(ventana, textosCaso::kSinManual.en(lenguaActual()), std::nullopt,
                     Mensajes::Icono::Ninguno);
}

void acercaDe(QWidget *ventana) {
    const Lengua l = lenguaActual();
    mensajes().aviso(ventana,
                     textosCaso::kAcercaDe.en(l).arg(QCoreApplication::applicationVersion()),
                     textosCaso::kTituloAcercaDe.en(l), Mensajes::Icono::Ninguno);
}

} // namespace

void anadirMenuAyuda(QWidget *ventana) {
    auto *barra = ventana->findChild<QMenuBar *>();
    if (!barra || barra->findChild<QMenu *>(QStringLiteral("Ayuda")))
        return;
    auto *ayuda = new QMenu(barra);
    ayuda->setObjectName(QStringLiteral("Ayuda"));
    auto *manual = ayuda->addAction(QString());
    manual->setObjectName(QStringLiteral("Manual"));
    manual->setShortcut(QKeySequence::HelpContents);
    auto *acerca = ayuda->addAction(QString());
    acerca->setObjectName(QStringLiteral("AcercaDe"));
    QObject::connect(manual, &QAction::triggered, ventana, [ventana] { abrirManual(ventana); });
    QObject::connect(acerca, &QAction::triggered, ventana, [ventana] { acercaDe(ventana); });
    barra->addMenu(ayuda);
    aplicarTextos(ventana, textosCaso::textosAyuda(), lenguaActual());
}

} // namespace vorlo
