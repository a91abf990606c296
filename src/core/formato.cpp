// Number and date texts with the decimal comma, independent of the C and Qt locales.
#include "formato.h"

#include "erros.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <string>

namespace corvel {

namespace {

struct Picture {
    QString prefixo, sufixo;
    int minInteiros = 0;
    int minDecimais = 0;
    int maxDecimais = 0;
    bool milhares = false;
};

bool ehMarcador(QChar c) { return c == u'0' || c == u'#' || c == u'.' || c == u','; }

Picture analisar(QStringView padrao) {
    Picture p;
    qsizetype inicio = 0;
    while (inicio < padrao.size() && !ehMarcador(padrao[inicio]))
        ++inicio;
    qsizetype fim = padrao.size();
    while (fim > inicio && !ehMarcador(padrao[fim - 1]))
        --fim;
    p.prefixo = padrao.left(inicio).toString();
    p.sufixo = padrao.mid(fim).toString();
    bool depoisDoPonto = false;
    for (qsizetype i = inicio; i < fim; ++i) {
        const QChar c = padrao[i];
        if (c == u'.') {
            depoisDoPonto = true;
        } else if (c == u',') {
            if (!depoisDoPonto)
                p.milhares = true;
        } else if (depoisDoPonto) {
            ++p.maxDecimais;
            if (c == u'0')
                p.minDecimais = p.maxDecimais;
        } else if (c == u'0') {
            ++p.minInteiros;
        }
    }
    return p;
}

// Adds one unit in the last digit of a text of digits and at most one '.'.
void incrementar(std::string& s) {
    for (auto i = static_cast<std::ptrdiff_t>(s.size()) - 1; i >= 0; --i) {
        if (s[i] == '.')
            continue;
        if (s[i] < '9') {
            ++s[i];
            return;
        }
        s[i] = '0';
    }
    s.insert(s.begin(), '1');
}

// Exact fixed-point digits of a finite, non-negative double; never the C library's locale.
std::string digitosFixos(double absoluto, int decimais) {
    std::array<char, 400> buf{};
    const auto fim = std::to_chars(buf.data(), buf.data() + buf.size(), absoluto,
                                   std::chars_format::fixed, decimais)
                         .ptr;
    return std::string(buf.data(), fim);
}

// |valor| with exactly `decimais` decimals, rounded exactly from the stored double.
std::string fixo(double absoluto, int decimais, Arredondamento modo) {
    // A true tie at `decimais` places is a double for which absoluto * 2^(decimais+1) is an odd
    // integer; only then has the exact value d+1 decimals ending in 5, and the library's own tie rule
    // (to even) must be overridden.
    const double escalado = std::ldexp(absoluto, decimais + 1);
    const bool empate = escalado < 9.0e15 && std::floor(escalado) == escalado &&
                        std::fmod(escalado, 2.0) == 1.0;
    if (!empate)
        return digitosFixos(absoluto, decimais);
    std::string s = digitosFixos(absoluto, decimais + 1); // exact here
    s.pop_back(); // the final '5'
    if (decimais == 0)
        s.pop_back(); // the '.'
    const char ultimo = s.back();
    const bool impar = (ultimo - '0') % 2 == 1;
    if (modo == Arredondamento::MetadeLongeDoZero || impar)
        incrementar(s);
    return s;
}

QString agrupar(const QString& inteiros) {
    QString r;
    const qsizetype n = inteiros.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += u'.';
        r += inteiros[i];
    }
    return r;
}

[[noreturn]] void falhaReal(QStringView texto) {
    throw ErroConversao(QStringLiteral("'%1' não é um valor de ponto flutuante válido")
                            .arg(texto.toString()));
}

} // namespace

