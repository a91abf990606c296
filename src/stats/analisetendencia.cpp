// The trend analysis of an input series and its rows of quantities.
#include "analisetendencia.h"

#include "core/erros.h"
#include "core/formato.h"

namespace corvel {

namespace {


using Grandeza = LinhaTendencia;

Grandeza numero(const char* nome, double v, QStringView padrao) {
    return {QString::fromUtf8(nome), v, formatarNumero(v, padrao)};
}
Grandeza texto(const char* nome, const QString& t) {
    return {QString::fromUtf8(nome), t, t};
}
Grandeza hipotese(const char* nome, bool rejeitada) {
    const QString t = textoHipotese(!rejeitada);
    return {QString::fromUtf8(nome), t, t, rejeitada};
}

QString confianca(NivelSignificancia nivel) {
    return nivel == NivelSignificancia::Um ? QStringLiteral("99%") : QStringLiteral("95%");
}

std::vector<Grandeza> grandezas(const AnaliseTendencia& a) {
    const MannKendall& mk = a.mannKendall;
    const Pettitt& pt = a.pettitt;
    std::vector<Grandeza> g = {
        numero("Número de valores", mk.n, u"0"), numero("Valores nulos", a.eventosNulos, u"0"),
        texto("Nível de significância",
              a.nivel == NivelSignificancia::Um ? QStringLiteral("1%") : QStringLiteral("5%")),
        numero("Mann-Kendall: S", mk.S, u"0"),
        numero("Mann-Kendall: variância de S", mk.varianciaS, u"0.00")};
    if (a.correcao == CorrecaoSerial::HamedRao)
        g.push_back(numero("Mann-Kendall: fator de correção serial (Hamed e Rao)", mk.fatorSerial,
                           u"0.0000"));
    const QString ic = confianca(a.nivel);
    g.insert(g.end(),
             {numero("Mann-Kendall: Z", mk.Z, u"0.0000"),
              numero("Mann-Kendall: valor-p", mk.p, u"0.0000"),
              numero("Tau de Kendall", mk.tau, u"0.0000"),
              hipotese("H0 (Sem tendência)", mk.tendencia),
              numero("Declividade de Sen (m³/s por ano)", a.sen.declividade, u"0.000000"),
              {QStringLiteral("Declividade de Sen: limite inferior (") + ic + u')', a.sen.inferior,
               formatarNumero(a.sen.inferior, u"0.000000")},
              {QStringLiteral("Declividade de Sen: limite superior (") + ic + u')', a.sen.superior,
               formatarNumero(a.sen.superior, u"0.000000")},
              numero("Reta de Sen no primeiro valor (m³/s)", a.sen.intercepto, u"0.0000"),
              numero("Pettitt: K", pt.K, u"0"),
              texto("Pettitt: último valor antes da mudança", a.rotuloMudanca),
              numero("Pettitt: valor-p", pt.p, u"0.0000"),
              hipotese("H0 (Sem mudança)", pt.mudanca),
              numero("Pettitt: média antes da mudança (m³/s)", pt.mediaAntes, u"0.0000"),
              numero("Pettitt: média depois da mudança (m³/s)", pt.mediaDepois, u"0.0000")});
    return g;
}

} // namespace

double anoDecimal(QDate data) {
    return data.year() + (data.dayOfYear() - 1) / static_cast<double>(data.daysInYear());
}

AnaliseTendencia analisarTendencia(const std::vector<DadoEntrada>& dados, NivelSignificancia nivel,
                                   CorrecaoSerial correcao) {
    AnaliseTendencia a;
    a.nivel = nivel;
    a.correcao = correcao;
    std::vector<double> x, t;
    for (const DadoEntrada& d : dados) {
        if (!d.valor) continue;
        a.dados.push_back(d);
        x.push_back(*d.valor);
        t.push_back(anoDecimal(d.data));
        a.eventosNulos += *d.valor == 0;
    }
    if (x.size() < static_cast<std::size_t>(kMinimoValoresTendencia))
        throw Erro(QStringLiteral("Período incorreto. Escolha um período de no mínimo 10 anos para "
                                  "dados anuais ou 10 meses para dados mensais."),
                   Gravidade::Aviso);
    a.anoInicial = t.front();
    for (double& ano : t)
        ano -= a.anoInicial;
    a.mannKendall = testeMannKendall(x, nivel, correcao);
    a.sen = declividadeSen(t, x, a.mannKendall.varianciaS, nivel);
    a.pettitt = testePettitt(x, nivel);
    a.rotuloMudanca = a.dados[static_cast<std::size_t>(a.pettitt.ponto) - 1].rotulo;
    return a;
}

double valorRetaSen(const AnaliseTendencia& a, QDate data) {
    return a.sen.intercepto + a.sen.declividade * (anoDecimal(data) - a.anoInicial);
}

std::vector<LinhaTendencia> resultadosTendencia(const AnaliseTendencia& a) {
    return grandezas(a);
}

GraficoTendencia graficoTendencia(const AnaliseTendencia& a) {
    GraficoTendencia g;
    for (const DadoEntrada& d : a.dados)
        g.valores.emplace_back(anoDecimal(d.data), *d.valor);
    const double inicio = g.valores.front().first, fim = g.valores.back().first;
    g.senInicio = {inicio, valorRetaSen(a, a.dados.front().data)};
    g.senFim = {fim, valorRetaSen(a, a.dados.back().data)};
    const auto k = static_cast<std::size_t>(a.pettitt.ponto);
    g.mudanca = (g.valores[k - 1].first + g.valores[k].first) / 2;
    g.trechoAntes = {inicio, g.valores[k - 1].first};
    g.trechoDepois = {g.valores[k].first, fim};
    g.mediaAntes = a.pettitt.mediaAntes;
    g.mediaDepois = a.pettitt.mediaDepois;
    return g;
}

std::vector<QString> titulosTendencia() {
    return {QStringLiteral("Grandeza"), QStringLiteral("Valor")};
}

std::vector<std::vector<QString>> linhasTendencia(const AnaliseTendencia& a) {
    std::vector<std::vector<QString>> r;
    for (const Grandeza& g : grandezas(a))
        r.push_back({g.grandeza, g.texto});
    return r;
}

TabelaExibida tabelaResultadosTendencia(const AnaliseTendencia& a) {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Grandeza"), TipoCampo::Texto},
                 {QStringLiteral("Valor"), TipoCampo::Texto}};
    for (const Grandeza& g : grandezas(a))
        t.linhas.push_back({g.grandeza, g.valor});
    return t;
}

