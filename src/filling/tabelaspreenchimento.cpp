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
                  QStringLiteral("Nº de dados preenchidos"),
                  QStringLiteral("Coef. de correlação (R²)"), QStringLiteral("Coef. angular (A)"),
                  QStringLiteral("Coef. Linear (B)"), QStringLiteral("EQM MQO (m³/s)"),
                  QStringLiteral("EQM MOVE.1 (m³/s)"), QStringLiteral("Método recomendado")},
                 {}};
    const auto eqm = [](const Habilidade& h) { return h.n > 0 ? fluxo(h.eqm) : QString(); };
    for (const EstatisticaEstacao& e : estatisticas) {
        const std::optional<Recomendacao> r = recomendar(e.vcMqo, e.vcMove1);
        g.linhas.push_back({e.estacao, QString::number(e.dadosComuns), e.textoValidacao(),
                            e.textoUtilizado(), QString::number(e.nDadosPreenchidos),
                            e.textoR2(), e.textoA(), e.textoB(), eqm(e.vcMqo.grupos[0]),
                            eqm(e.vcMove1.grupos[0]), r ? nomeMetodo(r->metodo) : QString()});
    }
    return g;
}

namespace {

void linhasValidacao(GradeTexto& g, const QString& estacao, const ValidacaoCruzada& mqo,
                     const ValidacaoCruzada& move1, bool todosOsDigitos) {
    const auto numero = [todosOsDigitos](std::optional<double> v, const char16_t* picture) {
        if (!v) return QString();
        return todosOsDigitos ? formatarCompleto(*v) : formatarNumero(*v, picture);
    };
    const auto celulas = [&](const Habilidade& h, std::vector<QString>& linha) {
        if (h.n == 0) {
            linha.insert(linha.end(), 3, QString());
            return;
        }
        linha.push_back(numero(h.eqm, u"0.00"));
        linha.push_back(numero(h.vies, u"0.00"));
        linha.push_back(numero(h.nse, u"0.000"));
    };
    for (std::size_t k = 0; k <= 12; ++k) {
        const Habilidade &a = mqo.grupos[k], &b = move1.grupos[k];
        if (k > 0 && a.n == 0 && b.n == 0) continue;
        std::vector<QString> linha{estacao,
                                   k == 0 ? QStringLiteral("Todos") : nomeMes(static_cast<int>(k)),
                                   QString::number(std::max(a.n, b.n))};
        celulas(a, linha);
        celulas(b, linha);
        g.linhas.push_back(std::move(linha));
    }
}

GradeTexto titulosValidacao() {
    return {{QStringLiteral("Estação"), QStringLiteral("Mês"), QStringLiteral("N"),
             QStringLiteral("EQM MQO (m³/s)"), QStringLiteral("Viés MQO (m³/s)"),
             QStringLiteral("NSE MQO"), QStringLiteral("EQM MOVE.1 (m³/s)"),
             QStringLiteral("Viés MOVE.1 (m³/s)"), QStringLiteral("NSE MOVE.1")},
            {}};
}

} // namespace

GradeTexto tabelaValidacaoCruzada(const std::vector<EstatisticaEstacao>& estatisticas,
                                  bool todosOsDigitos) {
    GradeTexto g = titulosValidacao();
    for (const EstatisticaEstacao& e : estatisticas)
        linhasValidacao(g, e.estacao, e.vcMqo, e.vcMove1, todosOsDigitos);
    return g;
}

GradeTexto tabelaRetas(const ModeloReta& modelo, bool todosOsDigitos) {
    GradeTexto g{{QStringLiteral("Reta"), QStringLiteral("Pares"), QStringLiteral("A"),
                  QStringLiteral("B"), QStringLiteral("r")},
                 {}};
    const auto numero = [todosOsDigitos](double v) {
        return todosOsDigitos ? formatarCompleto(v) : formatarNumero(v, u"0.0000");
    };
    for (int k = 0; k <= (modelo.opcoes.porMes ? 12 : 0); ++k) {
        const std::optional<Reta>& r = modelo.retas[static_cast<std::size_t>(k)];
        const QString nome = k == 0 ? QStringLiteral("Todos") : nomeMes(k);
        if (!r)
            g.linhas.push_back({nome, QString(), QString(), QString(), QString()});
        else
            g.linhas.push_back(
                {nome, QString::number(r->n), numero(r->a), numero(r->b), numero(r->r)});
    }
    return g;
}

