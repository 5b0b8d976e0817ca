#include "report_presentation.h"

#include "cases/report_header.h"
#include "fields/numbers.h"
#include "report/report_texts.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

namespace vorlo::informe {

namespace {

// Fixed form between these powers of ten; an exponent outside.
constexpr int kExponenteFijoMinimo = -4;
constexpr int kExponenteFijoMaximo = 9;

struct Signos {
    QChar decimal;
    QChar miles;
};

Signos signosDe(Lengua l) {
    return l == Lengua::Espanol ? Signos{u',', u'.'} : Signos{u'.', u','};
}

// Digits of a whole part, grouped by threes.
QString agrupar(const QString &entero, QChar miles) {
    QString r;
    for (qsizetype i = 0; i < entero.size(); ++i) {
        if (i > 0 && (entero.size() - i) % 3 == 0)
            r += miles;
        r += entero.at(i);
    }
    return r;
}

// A plain C-locale number ("-1234.5", "6.954e-05") in the language's convention.
QString enConvencion(const QString &c, Lengua l) {
    const Signos s = signosDe(l);
    QString t = c;
    QString signo;
    if (t.startsWith(u'-')) {
        signo = QStringLiteral("-");
        t.remove(0, 1);
    }
    QString exponente;
    if (const qsizetype e = t.indexOf(u'e', 0, Qt::CaseInsensitive); e >= 0) {
        const int n = t.mid(e + 1).toInt();
        exponente = QStringLiteral("E") + QLatin1Char(n < 0 ? '-' : '+') +
                    QStringLiteral("%1").arg(std::abs(n), 2, 10, QLatin1Char('0'));
        t.truncate(e);
    }
    const qsizetype punto = t.indexOf(u'.');
    const QString entero = punto < 0 ? t : t.left(punto);
    const QString fraccion = punto < 0 ? QString() : t.mid(punto + 1);
    QString r = signo + agrupar(entero.isEmpty() ? QStringLiteral("0") : entero, s.miles);
    if (!fraccion.isEmpty())
        r += s.decimal + fraccion;
    return r + exponente;
}

// A number of the window's form: grouped or plain whole part, or none before a decimal comma
// (",5"), an optional exponent. Not inside a word or a longer number.
const QRegularExpression &patronNumero() {
    static const QRegularExpression p(QStringLiteral(
        R"((?<![\w.,])-?(?:\d{1,3}(?:\.\d{3})+|\d+)?(?:,\d+)?(?:[Ee][-+]?\d+)?(?![\w]))"));
    return p;
}

// Significant digits a number's text carries: its digits without the leading zeros and, in a
// whole number, without the trailing ones ("3600" has 2, "1,2700" has 5).
int cifrasDe(const QString &token) {
    QString mantisa = token;
    if (const qsizetype e = mantisa.indexOf(u'e', 0, Qt::CaseInsensitive); e >= 0)
        mantisa.truncate(e);
    const bool conDecimales = mantisa.contains(u',');
    QString digitos;
    for (const QChar c : mantisa)
        if (c.isDigit())
            digitos += c;
    while (digitos.startsWith(u'0'))
        digitos.remove(0, 1);
    if (!conDecimales)
        while (digitos.endsWith(u'0'))
            digitos.chop(1);
    return int(digitos.size());
}

// One number of the window's form in the language's convention, rounded when it carries more
// than `cifras` digits.
QString convertirNumero(const QString &token, Lengua l, std::optional<int> cifras) {
    const auto x = leerNumero(token);
    if (!x || !std::isfinite(*x))
        return token;
    if (cifras && cifrasDe(token) > *cifras)
        return numeroIngenieria(*x, *cifras, l);
    // The same digits: only the signs change.
    QString c = token;
    c.remove(u'.').replace(u',', u'.');
    if (c.startsWith(u'.') || c.startsWith(QStringLiteral("-.")))
        c.insert(c.indexOf(u'.'), u'0');
    return enConvencion(c, l);
}

// A result shown as "<value> <unit>" in the method, by that text, with its presented form:
// the method's result line then says what the table says.
using Presentados = QHash<QString, QString>;

QString conUnidad(const QString &valor, const QString &unidad) {
    return unidad.isEmpty() ? valor : valor + QLatin1Char(' ') + unidad;
}

void presentarFila(Fila &f, int cifras, Lengua l, Presentados &presentados) {
    if (f.nota) {
        f.valor = numerosEnConvencion(f.valor, l, std::nullopt);
        return;
    }
    // Exactly the digits asked for only where the unrounded value is known: a rounded text
    // padded with zeros would claim digits it never had.
    if (f.calculado && f.numero && std::isfinite(*f.numero)) {
        const QString antes = conUnidad(conCero(f.valor), f.unidad);
        f.valor = numeroIngenieria(*f.numero, cifras, l);
        presentados.insert(antes, conUnidad(f.valor, f.unidad));
    } else {
        f.valor = numerosEnConvencion(f.valor, l, cifras);
    }
}

void presentarSecciones(QList<Seccion> &secciones, int cifras, Lengua l, Presentados &presentados) {
    for (Seccion &s : secciones)
        for (Fila &f : s.filas)
            presentarFila(f, cifras, l, presentados);
}

void presentarMetodo(QList<Paso> &metodo, int cifras, Lengua l, const Presentados &presentados) {
    for (Paso &p : metodo) {
        // An equation's constants keep their digits where they are substituted too; only their
        // signs change.
        const QSet<QString> constantes = numerosDe(p.ecuacion);
        p.ecuacion = numerosEnConvencion(p.ecuacion, l, std::nullopt);
        p.sustitucion = numerosEnConvencion(p.sustitucion, l, cifras, constantes);
        p.resultado = presentados.value(p.resultado, numerosEnConvencion(p.resultado, l, cifras));
        p.nota = numerosEnConvencion(p.nota, l, std::nullopt);
    }
}

void presentarFrases(QStringList &frases, Lengua l) {
    for (QString &f : frases)
        f = numerosEnConvencion(f, l, std::nullopt);
}

} // namespace

QString numeroIngenieria(double x, int cifras, Lengua lengua) {
    if (x == 0)
        return enConvencion(QString::number(0.0, 'f', cifras - 1), lengua);
    // Rounded once, to the digits asked for; its exponent then decides the form.
    const QString e = QString::number(x, 'e', cifras - 1);
    const double redondeado = e.toDouble();
    const int exponente = e.mid(e.indexOf(u'e') + 1).toInt();
    if (exponente < kExponenteFijoMinimo || exponente >= kExponenteFijoMaximo)
        return enConvencion(e, lengua);
    return enConvencion(QString::number(redondeado, 'f', std::max(0, cifras - 1 - exponente)),
                        lengua);
}

QString numerosEnConvencion(const QString &texto, Lengua lengua, std::optional<int> cifras) {
    return numerosEnConvencion(texto, lengua, cifras, {});
}

QString numerosEnConvencion(const QString &texto, Lengua lengua, std::optional<int> cifras,
                            const QSet<QString> &intactos) {
    static const QRegularExpression digito(QStringLiteral("\\d"));
    QString r;
    qsizetype desde = 0;
    auto it = patronNumero().globalMatch(texto);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        // The pattern's parts are all optional: an empty match or a lone sign is no number.
        if (!m.captured().contains(digito))
            continue;
        r += texto.mid(desde, m.capturedStart() - desde);
        r += convertirNumero(m.captured(), lengua,
                             intactos.contains(m.captured()) ? std::nullopt : cifras);
        desde = m.capturedEnd();
    }
    return r + texto.mid(desde);
}

