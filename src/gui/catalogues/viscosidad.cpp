#include "viscosidad.h"

#include "app/globals.h"
#include "app/icons.h"
#include "app/open_windows.h"
#include "app/texts.h"
#include "app/windows.h"
#include "catalogues/catalogues.h"
#include "catalogues/lista_catalogo.h"
#include "catalogues/viscosidad_texts.h"
#include "fields/numbers.h"
#include "ui_viscosidad.h"

namespace vorlo {

Viscosidad::Viscosidad(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Viscosidad>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(icono(QStringLiteral("gases")));
    aplicarTextos(this, textosViscosidad(), Lengua::Espanol);
    // The list is named after the window, without the program's name.
    ui->List1->setAccessibleName(windowTitle().section(QStringLiteral(" - "), -1));

    const QList<GasCatalogo> &gases = catalogoGases();
    for (qsizetype i = 0; i < gases.size(); ++i) {
        ui->List1->addItem(gases.at(i).texto);
        TablaViscosidad.at(static_cast<std::size_t>(i)) = gases.at(i).viscosidad;
    }
    conectarCatalogo(this, ui->List1, ui->Command1, ui->Cancelar);
}

Viscosidad::~Viscosidad() = default;

// Read from this window's own rows: the shared catalogue table is overwritten by the liquid
// catalogue when that opens while this window is still open.
void Viscosidad::List1_Click() {
    const QList<GasCatalogo> &gases = catalogoGases();
    const int fila = filaElegida(ui->List1, gases.size());
    if (fila < 0)
        return;
    if (const auto t = formatoPlano(gases.at(fila).viscosidad))
        ui->Viscos->setText(*t);
    ui->Command1->setEnabled(true);
}

void Viscosidad::List1_DblClick() {
    List1_Click();
    if (!ui->Viscos->text().isEmpty())
        entregarViscosidadDinamica(ui->Viscos->text());
    close();
}

void Viscosidad::Command1_Click() {
    List1_DblClick();
}

void Viscosidad::Cancelar_Click() {
    close();
}

} // namespace vorlo