relatorio::Relatorio relatorioTendencia(const AnaliseTendencia& a, const QString& tecnico,
                                        const QString& estacao) {
    relatorio::Relatorio r;
    r.titulo = QStringLiteral("RELATÓRIO TENDÊNCIA (NÃO PARAMÉTRICO)");
    r.cabecalho = {QStringLiteral("Técnico responsável: ") + tecnico,
                   QStringLiteral("Estação: ") + estacao,
                   QStringLiteral("Período: ") + a.dados.front().rotulo + QStringLiteral(" a ") +
                       a.dados.back().rotulo};
    r.colunas = {{QStringLiteral("Grandeza"), Qt::AlignLeft | Qt::AlignVCenter},
                 {QStringLiteral("Valor")}};
    r.linhas = linhasTendencia(a);
    r.notas = {QStringLiteral(
        "Onde H0 (Sem tendência) => Mann-Kendall: a série não tem tendência monotônica ao nível "
        "de significância; H0 (Sem mudança) => Pettitt: a série não muda de nível em nenhum ponto; "
        "a declividade de Sen é a mediana das declividades entre todos os pares de valores.")};
    r.rotuloPagina = QStringLiteral("Página : ");
    r.programa = QString::fromLatin1(kNomeProduto);
    return r;
}

} // namespace corvel
