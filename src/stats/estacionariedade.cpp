// F and t tests of homogeneity. Critical values from the two-decimal printed tables (computed by
// tools/tabelas_criticas.py).
#include "estacionariedade.h"

#include "core/erros.h"
#include "core/formato.h"

#include <cmath>
#include <numeric>

namespace corvel {

namespace {
#include "tabelascriticas.inc"

int coluna(NivelSignificancia n) {
    return n == NivelSignificancia::Um ? 0 : 1;
}

// Row of a degree of freedom in a table whose rows run 1..limite, then 40, 60, 120, infinity.
int linhaGraus(int nu, int limite, std::initializer_list<int> seguintes) {
    if (nu <= limite) return nu - 1;
    int i = limite;
    for (int g : seguintes) {
        if (nu <= g) return i;
        ++i;
    }
    return i; // infinity
}

const QString kVarianciaZero = QStringLiteral("Ocorreu um erro. Variância da série igual a 0.");

std::vector<double> valores(const std::vector<DadoEntrada>& dados) {
    std::vector<double> v;
    for (const DadoEntrada& d : dados)
        if (d.valor) v.push_back(*d.valor);
    return v;
}

QString periodo(int a1, int a2, int b1, int b2) {
    return QStringLiteral("De %1 a %2 com %3 a %4").arg(a1).arg(a2).arg(b1).arg(b2);
}

LinhaEstacionariedade linha(const QString& rotulo, const Homogeneidade& h) {
    return {rotulo, h.variancias, h.medias, h.varianciaA, h.varianciaB, h.mediaA, h.mediaB};
}

Mensagem aviso(const QString& texto) {
    return {Gravidade::Aviso, texto};
}
Mensagem mensagemDe(const Erro& e) {
    return {e.gravidade(), e.mensagem()};
}
} // namespace

QString textoHipotese(bool homogenea) {
    return homogenea ? QStringLiteral("Aceita") : QStringLiteral("Rejeita");
}

std::array<int, 6> selecaoInicial(int k) {
    const int meio = (k - 1) / 2;
    return {0, k - 1, 0, meio, meio + 1, k - 1};
}

double MediaAmostral(std::span<const double> x) {
    return std::accumulate(x.begin(), x.end(), 0.0) / static_cast<double>(x.size());
}

double VarianciaAmostral(std::span<const double> x) {
    const double m = MediaAmostral(x);
    double s = 0;
    for (double v : x)
        s += (v - m) * (v - m);
    return s / static_cast<double>(x.size() - 1);
}

double ValorCriticoT(int nu, NivelSignificancia nivel) {
    if (nu < 1) throw Erro(QStringLiteral("São necessário no mínimo duas amostras para calcular."));
    return kTabelaT[linhaGraus(nu, 30, {40, 60, 120})][coluna(nivel)];
}

double ValorCriticoF(int nA, int nB, NivelSignificancia nivel) {
    const int nu1 = nA - 1, nu2 = nB - 1;
    if (nu1 < 1)
        throw Erro(
            QStringLiteral("São necessário no mínimo duas amostras da série A para calcular."));
    if (nu2 < 1)
        throw Erro(
            QStringLiteral("São necessário no mínimo duas amostras da série B para calcular."));
    const int l = linhaGraus(nu1, 16, {20, 24, 30, 40, 60, 120});
    const int c = linhaGraus(nu2, 30, {40, 60, 120});
    return nivel == NivelSignificancia::Um ? kTabelaF1[l][c] : kTabelaF5[l][c];
}

int grausLiberdadeWelch(double varianciaA, int nA, double varianciaB, int nB) {
    const double x = varianciaA / nA, y = varianciaB / nB;
    const double nu = (x + y) * (x + y) / (x * x / (nA - 1) + y * y / (nB - 1));
    return static_cast<int>(arredondarParaPar(nu));
}

Homogeneidade TestarHomogeneidade(std::span<const double> a, std::span<const double> b,
                                  NivelSignificancia nivel) {
    Homogeneidade h;
    const int nA = static_cast<int>(a.size()), nB = static_cast<int>(b.size());
    h.mediaA = MediaAmostral(a);
    h.mediaB = MediaAmostral(b);
    h.varianciaA = VarianciaAmostral(a);
    h.varianciaB = VarianciaAmostral(b);
    // A zero variance on either side leaves the variance ratio undefined.
    if (h.varianciaB == 0 || h.varianciaA == 0) throw Erro(kVarianciaZero);
    double f = h.varianciaA / h.varianciaB;
    double fc = 0;
    if (f >= 1) {
        fc = ValorCriticoF(nA, nB, nivel);
    } else {
        f = 1 / f;
        fc = ValorCriticoF(nB, nA, nivel);
    }
    h.variancias = f < fc;
    double t = 0;
    if (h.variancias) {
        const double sp2 = ((nA - 1) * h.varianciaA + (nB - 1) * h.varianciaB) / (nA + nB - 2);
        h.grausLiberdade = nA + nB - 2;
        t = (h.mediaA - h.mediaB) / std::sqrt((1.0 / nA + 1.0 / nB) * sp2);
    } else {
        h.grausLiberdade = grausLiberdadeWelch(h.varianciaA, nA, h.varianciaB, nB);
        t = (h.mediaA - h.mediaB) / std::sqrt(h.varianciaA / nA + h.varianciaB / nB);
    }
    h.medias = std::fabs(t) < ValorCriticoT(h.grausLiberdade, nivel);
    return h;
}

std::vector<DadoEntrada> lerSerieEstacionariedade(const QByteArray& conteudo) {
    std::vector<DadoEntrada> dados;
    const QStringList linhas = QString::fromLatin1(conteudo).split(u'\n');
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QStringList campos = linhas[i].trimmed().split(u';');
        if (campos.size() < 2) continue;
        double valor = 0;
        try {
            valor = lerReal(campos[1]);
        } catch (const ErroConversao&) {
            continue; // a title line
        }
        const QString rotulo = campos[0].trimmed();
        QDate data;
        if (rotulo.contains(u'/') && rotulo.count(u'/') == 2) {
            try {
                data = lerData(rotulo);
            } catch (const ErroConversao&) {
            }
        } else {
            // "1990" or a hydrological year "1990/1991": the year it begins.
            bool ok = false;
            const int ano = rotulo.left(4).toInt(&ok);
            if (ok && (rotulo.size() == 4 || rotulo[4] == u'/')) data = QDate(ano, 1, 1);
        }
        if (!data.isValid())
            throw ErroConversao(
                QStringLiteral("linha %1: '%2' não é uma data válida").arg(i + 1).arg(rotulo));
        dados.push_back({data, rotulo, valor});
    }
    return dados;
}

