// Texts and colours of the gap-filling window's tables, exports and report.
#include "tabelaspreenchimento.h"

#include "textospreenchimento.h"

#include "core/formato.h"

namespace corvel {

CorCelula corCelula(const MesPreenchimento& mes, int coluna) {
    if (!mes.preenchido) return CorCelula::Normal;
    if (coluna == 1) return CorCelula::Preenchido;
    if (mes.baseApoio == coluna) return CorCelula::Apoio;
    return CorCelula::Normal;
}

namespace {

QString fluxo(const std::optional<double>& v) {
    return v ? formatarVazao(*v, u"0.00") : QString();
}

} // namespace

GradeDadosMensais gradeDadosMensais(const ProjetoPreenchimento& projeto) {
    GradeDadosMensais g;
    g.grade.titulos.push_back(QStringLiteral("Datas"));
    for (const QString& t : projeto.titulos)
        g.grade.titulos.push_back(t);
    g.grade.linhas.reserve(projeto.meses.size());
    g.cores.reserve(projeto.meses.size());
    for (const MesPreenchimento& m : projeto.meses) {
        std::vector<QString> linha{rotuloMes(m.data)};
        std::vector<CorCelula> cores;
        for (int n = 1; n <= kMaximoEstacoes; ++n) {
            linha.push_back(fluxo(m.coluna(n)));
            cores.push_back(corCelula(m, n));
        }
        g.grade.linhas.push_back(std::move(linha));
        g.cores.push_back(std::move(cores));
    }
    return g;
}

GradeTexto gradeEstatisticas(const std::vector<EstatisticaEstacao>& estatisticas) {
    GradeTexto g{{QStringLiteral("Estação"), QStringLiteral("Dados Comuns"),
                  QStringLiteral("Validação"), QStringLiteral("Estação utilizada"),
                  QStringLiteral("Nº de dados preenchidos")},
                 {}};
    for (const EstatisticaEstacao& e : estatisticas)
        g.linhas.push_back({e.estacao, QString::number(e.dadosComuns), e.textoValidacao(),
                            e.textoUtilizado(), QString::number(e.nDadosPreenchidos)});
    return g;
}

GradeTexto gradeEscolhaEstacao(const std::vector<EstatisticaEstacao>& estatisticas,
                               const std::vector<std::size_t>& oferecidas) {
    GradeTexto g{{QStringLiteral("Estação"), QStringLiteral("Coef. de correlação (R²)"),
                  QStringLiteral("Dados Comuns"), QStringLiteral("Coef. angular (A)"),
                  QStringLiteral("Coef. Linear (B)"), QStringLiteral("Validação")},
                 {}};
    for (std::size_t i : oferecidas) {
        const EstatisticaEstacao& e = estatisticas[i];
        g.linhas.push_back({e.estacao, e.textoR2(), QString::number(e.dadosComuns), e.textoA(),
                            e.textoB(), e.textoValidacao()});
    }
    return g;
}

GradeTexto tabelaEstatisticasCompleta(const std::vector<EstatisticaEstacao>& estatisticas) {
    GradeTexto g{{QStringLiteral("Estação"), QStringLiteral("Coef. de correlação (R²)"),
                  QStringLiteral("Coef. angular (A)"), QStringLiteral("Coef. Linear (B)"),
                  QStringLiteral("Dados Comuns"), QStringLiteral("Validação"),
                  QStringLiteral("Estação utilizada"), QStringLiteral("Nº de dados preenchidos")},
                 {}};
    for (const EstatisticaEstacao& e : estatisticas)
        g.linhas.push_back({e.estacao, e.textoR2(), e.textoA(), e.textoB(),
                            QString::number(e.dadosComuns), e.textoValidacao(), e.textoUtilizado(),
                            QString::number(e.nDadosPreenchidos)});
    return g;
}

TabelaExibida tabelaExportacaoPreenchimento(const ProjetoPreenchimento& projeto) {
    TabelaExibida t;
    t.colunas = {{QStringLiteral("Datas"), TipoCampo::Texto},
                 {QStringLiteral("Data"), TipoCampo::DataHora},
                 {QStringLiteral("BaseApoio"), TipoCampo::Inteiro},
                 {QStringLiteral("Preenchido"), TipoCampo::Logico}};
    for (const QString& titulo : projeto.titulos)
        t.colunas.push_back({titulo, TipoCampo::Real});
    t.colunas.push_back({QStringLiteral("NumEstacoes"), TipoCampo::Inteiro});
    t.linhas.reserve(projeto.meses.size());
    for (const MesPreenchimento& m : projeto.meses) {
        std::vector<Valor> linha(t.colunas.size());
        linha[0] = rotuloMes(m.data);
        linha[1] = QDateTime(m.data, QTime(0, 0), Qt::UTC);
        if (m.baseApoio) linha[2] = qint64{*m.baseApoio};
        linha[3] = m.preenchido;
        for (int n = 1; n <= kMaximoEstacoes; ++n)
            if (const auto& v = m.coluna(n)) linha[static_cast<std::size_t>(3 + n)] = *v;
        t.linhas.push_back(std::move(linha));
    }
    return t;
}

relatorio::Relatorio relatorioPreenchimento(const ProjetoPreenchimento& projeto,
                                            const QString& tecnico) {
    relatorio::Relatorio r;
    relatorio::TirarGrade(r, 2);
    r.titulo = QStringLiteral("RELATÓRIO");
    const PeriodoPreenchimento p = projeto.periodo();
    r.cabecalho = {QString::fromUtf8(kTituloRelatorioPreenchimento),
                   QStringLiteral("Técnico responsável: ") + tecnico,
                   QStringLiteral("Período: ") + QString::number(p.anoInicial) +
                       QStringLiteral(" a ") + QString::number(p.anoFinal)};
    r.colunas[0] = {QStringLiteral("Data"), Qt::AlignCenter};
    r.colunas[1] = {projeto.titulo(1).trimmed(), Qt::AlignCenter};
    r.linhas.reserve(projeto.meses.size());
    for (const MesPreenchimento& m : projeto.meses)
        r.linhas.push_back({formatarData(m.data), fluxo(m.coluna(1))});
    return r;
}

} // namespace corvel