QString formatarNumero(double valor, QStringView padrao, Arredondamento modo) {
    if (std::isnan(valor))
        return QStringLiteral("NAN");
    if (std::isinf(valor))
        return valor > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const Picture p = analisar(padrao);
    const std::string s = fixo(std::fabs(valor), p.maxDecimais, modo);
    const auto ponto = s.find('.');
    QString inteiros = QString::fromLatin1(s.substr(0, ponto));
    QString decimais =
        ponto == std::string::npos ? QString() : QString::fromLatin1(s.substr(ponto + 1));
    while (decimais.size() > p.minDecimais && decimais.endsWith(u'0'))
        decimais.chop(1);
    const bool zero = std::none_of(s.begin(), s.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (inteiros == u"0" && p.minInteiros == 0)
        inteiros.clear();
    while (inteiros.size() < p.minInteiros)
        inteiros.prepend(u'0');
    if (p.milhares)
        inteiros = agrupar(inteiros);
    QString r;
    if (valor < 0 && !zero)
        r += u'-';
    r += p.prefixo + inteiros;
    if (!decimais.isEmpty())
        r += u',' + decimais;
    return r + p.sufixo;
}

QString formatarVazao(double valor, QStringView padrao) {
    const double a = std::fabs(valor);
    if (!std::isfinite(valor) || a >= 1 || a == 0) return formatarNumero(valor, padrao);
    constexpr int kSignificativos = 3, kMaximoDecimais = 6;
    const int decimais =
        std::min(kMaximoDecimais, kSignificativos - 1 - static_cast<int>(std::floor(std::log10(a))));
    const Picture p = analisar(padrao);
    if (decimais <= p.maxDecimais) return formatarNumero(valor, padrao);
    // The picture's integer part, then its fixed decimals and optional ones up to `decimais`.
    QString novo = padrao.first(padrao.indexOf(u'.') >= 0 ? padrao.indexOf(u'.')
                                                             : padrao.size() - p.sufixo.size())
                       .toString();
    // Fixed decimals stay fixed ("0,130" under "0.00"), optional ones optional.
    const int fixos = p.minDecimais == p.maxDecimais ? decimais : p.minDecimais;
    novo += u'.' + QString(fixos, u'0') + QString(decimais - fixos, u'#');
    return formatarNumero(valor, novo + p.sufixo);
}

QString formatarVazao(double valor, QStringView padrao, Digitos digitos) {
    return digitos == Digitos::Todos ? formatarCompleto(valor) : formatarVazao(valor, padrao);
}

QString formatarCompleto(double valor) {
    if (!std::isfinite(valor)) return formatarGeral(valor);
    std::array<char, 400> buf{};
    const auto fim =
        std::to_chars(buf.data(), buf.data() + buf.size(), valor, std::chars_format::fixed).ptr;
    QString r = QString::fromLatin1(buf.data(), fim - buf.data());
    r.replace(u'.', u',');
    return r == u"-0" ? QStringLiteral("0") : r;
}

QString formatarGeral(double valor) {
    if (std::isnan(valor))
        return QStringLiteral("NAN");
    if (std::isinf(valor))
        return valor > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (valor == 0.0)
        return QStringLiteral("0");
    // Flows mostly carry two decimals: when the double is the one nearest to a number of
    // hundredths, that number is exactly what 15 significant digits would show.
    if (const double centesimos = std::round(valor * 100);
        std::fabs(valor) < 1e13 && centesimos / 100 == valor) {
        const auto n = static_cast<long long>(std::fabs(centesimos));
        QString r = valor < 0 ? QStringLiteral("-") : QString();
        r += QString::number(n / 100);
        if (const long long fracao = n % 100; fracao != 0) {
            r += u',';
            r += QChar(u'0' + static_cast<char16_t>(fracao / 10));
            if (fracao % 10 != 0)
                r += QChar(u'0' + static_cast<char16_t>(fracao % 10));
        }
        return r;
    }
    std::array<char, 64> buf{};
    // Same digits as printf's %.14e, several times faster: exports format tens of thousands.
    const auto fim = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(valor),
                                   std::chars_format::scientific, 14)
                         .ptr;
    // d.dddddddddddddde[+-]xx
    const std::string s(buf.data(), fim);
    const auto e = s.find('e');
    std::string digitos = s.substr(0, 1) + s.substr(2, e - 2);
    const int expoente = std::stoi(s.substr(e + 1));
    while (digitos.size() > 1 && digitos.back() == '0')
        digitos.pop_back();
    QString r = valor < 0 ? QStringLiteral("-") : QString();
    if (expoente < -4 || expoente >= 15) {
        r += QLatin1Char(digitos[0]);
        if (digitos.size() > 1)
            r += u',' + QString::fromLatin1(digitos.substr(1));
        return r + u'E' + QString::number(expoente);
    }
    if (expoente < 0) {
        r += QStringLiteral("0,") + QString(-expoente - 1, u'0') + QString::fromLatin1(digitos);
        return r;
    }
    const auto nInteiros = static_cast<std::size_t>(expoente) + 1;
    if (digitos.size() <= nInteiros)
        return r + QString::fromLatin1(digitos) +
               QString(static_cast<qsizetype>(nInteiros - digitos.size()), u'0');
    return r + QString::fromLatin1(digitos.substr(0, nInteiros)) + u',' +
           QString::fromLatin1(digitos.substr(nInteiros));
}

