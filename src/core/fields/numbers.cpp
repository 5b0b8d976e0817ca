#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vorlo {

std::optional<QChar> filtrarTecla(QChar c) {
    if (c == u'.')
        return QChar(u',');
    // An exponent ("1e3", "1E-3") is a number's too: the program writes one into fields itself.
    if ((c >= u'0' && c <= u'9') || c == u',' || c == u'-' || c == u'e' || c == u'E' || c == u'+' ||
        c.unicode() == kRetroceso)
        return c;
    return std::nullopt;
}

std::optional<QChar> filtrarTeclaEntera(QChar c) {
    if ((c >= u'0' && c <= u'9') || c.unicode() == kRetroceso)
        return c;
    return std::nullopt;
}

namespace {

bool esDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Integer part with optional grouping: either plain digits, or 1-3 digits followed by groups
// of ".ddd". Appends the digits to out; returns the position after the part.
qsizetype leerEntero(QStringView s, qsizetype i, std::string &out, bool &hayDigitos) {
    const qsizetype inicio = i;
    while (i < s.size() && esDigito(s[i]))
        out.push_back(char(s[i++].unicode()));
    const qsizetype primeros = i - inicio;
    if (i < s.size() && s[i] == u'.') {
        // A point separates groups of three only, after one to three leading digits.
        if (primeros < 1 || primeros > 3)
            return -1;
        while (i < s.size() && s[i] == u'.') {
            ++i;
            for (int k = 0; k < 3; ++k, ++i) {
                if (i >= s.size() || !esDigito(s[i]))
                    return -1;
                out.push_back(char(s[i].unicode()));
            }
        }
        if (i < s.size() && esDigito(s[i]))
            return -1;
    }
    hayDigitos = hayDigitos || i > inicio;
    return i;
}

// Digits after a decimal comma at `i`, if there is one; returns the position after them.
qsizetype leerFraccion(QStringView s, qsizetype i, std::string &out, bool &hayDigitos) {
    if (i >= s.size() || s[i] != u',')
        return i;
    ++i;
    while (i < s.size() && esDigito(s[i])) {
        out.push_back(char(s[i++].unicode()));
        hayDigitos = true;
    }
    return i;
}

// An exponent ("e-5", "E+04") at `i`, if there is one; -1 for an "e" without digits. Absurd
// exponents are clamped: their outcome (zero or overflow) is the same.
qsizetype leerExponente(QStringView s, qsizetype i, long long &exponente) {
    if (i >= s.size() || (s[i] != u'e' && s[i] != u'E'))
        return i;
    ++i;
    const bool negativo = i < s.size() && s[i] == u'-';
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    std::string digitos;
    while (i < s.size() && esDigito(s[i]))
        digitos.push_back(char(s[i++].unicode()));
    if (digitos.empty())
        return -1;
    digitos.erase(0, std::min(digitos.find_first_not_of('0'), digitos.size() - 1));
    exponente = digitos.size() > 6 ? 999999 : std::stoll(digitos);
    if (negativo)
        exponente = -exponente;
    return i;
}

// The parts of a number as read, before conversion.
struct Partes {
    bool negativo = false;
    std::string entero;
    std::string fraccion;
    long long exponente = 0;
};

std::optional<double> convertir(const Partes &p) {
    std::string num = p.negativo ? "-" : "";
    num += p.entero.empty() ? std::string("0") : p.entero;
    if (!p.fraccion.empty()) {
        num += '.';
        num += p.fraccion;
    }
    if (p.exponente != 0) {
        num += 'e';
        num += std::to_string(p.exponente);
    }
    double valor = 0;
    const char *ultimo = num.data() + num.size();
    const auto [ptr, ec] = std::from_chars(num.data(), ultimo, valor);
    if (ec == std::errc::result_out_of_range) {
        // Tell underflow from overflow by the decimal magnitude of the text.
        const std::string digitos = p.entero + p.fraccion;
        const auto nz = digitos.find_first_not_of('0');
        const long long magnitud = nz == std::string::npos
                                       ? -1
                                       : static_cast<long long>(p.entero.size()) - 1 -
                                             static_cast<long long>(nz) + p.exponente;
        if (magnitud < 0)
            return p.negativo ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != ultimo || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

} // namespace

std::optional<double> leerNumero(QStringView texto) {
    const QStringView s = texto.trimmed();
    Partes p;
    qsizetype i = 0;
    if (i < s.size() && s[i] == u'-') {
        p.negativo = true;
        ++i;
    }
    bool hayDigitos = false;
    i = leerEntero(s, i, p.entero, hayDigitos);
    if (i < 0)
        return std::nullopt;
    i = leerFraccion(s, i, p.fraccion, hayDigitos);
    if (!hayDigitos)
        return std::nullopt;
    i = leerExponente(s, i, p.exponente);
    if (i != s.size())
        return std::nullopt;
    return convertir(p);
}

namespace {

// Groups the integer digits of a C-formatted number by three with points and turns its decimal
// point into a comma.
QString agruparConComa(const std::string &c) {
    std::string signo, entero, resto;
    std::size_t i = 0;
    if (!c.empty() && c[0] == '-') {
        signo = "-";
        i = 1;
    }
    const std::size_t punto = c.find('.', i);
    entero = c.substr(i, punto == std::string::npos ? std::string::npos : punto - i);
    if (punto != std::string::npos) {
        resto = ',';
        resto += c.substr(punto + 1);
    }
    std::string agrupado;
    const std::size_t n = entero.size();
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0)
            agrupado.push_back('.');
        agrupado.push_back(entero[k]);
    }
    return QString::fromLatin1(signo + agrupado + resto);
}

bool todoCeros(const std::string &s) {
    for (char ch : s)
        if (ch != '0' && ch != '.' && ch != '-')
            return false;
    return true;
}

std::string imprimir(const char *formato, int precision, double x) {
    std::array<char, 512> buf{};
    const int n = std::snprintf(buf.data(), buf.size(), formato, precision, x);
    if (n > 0 && static_cast<std::size_t>(n) < buf.size())
        return std::string(buf.data(), static_cast<std::size_t>(n));
    std::string grande(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(grande.data(), grande.size(), formato, precision, x);
    grande.resize(static_cast<std::size_t>(n));
    return grande;
}

// "1.23450e+04" -> "1,23450e+4": decimal comma, exponent with as few digits as it needs.
QString cientifico(double x) {
    std::string c = imprimir("%.*e", 5, x);
    const std::size_t e = c.find('e');
    std::string mantisa = c.substr(0, e);
    const char signo = c[e + 1];
    std::string exp = c.substr(e + 2);
    const std::size_t nz = exp.find_first_not_of('0');
    exp = nz == std::string::npos ? "0" : exp.substr(nz);
    if (todoCeros(mantisa) && mantisa[0] == '-')
        mantisa.erase(0, 1);
    for (char &ch : mantisa)
        if (ch == '.')
            ch = ',';
    return QString::fromLatin1(mantisa + "e" + signo + exp);
}

} // namespace

std::optional<QString> formatoFijo(double x, int decimales) {
    if (!std::isfinite(x))
        return std::nullopt;
    std::string c = imprimir("%.*f", decimales, x);
    if (todoCeros(c) && c[0] == '-')
        c.erase(0, 1); // a value that rounds to zero shows no sign
    const bool negativo = c[0] == '-';
    const std::size_t d = negativo ? 1 : 0;
    if (c.size() > d + 1 && c[d] == '0' && c[d + 1] == '.')
        c.erase(d, 1); // no leading zero below 1
    return agruparConComa(c);
}

std::optional<QString> formatoPlano(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    if (x == 0)
        return QStringLiteral("0");
    // Fifteen digits, unless they round beyond the largest double (then more are kept, so that
    // the text still reads back).
    for (int digitos : {15, 17}) {
        std::string c = imprimir("%.*G", digitos, x);
        for (char &ch : c)
            if (ch == '.')
                ch = ',';
        QString t = QString::fromLatin1(c);
        if (digitos == 17 || leerNumero(t))
            return t;
    }
    return std::nullopt;
}

std::optional<QString> formatoSignificativo(double x, int cifras) {
    if (!std::isfinite(x) || cifras < 1 || cifras > 17)
        return std::nullopt;
    if (x == 0)
        return QStringLiteral("0");
    // The exponent after rounding to the digits kept: 9,9999996 with six digits is 10,0000.
    const std::string e = imprimir("%.*e", cifras - 1, x);
    const int exponente = std::atoi(e.c_str() + e.find('e') + 1);
    if (exponente < -4 || exponente >= 15) {
        std::string c = imprimir("%.*E", cifras - 1, x);
        const std::size_t pe = c.find('E');
        const char signo = c[pe + 1];
        std::string exp = c.substr(pe + 2);
        if (exp.size() < 2)
            exp = std::string(1, '0') + exp;
        c = c.substr(0, pe + 1) + signo + exp;
        for (char &ch : c)
            if (ch == '.')
                ch = ',';
        return QString::fromLatin1(c);
    }
    std::string c = imprimir("%.*f", std::max(0, cifras - 1 - exponente), x);
    if (todoCeros(c) && c[0] == '-')
        c.erase(0, 1);
    return agruparConComa(c);
}

QString FormatoResultado(double x) {
    if (!std::isfinite(x))
        return {};
    int decimales = -1;
    if (x >= 10000)
        decimales = -1;
    else if (x >= 1000)
        decimales = 3;
    else if (x >= 100)
        decimales = 4;
    else if (x >= 1)
        decimales = 5;
    else if (x >= 0.1)
        decimales = 6;
    if (decimales < 0) {
        // A mantissa rounded beyond the largest double is no readable number: show nothing.
        QString t = cientifico(x);
        return leerNumero(t) ? t : QString();
    }
    std::string c = imprimir("%.*f", decimales, x);
    for (char &ch : c)
        if (ch == '.')
            ch = ',';
    return QString::fromLatin1(c);
}

QString sinCerosFinales(const QString &texto) {
    const qsizetype e = texto.indexOf(u'E');
    QString mantisa = e < 0 ? texto : texto.left(e);
    const QString exponente = e < 0 ? QString() : texto.mid(e);
    if (mantisa.contains(u',')) {
        while (mantisa.endsWith(u'0'))
            mantisa.chop(1);
        if (mantisa.endsWith(u','))
            mantisa.chop(1);
    }
    return mantisa + exponente;
}

} // namespace vorlo
