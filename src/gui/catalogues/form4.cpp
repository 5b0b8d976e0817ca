#include "form4.h"

#include "app/globals.h"
#include "app/icons.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "catalogues/catalogues.h"
#include "catalogues/form4_texts.h"
#include "catalogues/lista_catalogo.h"
#include "fields/language.h"
#include "fields/numbers.h"
#include "ui_form4.h"

#include <QFontDatabase>

namespace vorlo {

Form4::Form4(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Form4>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("liquids")));

    // The buttons' typeface where the machine has it; otherwise they keep the system font.
    const QString comic = QStringLiteral("Comic Sans MS");
    if (QFontDatabase::hasFamily(comic)) {
        for (QPushButton *b : {ui->Command1, ui->Cancelar}) {
            QFont f = b->font();
            f.setFamily(comic);
            b->setFont(f);
        }
    }

    // The list texts pad the temperatures so that they line up, which needs a fixed pitch.
    ui->List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    const bool ingles = lenguaActual() == Lengua::Ingles;
    aplicarTextos(this, textosForm4(), lenguaActual());
    // The list is named after the window, without the program's name.
    ui->List1->setAccessibleName(windowTitle().section(QStringLiteral(" - "), -1));
    const QList<Liquido> &liquidos = catalogoLiquidos();
    for (const Liquido &l : liquidos)
        ui->List1->addItem(ingles ? l.nombre.ingles : l.nombre.espanol);
    for (qsizetype i = 0; i < liquidos.size(); ++i) {
        const auto p = static_cast<std::size_t>(i);
        TablaDensidad.at(p) = liquidos.at(i).densidad;
        TablaViscosidad.at(p) = liquidos.at(i).viscosidad;
    }
    conectarCatalogo(this, ui->List1, ui->Command1, ui->Cancelar);
}

Form4::~Form4() = default;

// The values come from this window's own rows rather than from the shared catalogue tables,
// which the gas catalogue overwrites when it opens while this window is still open.
void Form4::List1_Click() {
    const QList<Liquido> &liquidos = catalogoLiquidos();
    const int fila = filaElegida(ui->List1, liquidos.size());
    if (fila < 0)
        return;
    ui->Command1->setEnabled(true);
    const auto viscosidad = formatoPlano(liquidos.at(fila).viscosidad);
    const auto densidad = formatoPlano(liquidos.at(fila).densidad);
    if (viscosidad && densidad) {
        ui->Viscos->setText(*viscosidad);
        ui->Dens->setText(*densidad);
    }
}

// Hands over what the value labels show. The gas window's reference conditions take the
// empty temperature, pressure and compressibility labels, so only its density stays set.
void Form4::copiar() {
    const QString densidad = ui->Dens->text();
    const QString viscosidad = ui->Viscos->text();
    if (densidad.isEmpty() || viscosidad.isEmpty())
        return;
    entregarLiquido(densidad, viscosidad);
    entregarReferenciaGas(densidad, ui->Compres->text(), ui->Pres->text(), ui->Temp->text());
}

void Form4::List1_DblClick() {
    List1_Click();
    copiar();
    close();
}

void Form4::Command1_Click() {
    List1_Click();
    copiar();
    // As a user's click on the option, so that the dynamic viscosity field shows.
    elegirViscosidadDinamica();
    close();
}

void Form4::Cancelar_Click() {
    close();
}

} // namespace vorlo