std::vector<DadoEntrada> filtrarPeriodo(const std::vector<DadoEntrada>& dados, QDate inicio,
                                        QDate fim) {
    std::vector<DadoEntrada> r;
    for (const DadoEntrada& d : dados)
        if (d.data >= inicio && d.data <= fim) r.push_back(d);
    return r;
}

ResultadoEstacionariedade testeContinuo(const std::vector<DadoEntrada>& dados, QDate inicio,
                                        QDate fim, NivelSignificancia nivel) {
    ResultadoEstacionariedade r;
    if (fim <= inicio) {
        r.mensagem = aviso(QStringLiteral("Período incorreto"));
        return r;
    }
    const std::vector<DadoEntrada> periodoEscolhido = filtrarPeriodo(dados, inicio, fim);
    if (periodoEscolhido.size() < 10) {
        r.mensagem =
            aviso(QStringLiteral("Período incorreto. Escolha um período de no mínimo 10 anos para "
                                 "dados anuais ou 10 meses para dados mensais."));
        return r;
    }
    std::vector<DadoEntrada> s;
    for (const DadoEntrada& d : periodoEscolhido)
        if (d.valor) s.push_back(d);
    const std::vector<double> v = valores(s);
    r.refeito = true;
    const int n = static_cast<int>(s.size());
    for (int k = 1; k <= n - 9; ++k) {
        const auto corte = static_cast<std::size_t>(k + 4);
        try {
            const Homogeneidade h =
                TestarHomogeneidade(std::span(v).first(corte), std::span(v).subspan(corte), nivel);
            r.linhas.push_back(linha(periodo(s[0].data.year(), s[corte - 1].data.year(),
                                             s[corte].data.year(), s.back().data.year()),
                                     h));
        } catch (const Erro& e) {
            r.mensagem = mensagemDe(e); // the rows already tested stay
            break;
        }
    }
    return r;
}

ResultadoEstacionariedade testePersonalizado(const std::vector<DadoEntrada>& dados, QDate inicio1,
                                             QDate fim1, QDate inicio2, QDate fim2,
                                             NivelSignificancia nivel) {
    ResultadoEstacionariedade r;
    if (fim1 <= inicio1)
        r.mensagem = aviso(QStringLiteral("Período incorreto para série 1"));
    else if (fim2 <= inicio2)
        r.mensagem = aviso(QStringLiteral("Período incorreto para série 2"));
    else if (inicio2 <= fim1)
        r.mensagem =
            aviso(QStringLiteral("Período incorreto. A série 2 tem que iniciar em uma data "
                                 "posterior ao fim da série 1"));
    if (r.mensagem) return r;
    const auto serie1 = filtrarPeriodo(dados, inicio1, fim1);
    if (serie1.size() < 5) {
        r.mensagem =
            aviso(QStringLiteral("Período incorreto. Escolha um período de no mínimo 5 anos para "
                                 "dados anuais ou 5 meses para dados mensais para a série 1."));
        return r;
    }
    const auto serie2 = filtrarPeriodo(dados, inicio2, fim2);
    if (serie2.size() < 5) {
        r.mensagem =
            aviso(QStringLiteral("Período incorreto. Escolha um período de no mínimo 5 anos para "
                                 "dados anuais ou 5 meses para dados mensais para a série b."));
        return r;
    }
    r.refeito = true;
    const std::vector<double> a = valores(serie1), b = valores(serie2);
    try {
        r.linhas.push_back(linha(periodo(inicio1.year(), fim1.year(), inicio2.year(), fim2.year()),
                                 TestarHomogeneidade(a, b, nivel)));
    } catch (const Erro& e) {
        r.mensagem = mensagemDe(e);
    }
    return r;
}

} // namespace corvel