long long arredondarParaPar(double valor) {
    const double chao = std::floor(valor);
    const double resto = valor - chao;
    if (resto > 0.5)
        return static_cast<long long>(chao) + 1;
    if (resto < 0.5)
        return static_cast<long long>(chao);
    const auto c = static_cast<long long>(chao);
    return c % 2 == 0 ? c : c + 1;
}

double lerReal(QStringView texto) {
    const QStringView t = texto.trimmed();
    std::string c;
    c.reserve(static_cast<std::size_t>(t.size()));
    // sign? digits [, digits] [E sign? digits], with at least one digit in the mantissa
    qsizetype i = 0;
    const auto n = t.size();
    auto digitos = [&] {
        const qsizetype antes = i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9')
            c += static_cast<char>(t[i++].unicode());
        return i - antes;
    };
    if (i < n && (t[i] == u'-' || t[i] == u'+'))
        c += static_cast<char>(t[i++].unicode());
    qsizetype mantissa = digitos();
    if (i < n && t[i] == u',') {
        c += '.';
        ++i;
        mantissa += digitos();
    }
    if (mantissa == 0)
        falhaReal(texto);
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        c += 'e';
        ++i;
        if (i < n && (t[i] == u'-' || t[i] == u'+'))
            c += static_cast<char>(t[i++].unicode());
        if (digitos() == 0)
            falhaReal(texto);
    }
    if (i != n)
        falhaReal(texto);
    if (c.front() == '+')
        c.erase(c.begin());
    double valor = 0;
    const auto [fim, erro] = std::from_chars(c.data(), c.data() + c.size(), valor);
    if (erro != std::errc() || fim != c.data() + c.size() || !std::isfinite(valor))
        falhaReal(texto);
    return valor;
}

long long lerInteiro(QStringView texto) {
    const QStringView t = texto.trimmed();
    bool ok = false;
    const long long v = t.toLongLong(&ok, 10);
    const bool soDigitos =
        !t.isEmpty() && std::all_of(t.begin() + ((t[0] == u'-' || t[0] == u'+') ? 1 : 0),
                                    t.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    if (!ok || !soDigitos)
        throw ErroConversao(
            QStringLiteral("'%1' não é um valor inteiro válido").arg(texto.toString()));
    return v;
}

QString formatarData(QDate data) { return data.toString(QStringLiteral("dd/MM/yyyy")); }

QString formatarDataHora(const QDateTime& valor) {
    return valor.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QDate lerData(QStringView texto) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const auto m = re.match(texto.trimmed().toString());
    QDate d;
    if (m.hasMatch())
        d = QDate(m.capturedView(3).toInt(), m.capturedView(2).toInt(), m.capturedView(1).toInt());
    if (!d.isValid())
        throw ErroConversao(QStringLiteral("'%1' não é uma data válida").arg(texto.toString()));
    return d;
}

void numerosDaBibliotecaCEmFormaPadrao() { std::setlocale(LC_NUMERIC, "C"); }

QString nomeMes(int mes) {
    static const std::array<const char*, 12> nomes = {
        "Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
        "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    if (mes < 1 || mes > 12)
        return QStringLiteral("?");
    return QString::fromUtf8(nomes[static_cast<std::size_t>(mes - 1)]);
}

QString rotuloMes(QDate data) { return nomeMes(data.month()) + u'/' + QString::number(data.year()); }

} // namespace corvel
