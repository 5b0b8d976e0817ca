#include "form_reynolds_erosional.h"

#include "app/colours.h"
#include "app/key_filter.h"
#include "app/texts.h"
#include "fields/numbers.h"
#include "flowlimits/flow_limits.h"
#include "pipeflow/pipe_erosional.h"
#include "pipeflow/pipe_fields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace vorlo {

namespace {

namespace t = tuberia;

constexpr int kAnchoVe = 90;
constexpr int kAnchoC = 50;

struct Erosion {
    QLineEdit *velocidad = nullptr;
    QLineEdit *densidad = nullptr;
    QLineEdit *ve = nullptr;
    QLineEdit *c = nullptr;
    QLabel *nota = nullptr;

    void actualizar() const {
        const t::Erosional e = t::erosionalDe(densidad->text(), velocidad->text(), c->text());
        const Campo *campo = t::camposErosional().campo(t::VErosional);
        const QString texto = e.ve ? campo->formato.aplicar(*e.ve).value_or(QString()) : QString();
        if (ve->text() != texto)
            ve->setText(texto);
        nota->setVisible(e.supera);
        // Red only while the velocity exceeds Ve; otherwise the window's own colour. Its
        // background stays as the window set it.
        QPalette p = velocidad->palette();
        const QColor color = e.supera ? kColorRojo : QPalette().color(QPalette::Text);
        if (p.color(QPalette::Text) != color) {
            p.setColor(QPalette::Text, color);
            velocidad->setPalette(p);
        }
    }
    void traducir(Lengua lengua) const {
        const TextoBilingue aviso = limites::avisoErosional();
        const TablaCampos &tabla = t::camposErosional();
        ve->setAccessibleName(tabla.campo(t::VErosional)->rotulo.en(lengua));
        c->setAccessibleName(tabla.campo(t::CErosional)->rotulo.en(lengua));
        nota->setToolTip(aviso.en(lengua));
        ve->setToolTip(lengua == Lengua::Espanol
                           ? QStringLiteral("Velocidad erosional de API RP 14E, 1,2199·C/√ρ")
                           : QStringLiteral("API RP 14E erosional velocity, 1.2199·C/√ρ"));
        c->setToolTip(lengua == Lengua::Espanol
                          ? QStringLiteral("C de API RP 14E: 100 servicio continuo, 125 "
                                           "intermitente")
                          : QStringLiteral("API RP 14E C: 100 continuous service, 125 "
                                           "intermittent"));
    }
};

QLabel *rotulo(QWidget *padre, const QString &nombre, const QString &texto) {
    auto *l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

} // namespace

void anadirErosional(QWidget *tuberia) {
    auto *rejilla = tuberia->findChild<QGridLayout *>(QStringLiteral("gridDatos"));
    auto *velocidad = tuberia->findChild<QLineEdit *>(t::Vproceso);
    auto *densidad = tuberia->findChild<QLineEdit *>(t::dproceso);
    if (!rejilla || !velocidad || !densidad)
        return;
    const TablaCampos &tabla = t::camposErosional();
    auto *e = new Erosion{velocidad, densidad, new QLineEdit(tuberia), new QLineEdit(tuberia),
                          new QLabel(tuberia)};
    e->ve->setObjectName(t::VErosional);
    e->ve->setReadOnly(true);
    e->ve->setFocusPolicy(Qt::ClickFocus);
    e->ve->setFixedWidth(kAnchoVe);
    fijarFondo(e->ve, kColorCalculable);
    e->c->setObjectName(t::CErosional);
    e->c->setFixedWidth(kAnchoC);
    e->c->setText(formatoPlano(limites::kCErosionalContinuo).value_or(QString()));
    fijarFondo(e->c, kColorEntrada);
    (new FiltroTeclas(FiltroTeclas::reglaNumerica(), e->c))->instalar(e->c);
    e->nota->setObjectName(t::NotaErosional);
    e->nota->setText(QStringLiteral("V > Ve"));
    fijarColorTexto(e->nota, kColorRojo);
    e->nota->hide();

    auto *fila = new QHBoxLayout;
    fila->addSpacing(12);
    fila->addWidget(rotulo(tuberia, tabla.campo(t::VErosional)->etiqueta, QStringLiteral("Ve")));
    fila->addWidget(e->ve);
    fila->addWidget(
        rotulo(tuberia, tabla.campo(t::VErosional)->controlUnidad, QStringLiteral("( m/s )")));
    fila->addWidget(rotulo(tuberia, tabla.campo(t::CErosional)->etiqueta, QStringLiteral("C")));
    fila->addWidget(e->c);
    fila->addWidget(e->nota);
    int r = 0, col = 0, filas = 0, columnas = 0;
    rejilla->getItemPosition(rejilla->indexOf(velocidad), &r, &col, &filas, &columnas);
    rejilla->addLayout(fila, r, 3, 1, rejilla->columnCount() - 3);
    // Tab reaches C right after the velocity it sits beside.
    QWidget::setTabOrder(velocidad, e->c);

    // The helper lives as long as the window, through the C field that owns its filter.
    QObject *dueno = e->c;
    QObject::connect(dueno, &QObject::destroyed, [e] { delete e; });
    for (QLineEdit *x : {velocidad, densidad, e->c})
        QObject::connect(x, &QLineEdit::textChanged, dueno, [e] { e->actualizar(); });
    QObject::connect(&avisoIdioma(), &AvisoIdioma::cambiado, dueno,
                     [e](Lengua l) { e->traducir(l); });
    e->traducir(lenguaActual());
    e->actualizar();
}

} // namespace vorlo