QSet<QString> numerosDe(const QString &texto) {
    QSet<QString> n;
    auto it = patronNumero().globalMatch(texto);
    while (it.hasNext())
        if (const QString t = it.next().captured(); !t.isEmpty())
            n.insert(t);
    return n;
}

Informe presentado(const Informe &inf) {
    const std::optional<int> cifras = inf.cabecera.cifras();
    if (!cifras || inf.presentado)
        return inf;
    Informe p = inf;
    p.presentado = true;
    const Lengua l = p.lengua();
    Presentados presentados;
    presentarSecciones(p.secciones, *cifras, l, presentados);
    presentarMetodo(p.metodo, *cifras, l, presentados);
    for (Anexo &a : p.anexos) {
        Presentados propios;
        presentarSecciones(a.secciones, *cifras, l, propios);
        presentarMetodo(a.metodo, *cifras, l, propios);
        presentarFrases(a.caso, l);
    }
    if (p.accesorios) {
        ListaAccesorios &a = *p.accesorios;
        a.diametro = numerosEnConvencion(a.diametro, l, *cifras);
        a.formula = numerosEnConvencion(a.formula, l, *cifras);
        a.ktotal = numerosEnConvencion(a.ktotal, l, *cifras);
        for (ListaAccesorios::Linea &x : a.lineas) {
            x.k = numerosEnConvencion(x.k, l, *cifras);
            x.producto = numerosEnConvencion(x.producto, l, *cifras);
        }
    }
    presentarFrases(p.avisos, l);
    presentarFrases(p.caso, l);
    p.modo = numerosEnConvencion(p.modo, l, std::nullopt);
    // The note on how values are written says the presentation instead.
    const QString comoVentana = p.palabra(palabras::ValoresComoVentana);
    for (QString &n : p.notas)
        n = n == comoVentana ? p.palabra(palabras::ValoresIngenieria).arg(*cifras)
                             : numerosEnConvencion(n, l, std::nullopt);
    return p;
}

} // namespace vorlo::informe
