#include "moody_axes.h"

#include "fields/numbers.h"

#include <QCategoryAxis>
#include <QList>
#include <QString>
#include <algorithm>
#include <cmath>

namespace vorlo {

namespace {

// "10³" for 1000: the decades of the Reynolds axis.
QString potenciaDeDiez(int k) {
    if (k == 0)
        return QStringLiteral("1");
    if (k == 1)
        return QStringLiteral("10");
    static const char16_t superindices[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString exp;
    for (const QChar c : QString::number(k))
        exp.append(QChar(superindices[c.digitValue()]));
    return QStringLiteral("10") + exp;
}

// The gridlines and captions of a category axis, within its range (it would draw those
// outside too). Its labels must be distinct: gridlines without a caption get distinct
// invisible ones, and repeated captions ("2" in every decade) an invisible suffix.
class Rotulos {
  public:
    explicit Rotulos(QCategoryAxis *eje) : m_eje(eje), m_min(eje->min()), m_max(eje->max()) {
        const QStringList viejas = eje->categoriesLabels();
        for (const QString &l : viejas)
            eje->remove(l);
        eje->setStartValue(m_min);
    }
    void anadir(const QString &texto, double valor) {
        if (valor < m_min - 1e-9 || valor > m_max + 1e-9)
            return;
        m_eje->append(texto + QString(++m_n, QChar(0x200B)), valor);
    }

  private:
    QCategoryAxis *m_eje;
    double m_min;
    double m_max;
    int m_n = 0;
};

// The gridlines of the f axis within a decade (as multiples of its power of ten), and those
// that carry a caption: fewer as the axis spans more decades.
struct MarcasF {
    QList<double> lineas;
    QList<double> conTexto;
};

MarcasF marcasF(double decadas) {
    const QList<double> finas = {1, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 9};
    const QList<double> enteras = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    if (decadas > 3.5)
        return {enteras, {1}};
    if (decadas > 2.5)
        return {enteras, {1, 2, 5}};
    if (decadas > 1.6)
        return {finas, {1, 1.5, 2, 3, 4, 5, 6, 8}};
    return {finas, finas};
}

} // namespace

double aLineaConTextoF(double y, double decadas, bool arriba, double minimo, double maximo) {
    const QList<double> conTexto = marcasF(decadas).conTexto;
    double mejor = arriba ? maximo : minimo;
    const int k = static_cast<int>(std::floor(y));
    for (int d = k - 1; d <= k + 1; ++d) {
        for (double m : conTexto) {
            const double v = std::log10(m) + d;
            if (arriba && v >= y - 1e-9)
                mejor = std::min(mejor, v);
            else if (!arriba && v <= y + 1e-9)
                mejor = std::max(mejor, v);
        }
    }
    return mejor;
}

void rotularEjeRe(QCategoryAxis *eje) {
    const double x0 = eje->min();
    const double x1 = eje->max();
    const double decadas = x1 - x0;
    // 8 would crowd the next decade's caption.
    QList<int> conTexto = {2, 3, 4, 5, 6};
    if (decadas > 9)
        conTexto.clear();
    else if (decadas > 6)
        conTexto = {2, 5};
    Rotulos r(eje);
    const int k0 = static_cast<int>(std::floor(x0));
    const int k1 = static_cast<int>(std::ceil(x1));
    for (int k = k0; k <= k1; ++k) {
        r.anadir(potenciaDeDiez(k), k);
        if (k == k1)
            break;
        for (int m = 2; m <= 9; ++m)
            r.anadir(conTexto.contains(m) ? QString::number(m) : QString(), k + std::log10(m));
    }
}

void rotularEjeF(QCategoryAxis *eje) {
    const double y0 = eje->min();
    const double y1 = eje->max();
    const MarcasF marcas = marcasF(y1 - y0);
    Rotulos r(eje);
    const int k0 = static_cast<int>(std::floor(y0));
    const int k1 = static_cast<int>(std::ceil(y1));
    for (int k = k0; k <= k1; ++k) {
        for (double m : marcas.lineas) {
            if (k == k1 && m > 1)
                break;
            const double v = m * std::pow(10.0, k);
            r.anadir(marcas.conTexto.contains(m) ? formatoPlano(v).value_or(QString()) : QString(),
                     std::log10(v));
        }
    }
}

} // namespace vorlo
