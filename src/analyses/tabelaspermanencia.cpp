// Texts, chart points and reports of the flow-duration curves.
#include "tabelaspermanencia.h"

#include "core/tabelaserie.h"

#include "core/formato.h"

namespace corvel {

namespace {

constexpr char16_t kQuatroCasas[] = u"###,###,##0.0000";
const QString kVazao = QStringLiteral("Vazão (m³/s)");

// The six lines a CSV export writes before its titles.
std::vector<QString> linhasAntes(const char* titulo) {
    const QString vazia = QStringLiteral("  ;");
    return {vazia, vazia, QStringLiteral("  ") + QString::fromUtf8(titulo), vazia, vazia, vazia};
}

QString numero(double v, FormaTexto forma, QStringView padrao) {
    switch (forma) {
    case FormaTexto::Csv:
        return formatarGeral(v);
    case FormaTexto::CsvTodosOsDigitos:
        return formatarCompleto(v);
    case FormaTexto::Grade:
        break;
    }
    return formatarVazao(v, padrao);
}

QString opcional(const std::optional<double>& v, QStringView padrao) {
    return v ? formatarNumero(*v, padrao) : QString();
}

} // namespace

TabelaExibida dadosEntradaPermanencia(const SerieTabela& considerados) {
    return tabelaDaSerie(considerados);
}

TabelaTexto tabelaDadosPermanencia(const SerieTabela& considerados) {
    const TabelaExibida t = dadosEntradaPermanencia(considerados);
    return {{}, rotulos(t), textos(t)};
}

QString textoIntervaloClasse(const ClassePermanencia& c) {
    return formatarVazao(c.max, u"0.000") + QStringLiteral("  -  ") +
           formatarVazao(c.min, u"0.000");
}

TabelaTexto tabelaClasses(const std::vector<ClassePermanencia>& classes, FormaTexto forma) {
    TabelaTexto t;
    if (ehCsv(forma)) t.linhasAntes = linhasAntes("Vazões X Permanência - Classes");
    t.titulos = {QStringLiteral("Classe"),
                 QStringLiteral("Intervalo de classe (m³/s)"),
                 QStringLiteral("Vazão máx. (m³/s)"),
                 QStringLiteral("Vazão mín. (m³/s)"),
                 QStringLiteral("Núm. dias"),
                 QStringLiteral("Frequência (%)"),
                 QStringLiteral("Freq. acumulada (%)")};
    for (const ClassePermanencia& c : classes)
        t.linhas.push_back({QString::number(c.id), textoIntervaloClasse(c),
                            numero(c.max, forma, kQuatroCasas), numero(c.min, forma, kQuatroCasas),
                            numero(c.freq, forma, u"###,###,##0"),
                            numero(c.fx, forma, kQuatroCasas), numero(c.f, forma, kQuatroCasas)});
    return t;
}

TabelaTexto tabelaReferenciasClasses(const std::vector<ReferenciaClasse>& referencias,
                                     FormaTexto forma) {
    TabelaTexto t;
    if (ehCsv(forma)) t.linhasAntes = linhasAntes("Vazões X Permanência - classes");
    t.titulos = {QStringLiteral("Permanência (%)"), kVazao};
    for (const ReferenciaClasse& r : referencias)
        t.linhas.push_back({QString::number(r.permanencia),
                            r.vazao ? numero(*r.vazao, forma, kQuatroCasas) : QStringLiteral("-")});
    return t;
}

TabelaTexto tabelaContinua(const std::vector<PontoPermanencia>& curva, FormaTexto forma) {
    TabelaTexto t;
    if (ehCsv(forma)) t.linhasAntes = linhasAntes("Vazões X Permanência - contínua");
    t.titulos = {kVazao, QStringLiteral("Permanência (%)")};
    t.linhas.reserve(curva.size());
    for (const PontoPermanencia& p : curva)
        t.linhas.push_back(
            {numero(p.valor, forma, u"0.0000"), numero(p.permanencia, forma, u"0.00")});
    return t;
}

TabelaTexto tabelaReferenciasContinua(const std::vector<ReferenciaContinua>& referencias,
                                      FormaTexto forma) {
    TabelaTexto t;
    if (ehCsv(forma)) t.linhasAntes = linhasAntes("Vazões X Permanência - Contínua");
    t.titulos = {QStringLiteral("Permanência(%)"), kVazao};
    for (const ReferenciaContinua& r : referencias)
        t.linhas.push_back({QString::number(r.permanencia),
                            r.vazao ? numero(*r.vazao, forma, u"0.0000") : QStringLiteral("-")});
    return t;
}

namespace {

// The spreadsheet columns: the CSV titles with the type of each column.
TabelaExibida planilha(const TabelaTexto& textos, std::initializer_list<TipoCampo> tipos) {
    TabelaExibida t;
    auto tipo = tipos.begin();
    for (const QString& titulo : textos.titulos)
        t.colunas.push_back({titulo, *tipo++});
    return t;
}

Valor inteiro(int v) {
    return Valor(static_cast<qint64>(v));
}

Valor real(const std::optional<double>& v) {
    return v ? Valor(*v) : Valor();
}

} // namespace

TabelaExibida planilhaClasses(const std::vector<ClassePermanencia>& classes) {
    using enum TipoCampo;
    TabelaExibida t = planilha(tabelaClasses({}, FormaTexto::Csv),
                               {Inteiro, Texto, Real, Real, Inteiro, Real, Real});
    t.linhas.reserve(classes.size());
    for (const ClassePermanencia& c : classes)
        t.linhas.push_back(
            {inteiro(c.id), textoIntervaloClasse(c), c.max, c.min, inteiro(c.freq), c.fx, c.f});
    return t;
}

TabelaExibida planilhaReferenciasClasses(const std::vector<ReferenciaClasse>& referencias) {
    TabelaExibida t = planilha(tabelaReferenciasClasses({}, FormaTexto::Csv),
                               {TipoCampo::Inteiro, TipoCampo::Real});
    for (const ReferenciaClasse& r : referencias)
        t.linhas.push_back({inteiro(r.permanencia), real(r.vazao)});
    return t;
}

TabelaExibida planilhaContinua(const std::vector<PontoPermanencia>& curva) {
    TabelaExibida t =
        planilha(tabelaContinua({}, FormaTexto::Csv), {TipoCampo::Real, TipoCampo::Real});
    t.linhas.reserve(curva.size());
    for (const PontoPermanencia& p : curva)
        t.linhas.push_back({p.valor, p.permanencia});
    return t;
}

TabelaExibida planilhaReferenciasContinua(const std::vector<ReferenciaContinua>& referencias) {
    TabelaExibida t = planilha(tabelaReferenciasContinua({}, FormaTexto::Csv),
                               {TipoCampo::Inteiro, TipoCampo::Real});
    for (const ReferenciaContinua& r : referencias)
        t.linhas.push_back({inteiro(r.permanencia), real(r.vazao)});
    return t;
}

RelatorioTexto relatorioReferenciasClasses(const std::vector<ReferenciaClasse>& referencias) {
    RelatorioTexto r{QStringLiteral("Curva de permanência - Vazões X Permanência (com classes)"),
                     {QStringLiteral("%"), QStringLiteral("Vazão máx. (m³/s)"),
                      QStringLiteral("Vazão mín. (m³/s)"), QStringLiteral("Freq. máx. (%)"),
                      QStringLiteral("Freq. mín. (%)"), kVazao},
                     {}};
    for (const ReferenciaClasse& x : referencias)
        r.linhas.push_back(
            {QString::number(x.permanencia), opcional(x.max, kQuatroCasas),
             opcional(x.min, kQuatroCasas), opcional(x.fmax, kQuatroCasas),
             opcional(x.fmin, kQuatroCasas),
             x.vazao ? formatarNumero(*x.vazao, kQuatroCasas) : QStringLiteral("-")});
    return r;
}

RelatorioTexto relatorioClasses(const std::vector<ClassePermanencia>& classes) {
    RelatorioTexto r{QStringLiteral("Curva de permanência - Análise de frequência (com classes)"),
                     {QStringLiteral("Classe"), QStringLiteral("Vazão Máx. (m³/s)"),
                      QStringLiteral("Vazão Mín. (m³/s)"), QStringLiteral("Núm. dias"),
                      QStringLiteral("Frequência"), QStringLiteral("F. acumulada")},
                     {}};
    for (const ClassePermanencia& c : classes)
        r.linhas.push_back({QString::number(c.id), formatarNumero(c.max, kQuatroCasas),
                            formatarNumero(c.min, kQuatroCasas),
                            formatarNumero(c.freq, u"###,###,##0"),
                            formatarNumero(c.fx, kQuatroCasas), formatarNumero(c.f, kQuatroCasas)});
    return r;
}

RelatorioTexto relatorioReferenciasContinua(const std::vector<ReferenciaContinua>& referencias) {
    RelatorioTexto r{QStringLiteral("Curva de permanência - Vazões X Permanência (contínua)"),
                     {QStringLiteral("Permanência%"), kVazao, {}, {}, {}, {}},
                     {}};
    for (const ReferenciaContinua& x : referencias)
        r.linhas.push_back({QString::number(x.permanencia),
                            x.vazao ? formatarNumero(*x.vazao, u"0.0000") : QStringLiteral("-"),
                            {},
                            {},
                            {},
                            {}});
    return r;
}

RelatorioTexto relatorioContinua(const std::vector<PontoPermanencia>& curva) {
    RelatorioTexto r{QStringLiteral("Curva de permanência - Análise de frequência (contínua)"),
                     {QStringLiteral("Permanência%"), kVazao, {}, {}, {}, {}},
                     {}};
    r.linhas.reserve(curva.size());
    for (const PontoPermanencia& p : curva)
        r.linhas.push_back({formatarNumero(p.permanencia, u"0.00"),
                            formatarNumero(p.valor, u"0.0000"),
                            {},
                            {},
                            {},
                            {}});
    return r;
}

QString periodoPermanencia(const SerieTabela& considerados) {
    if (considerados.vazia()) return {};
    return considerados[0].mes() + QStringLiteral(" - ") +
           considerados[considerados.tamanho() - 1].mes();
}

GraficoPermanencia graficoClasses(const std::vector<ClassePermanencia>& classes) {
    GraficoPermanencia g;
    g.pontos.reserve(classes.size());
    for (const ClassePermanencia& c : classes)
        g.pontos.emplace_back(c.f, c.max);
    return g;
}

GraficoPermanencia graficoContinua(const std::vector<PontoPermanencia>& curva) {
    GraficoPermanencia g;
    g.pontos.reserve(curva.size());
    for (const PontoPermanencia& p : curva)
        g.pontos.emplace_back(p.permanencia, p.valor);
    return g;
}

std::vector<QPointF> pontosNaEscala(const GraficoPermanencia& grafico, bool logaritmica) {
    if (!logaritmica) return grafico.pontos;
    std::vector<QPointF> r;
    r.reserve(grafico.pontos.size());
    for (const QPointF& p : grafico.pontos)
        if (p.y() > 0) r.push_back(p);
    return r;
}

} // namespace corvel