GradeTexto tabelaValidacaoCruzada(const QString& estacao, const ValidacaoCruzada& mqo,
                                  const ValidacaoCruzada& move1, bool todosOsDigitos) {
    GradeTexto g = titulosValidacao();
    linhasValidacao(g, estacao, mqo, move1, todosOsDigitos);
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
    // A file keeps the coefficients' digits (the general form), as before they were rounded for
    // the window.
    const auto geral = [](const std::optional<double>& v) {
        return v ? formatarGeral(*v) : QString();
    };
    for (const EstatisticaEstacao& e : estatisticas)
        g.linhas.push_back({e.estacao, e.textoR2(), geral(e.a), geral(e.b),
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
                                            const QString& tecnico,
                                            const std::vector<EstatisticaEstacao>& estatisticas) {
    relatorio::Relatorio r;
    relatorio::TirarGrade(r, 3);
    r.titulo = QStringLiteral("RELATÓRIO");
    const PeriodoPreenchimento p = projeto.periodo();
    r.cabecalho = {QString::fromUtf8(kTituloRelatorioPreenchimento),
                   QStringLiteral("Técnico responsável: ") + tecnico,
                   QStringLiteral("Período: ") + QString::number(p.anoInicial) +
                       QStringLiteral(" a ") + QString::number(p.anoFinal)};
    r.colunas[0] = {QStringLiteral("Data"), Qt::AlignCenter};
    r.colunas[1] = {projeto.titulo(1).trimmed(), Qt::AlignCenter};
    r.colunas[2] = {QStringLiteral("Estimado por"), Qt::AlignCenter};
    r.linhas.reserve(projeto.meses.size());
    int preenchidos = 0;
    for (const MesPreenchimento& m : projeto.meses) {
        QString apoio;
        if (m.preenchido && m.baseApoio) {
            apoio = projeto.titulo(*m.baseApoio).trimmed();
            ++preenchidos;
        }
        r.linhas.push_back({formatarData(m.data), fluxo(m.coluna(1)), apoio});
    }
    if (preenchidos == 0) return r;
    r.notas.push_back(QStringLiteral("%1 mês(es) preenchido(s); \"Estimado por\" dá a estação "
                                     "auxiliar de cada um.")
                          .arg(preenchidos));
    for (const EstatisticaEstacao& e : estatisticas) {
        if (!e.utilizado) continue;
        QString t = QStringLiteral("Estação %1: R² = %2; A = %3; B = %4 (mínimos quadrados); %5 "
                                   "meses comuns; preenchida por %6")
                        .arg(e.estacao, e.textoR2(), e.textoA(), e.textoB())
                        .arg(e.dadosComuns)
                        .arg(textoOpcoes(e.modelo.opcoes));
        // The line that filled, when it is not the least-squares line above.
        if (e.modelo.opcoes != OpcoesReta{} && e.modelo.retas[0] && !e.modelo.opcoes.porMes)
            t += QStringLiteral(" (A = %1; B = %2)")
                     .arg(formatarNumero(e.modelo.retas[0]->a, u"0.0000"),
                          formatarNumero(e.modelo.retas[0]->b, u"0.0000"));
        const Habilidade &a = e.vcMqo.grupos[0], &b = e.vcMove1.grupos[0];
        if (a.n > 0 && b.n > 0) {
            const bool iguais = fluxo(a.eqm) == fluxo(b.eqm);
            const auto eqm = [iguais](double v) {
                return formatarVazao(v, iguais ? u"0.0000" : u"0.00");
            };
            t += QStringLiteral("; validação cruzada (deixando um mês de fora): EQM %1 m³/s pelo "
                                "MQO e %2 m³/s pelo MOVE.1")
                     .arg(eqm(a.eqm), eqm(b.eqm));
        }
        r.notas.push_back(t + u'.');
    }
    return r;
}

} // namespace corvel
