// Texts and tables of the regularization window.
#include "tabelasregularizacao.h"

#include "core/tabelaserie.h"

#include "core/formato.h"

namespace corvel {

namespace {

QString diario(double v) {
    return formatarVazao(v, kFormatoDiario);
}
QString evaporacao(double v) {
    return formatarNumero(v, kFormatoEvaporacao);
}

Valor diaComoValor(QDate d) {
    return QDateTime(d, QTime(0, 0), Qt::UTC);
}

std::vector<ColunaExibida> colunas(const std::vector<QString>& titulos, TipoCampo primeira,
                                   TipoCampo demais) {
    std::vector<ColunaExibida> c;
    for (const QString& t : titulos)
        c.push_back({t, c.empty() ? primeira : demais});
    return c;
}

} // namespace

std::vector<QString> titulosDadosRegularizacao() {
    return rotulos(tabelaDaSerie(SerieTabela()));
}

LinhasTexto linhasGradeDadosRegularizacao(const SerieTabela& considerados) {
    const TabelaExibida t = tabelaDaSerie(considerados);
    LinhasTexto linhas;
    linhas.reserve(t.linhas.size());
    for (const std::vector<Valor>& valores : t.linhas) {
        std::vector<QString> l{std::get<QString>(valores.front())};
        for (std::size_t d = 1; d < valores.size(); ++d) {
            const auto* v = std::get_if<double>(&valores[d]);
            l.push_back(v ? formatarVazao(*v, kFormatoDadosRegularizacao) : QString());
        }
        linhas.push_back(std::move(l));
    }
    return linhas;
}

TabelaExibida tabelaDadosRegularizacao(const SerieTabela& considerados) {
    return tabelaDaSerie(considerados);
}

std::vector<QString> titulosCapacidade(std::optional<int> nivel) {
    const QString afluente = QStringLiteral("Vazão afluente (m³/s)");
    if (!nivel) return {QStringLiteral("ID"), QStringLiteral("Data"), afluente};
    return {QStringLiteral("Data"),
            afluente,
            QStringLiteral("Vazão regularizada (m³/s)"),
            QStringLiteral("Vazão Evaporada (m³/s)"),
            QStringLiteral("Diferença (hm³)"),
            QStringLiteral("Volume deficitário (hm³)")};
}

TabelaExibida tabelaCapacidade(const ResultadoRegularizacao& resultado, std::optional<int> nivel) {
    const auto titulos = titulosCapacidade(nivel);
    TabelaExibida t;
    if (!nivel) {
        t.colunas = {{titulos[0], TipoCampo::Inteiro},
                     {titulos[1], TipoCampo::DataHora},
                     {titulos[2], TipoCampo::Real}};
        const auto& dias = resultado.afluencia.dias;
        t.linhas.reserve(dias.size());
        for (std::size_t i = 0; i < dias.size(); ++i)
            t.linhas.push_back({static_cast<qint64>(i), diaComoValor(dias[i].data), dias[i].vazao});
        return t;
    }
    t.colunas = colunas(titulos, TipoCampo::DataHora, TipoCampo::Real);
    const auto dias = volumeDiario(resultado, *nivel);
    t.linhas.reserve(dias.size());
    for (const DiaReservatorio& d : dias)
        t.linhas.push_back({diaComoValor(d.data), d.vazao, d.vazaoRegularizada, d.vazaoEvaporada,
                            d.diferenca, d.acumulada});
    return t;
}

GradeCapacidade::GradeCapacidade(const ResultadoRegularizacao& resultado, std::optional<int> nivel)
    : resultado_(&resultado), nivel_(nivel) {
    if (nivel) dias_ = volumeDiario(resultado, *nivel);
}

QString GradeCapacidade::texto(std::size_t linha, int coluna) const {
    if (!nivel_) {
        const DiaAfluente& d = resultado_->afluencia.dias[linha];
        switch (coluna) {
        case 0:
            return QString::number(linha);
        case 1:
            return formatarData(d.data);
        default:
            return diario(d.vazao);
        }
    }
    const DiaReservatorio& d = dias_[linha];
    switch (coluna) {
    case 0:
        return formatarData(d.data);
    case 1:
        return diario(d.vazao);
    case 2:
        return diario(d.vazaoRegularizada);
    case 3:
        return diario(d.vazaoEvaporada);
    case 4:
        return diario(d.diferenca);
    default:
        return diario(d.acumulada);
    }
}

LinhasTexto linhasGradeCapacidade(const ResultadoRegularizacao& resultado,
                                  std::optional<int> nivel) {
    const GradeCapacidade grade(resultado, nivel);
    LinhasTexto linhas(grade.linhas());
    for (std::size_t l = 0; l < grade.linhas(); ++l)
        for (int c = 0; c < grade.colunas(); ++c)
            linhas[l].push_back(grade.texto(l, c));
    return linhas;
}

std::vector<QString> rotulosNiveis() {
    std::vector<QString> r;
    for (int k = 1; k <= kNiveisRegularizacao; ++k)
        r.push_back(QStringLiteral("%1%").arg(porcentagemNivel(k)));
    return r;
}

QString textoVolumeReservatorio(const ResultadoRegularizacao& resultado, int nivel) {
    return QStringLiteral("Volume do reservatório = ") +
           formatarNumero(resultado.volumes[static_cast<std::size_t>(nivel - 1)], u"0.0000") +
           QStringLiteral(" hm³");
}

std::vector<QString> titulosVazaoRegularizada() {
    return {QStringLiteral("(Qreg/Qmed) x 100"), QStringLiteral("Vazão regularizada (m³/s)"),
            QStringLiteral("Vol. Reservatório (hm³)")};
}

LinhasTexto linhasVazaoRegularizada(const ResultadoRegularizacao& resultado) {
    LinhasTexto linhas;
    for (const LinhaRegularizada& l : vazoesRegularizadas(resultado))
        linhas.push_back({formatarNumero(porcentagemNivel(l.nivel), u"0.00"),
                          formatarVazao(l.vazaoLiquida, u"0.0000"),
                          formatarVazao(l.volume, u"0.0000")});
    return linhas;
}

std::vector<QString> titulosGradeEvaporacao() {
    return {QStringLiteral("Mês"), QStringLiteral("Evaporação (mm/dia)"),
            QStringLiteral("Vazão evaporada (m³/s)")};
}

LinhasTexto linhasGradeEvaporacao(const TabelaEvaporacao& tabela) {
    LinhasTexto linhas;
    for (const MesEvaporacao& m : tabela)
        linhas.push_back({m.mes, evaporacao(m.evaporacao), evaporacao(m.evaporacaoMensal)});
    return linhas;
}

QString textoAreaReservatorio(const ResultadoRegularizacao& resultado) {
    if (!resultado.comEvaporacao || resultado.area == 0) return {};
    return QStringLiteral("Área do reservatório = ") + formatarGeral(resultado.area) +
           QStringLiteral(" km²");
}

LinhasTexto linhasCsvVazaoRegularizada(const ResultadoRegularizacao& resultado) {
    LinhasTexto linhas = linhasVazaoRegularizada(resultado);
    linhas.push_back({});
    linhas.push_back({QStringLiteral("Evaporação")});
    linhas.push_back({});
    for (const MesEvaporacao& m : resultado.evaporacao)
        linhas.push_back({QString::number(m.id), m.mes, formatarGeral(m.evaporacao),
                          formatarGeral(m.evaporacaoMensal)});
    return linhas;
}

TabelaExibida planilhaVazaoRegularizada(const ResultadoRegularizacao& resultado) {
    TabelaExibida t;
    for (const QString& titulo : titulosVazaoRegularizada())
        t.colunas.push_back({titulo, TipoCampo::Texto});
    t.colunas.push_back({QString(), TipoCampo::Texto});
    for (const auto& l : linhasVazaoRegularizada(resultado))
        t.linhas.push_back({l[0], l[1], l[2], Valor()});
    t.linhas.push_back({Valor(), Valor(), Valor(), Valor()});
    t.linhas.push_back({QStringLiteral("Cód."), QStringLiteral("Mês"),
                        QStringLiteral("Evaporação (mm/dia)"),
                        QStringLiteral("Vazão evaporada (m³/s)")});
    for (const MesEvaporacao& m : resultado.evaporacao)
        t.linhas.push_back({qint64{m.id}, m.mes, m.evaporacao, m.evaporacaoMensal});
    return t;
}

GraficoBarras graficoReservatorio(const ResultadoRegularizacao& resultado, int nivel) {
    GraficoBarras g{QStringLiteral("Volume do reservatório"),
                    QStringLiteral("Data"),
                    QStringLiteral("Volume deficitário (hm³)"),
                    QStringLiteral("Corvel 1.0"),
                    {},
                    {}};
    const auto dias = volumeDiario(resultado, nivel);
    g.datas.reserve(dias.size());
    g.valores.reserve(dias.size());
    for (const DiaReservatorio& d : dias) {
        g.datas.push_back(d.data);
        g.valores.push_back(d.acumulada);
    }
    return g;
}

GraficoLinha graficoDiagramaMassas(const ResultadoRegularizacao& resultado) {
    return {QStringLiteral("Diagrama de massas"), QStringLiteral("Tempo (dias)"),
            QStringLiteral("Volume acumulado (hm³)"), resultado.afluencia.diagramaMassas};
}

QString periodoRegularizacao(const SerieTabela& considerados) {
    if (considerados.vazia()) return {};
    return considerados[0].mes() + QStringLiteral(" - ") +
           considerados[considerados.tamanho() - 1].mes();
}

namespace {

// The shared results report prepared for three columns, with its title line under "RELATÓRIO".
relatorio::Relatorio relatorioTresColunas(const QString& titulo, const QString& tecnico,
                                          const std::vector<QString>& colunas) {
    relatorio::Relatorio r;
    relatorio::TirarGrade(r, 3);
    r.titulo = QStringLiteral("RELATÓRIO");
    r.cabecalho = {titulo, QStringLiteral("Técnico responsável: ") + tecnico};
    for (std::size_t c = 0; c < colunas.size(); ++c)
        r.colunas[c] = {colunas[c], Qt::AlignCenter};
    return r;
}

} // namespace

relatorio::Relatorio relatorioVazaoRegularizada(const ResultadoRegularizacao& resultado,
                                                const QString& tecnico, const QString& estacao,
                                                int inicioAnoHidrologico, const QString& periodo) {
    relatorio::Relatorio r = relatorioTresColunas(QStringLiteral("Vazão regularizada"), tecnico,
                                                  {QStringLiteral("(Qreg/Qmed) x 100"),
                                                   QStringLiteral("V. Regul. (m³/s)"),
                                                   QStringLiteral("Vol. Reserv.(hm³)")});
    r.cabecalho.insert(r.cabecalho.end(), {QStringLiteral("Código da estação: ") + estacao,
                                           QStringLiteral("Início do ano hidrológico: ") +
                                               nomeMes(inicioAnoHidrologico),
                                           QStringLiteral("Período: ") + periodo});
    if (resultado.comEvaporacao)
        r.cabecalho.push_back(QStringLiteral("Área do reservatório: ") +
                              formatarGeral(resultado.area) + QStringLiteral(" km²"));
    r.linhas = linhasVazaoRegularizada(resultado);
    r.notas = {notaEvaporacao(resultado)};
    return r;
}

relatorio::Relatorio relatorioEvaporacaoMensal(const ResultadoRegularizacao& resultado,
                                               const QString& tecnico) {
    relatorio::Relatorio r =
        relatorioTresColunas(QStringLiteral("Evaporação mensal"), tecnico,
                             {QStringLiteral("Mês"), QStringLiteral("Evap. (mm/dia)"),
                              QStringLiteral("Vazão evap. (m³/s)")});
    r.linhas = linhasGradeEvaporacao(resultado.evaporacao);
    return r;
}

} // namespace corvel
