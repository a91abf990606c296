// corvel-cli preencher: a gap-filling project of a base station and its auxiliary stations over a
// period, the regression statistics, the filling in the chosen order, and the project file.
#include "argumentos.h"
#include "comandos.h"

#include "core/erros.h"
#include "exchange/csvresultado.h"
#include "filling/arquivopreenchimento.h"
#include "filling/preenchimento.h"
#include "filling/tabelaspreenchimento.h"
#include "filling/textospreenchimento.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace corvel::cli {

namespace {

struct Opcoes {
    QStringList estacoes; // base first
    std::optional<std::pair<QString, QString>> periodo;
    std::vector<int> ordem; // columns, first order first
    QString projeto;
    QString csv;
    OpcoesReta reta;
    QString validacao; // the leave-one-out table's file
};

MetodoReta lerMetodo(const QString& texto) {
    if (texto == u"mqo") return MetodoReta::MinimosQuadrados;
    if (texto == u"move1") return MetodoReta::Move1;
    throw ErroUso{QStringLiteral("--metodo pede mqo ou move1: %1").arg(texto)};
}

std::vector<int> lerOrdem(const QString& texto) {
    std::vector<int> colunas;
    for (const QString& parte : texto.split(u',')) {
        bool ok = false;
        const int c = parte.trimmed().toInt(&ok);
        if (!ok || c < 2 || c > kMaximoEstacoes || std::count(colunas.begin(), colunas.end(), c))
            throw ErroUso{QStringLiteral("--ordem pede até três colunas diferentes de 2 a 20, "
                                         "separadas por vírgula: %1")
                              .arg(texto)};
        colunas.push_back(c);
    }
    if (colunas.size() > 3)
        throw ErroUso{QStringLiteral("--ordem: no máximo três estações preenchem a base")};
    return colunas;
}

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    o.estacoes =
        lerArgumentos(argumentos,
                      {{"--periodo", 2,
                        [&](const QStringList& v) {
                            o.periodo = {v[0], v[1]};
                        },
                        "--periodo pede o ano inicial e o ano final"},
                       {"--ordem", 1, [&](const QStringList& v) { o.ordem = lerOrdem(v[0]); }},
                       {"-o", 1, [&](const QStringList& v) { o.projeto = v[0]; }},
                       {"--csv", 1, [&](const QStringList& v) { o.csv = v[0]; }},
                       {"--metodo", 1,
                        [&](const QStringList& v) { o.reta.metodo = lerMetodo(v[0]); },
                        "--metodo pede mqo ou move1"},
                       {"--log", 0, [&](const QStringList&) { o.reta.logaritmos = true; }},
                       {"--por-mes", 0, [&](const QStringList&) { o.reta.porMes = true; }},
                       {"--validacao-cruzada", 1,
                        [&](const QStringList& v) { o.validacao = v[0]; },
                        "--validacao-cruzada pede o arquivo da tabela"}},
                      -1);
    if (o.estacoes.isEmpty())
        throw ErroUso{
            QStringLiteral("informe o projeto da estação base e os das auxiliares (.cvl)")};
    if (!o.periodo)
        throw ErroUso{QStringLiteral("informe o período: --periodo ANO_INICIAL ANO_FINAL")};
    if (o.projeto.isEmpty())
        throw ErroUso{QStringLiteral("informe o projeto a gravar: -o projeto.psv")};
    for (int c : o.ordem)
        if (c > o.estacoes.size())
            throw ErroUso{QStringLiteral("--ordem: não há estação na coluna %1").arg(c)};
    return o;
}

QString nomeOrdem(std::size_t i) {
    return QString::number(i + 1) + QStringLiteral("ª ordem");
}

} // namespace

int executarPreencher(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    const PeriodoPreenchimento periodo =
        lerPeriodoPreenchimento(o.periodo->first, o.periodo->second);
    ProjetoPreenchimento projeto = novoProjetoPreenchimento(periodo);
    for (const QString& arquivo : o.estacoes) {
        verificarVagaEstacao(projeto); // before the file is read
        SerieTabela estacao;
        try {
            estacao = lerEstacaoPreenchimento(arquivo);
        } catch (const Erro& e) {
            throw Erro(QFileInfo(arquivo).fileName() + QStringLiteral(": ") + e.mensagem());
        }
        const QString codigo = codigoEstacao(estacao);
        if (estacaoNoProjeto(projeto, codigo))
            escreverNaSaidaDeErros(QStringLiteral("A estação %1 já está no projeto e foi "
                                                  "adicionada novamente.")
                                       .arg(codigo));
        adicionarEstacao(projeto, estacao);
    }

    std::vector<EstatisticaEstacao> estatisticas = iniciarNovoPreenchimento(projeto, 1, o.reta);
    if (o.reta != OpcoesReta{})
        escreverNaSaidaDeErros(QStringLiteral("Método: ") + textoOpcoes(o.reta));
    // Every chosen station is checked before anything is filled.
    std::vector<std::size_t> escolhidas;
    for (std::size_t i = 0; i < o.ordem.size(); ++i) {
        const auto it = std::find_if(estatisticas.begin(), estatisticas.end(),
                                     [&](const auto& e) { return e.coluna == o.ordem[i]; });
        if (estatisticas.empty()) throw Erro(mensagemSemEstacao(i == 0).texto);
        if (it == estatisticas.end())
            throw Erro(QStringLiteral("A estação da coluna %1 não tem meses em comum com a base.")
                           .arg(o.ordem[i]));
        if (!it->podePreencher()) throw Erro(QString::fromUtf8(kMsgEstacaoRejeitada));
        escolhidas.push_back(static_cast<std::size_t>(it - estatisticas.begin()));
    }
    for (std::size_t i = 0; i < escolhidas.size(); ++i) {
        EstatisticaEstacao& e = estatisticas[escolhidas[i]];
        const ResultadoPreenchimento r = PreencheUmaEstacao(projeto, e);
        escreverNaSaidaDeErros(nomeOrdem(i) + QStringLiteral(" (estação ") + e.estacao +
                               QStringLiteral("): ") +
                               QString(r.mensagem().texto).replace(u'\n', u' '));
    }

    const GradeTexto tabela = tabelaEstatisticasCompleta(estatisticas);
    for (const QString& t : tabela.titulos)
        saida << t << ';';
    saida << '\n';
    for (const auto& linha : tabela.linhas) {
        for (const QString& v : linha)
            saida << v << ';';
        saida << '\n';
    }
    saida.flush();

    gravarProjetoPreenchimento(ajustarExtensaoPreenchimento(o.projeto), projeto);
    if (!o.validacao.isEmpty()) {
        const GradeTexto vc = tabelaValidacaoCruzada(estatisticas, true);
        gravarCsvResultado(o.validacao, vc.titulos, vc.linhas);
    }
    if (!o.csv.isEmpty()) {
        const TabelaExibida mensal = tabelaExportacaoPreenchimento(projeto);
        gravarCsvResultado(o.csv, rotulos(mensal), textos(mensal));
    }
    return 0;
}

} // namespace corvel::cli
