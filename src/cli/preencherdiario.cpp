// corvel-cli preencher-diario: the short gaps of a station's daily flows filled from a neighbouring
// station, the lines used and their leave-one-out check, and the filled project.
#include "argumentos.h"
#include "comandos.h"

#include "core/erros.h"
#include "core/projeto.h"
#include "exchange/csvresultado.h"
#include "filling/arquivopreenchimento.h"
#include "filling/preenchimentodiario.h"
#include "filling/tabelaspreenchimento.h"

#include <QFileInfo>

namespace corvel::cli {

namespace {

struct Opcoes {
    QString base, auxiliar, saida, validacao;
    OpcoesDiario diario;
};

int lerLacuna(const QString& texto) {
    bool ok = false;
    const int n = texto.toInt(&ok);
    if (!ok || n < 1 || n > 366)
        throw ErroUso{QStringLiteral("--lacuna-maxima pede um número de dias de 1 a 366: %1")
                          .arg(texto)};
    return n;
}

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    const QStringList arquivos = lerArgumentos(
        argumentos,
        {{"--metodo", 1,
          [&](const QStringList& v) {
              if (v[0] == u"mqo")
                  o.diario.reta.metodo = MetodoReta::MinimosQuadrados;
              else if (v[0] == u"move1")
                  o.diario.reta.metodo = MetodoReta::Move1;
              else
                  throw ErroUso{QStringLiteral("--metodo pede mqo ou move1: %1").arg(v[0])};
          },
          "--metodo pede mqo ou move1"},
         {"--log", 0, [&](const QStringList&) { o.diario.reta.logaritmos = true; }},
         {"--por-mes", 0, [&](const QStringList&) { o.diario.reta.porMes = true; }},
         {"--lacuna-maxima", 1,
          [&](const QStringList& v) { o.diario.lacunaMaxima = lerLacuna(v[0]); },
          "--lacuna-maxima pede um número de dias"},
         {"-o", 1, [&](const QStringList& v) { o.saida = v[0]; }, "-o pede o projeto a gravar"},
         {"--validacao-cruzada", 1, [&](const QStringList& v) { o.validacao = v[0]; },
          "--validacao-cruzada pede o arquivo da tabela"}},
        2);
    if (arquivos.size() != 2)
        throw ErroUso{QStringLiteral("informe o projeto da estação base e o da auxiliar (.cvl)")};
    o.base = arquivos[0];
    o.auxiliar = arquivos[1];
    if (o.saida.isEmpty()) throw ErroUso{QStringLiteral("informe o projeto a gravar: -o saida.cvl")};
    return o;
}

SerieTabela ler(const QString& arquivo) {
    try {
        return lerEstacaoPreenchimento(arquivo);
    } catch (const Erro& e) {
        throw Erro(QFileInfo(arquivo).fileName() + QStringLiteral(": ") + e.mensagem());
    }
}

} // namespace

int executarPreencherDiario(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    SerieTabela base = ler(o.base);
    const SerieTabela auxiliar = ler(o.auxiliar);
    const ResultadoDiario r = preencherDiario(base, auxiliar, o.diario);

    const GradeTexto retas = tabelaRetas(r.modelo, true);
    for (const QString& t : retas.titulos)
        saida << t << ';';
    saida << '\n';
    for (const auto& linha : retas.linhas) {
        for (const QString& v : linha)
            saida << v << ';';
        saida << '\n';
    }
    saida.flush();
    escreverNaSaidaDeErros(QStringLiteral("Método: ") + textoOpcoes(o.diario.reta));
    if (const auto recomendacao = recomendar(r.vcMqo, r.vcMove1))
        escreverNaSaidaDeErros(QStringLiteral("Validação cruzada: ") + recomendacao->motivo);
    escreverNaSaidaDeErros(r.texto(o.diario.lacunaMaxima));

    QString destino = o.saida;
    if (QFileInfo(destino).suffix().isEmpty()) destino += QStringLiteral(".cvl");
    gravarProjeto(destino, base);
    if (!o.validacao.isEmpty()) {
        QString codigo;
        if (auxiliar.tamanho() > 0) codigo = QString::number(auxiliar[0].estacaoCodigo);
        const GradeTexto vc = tabelaValidacaoCruzada(codigo, r.vcMqo, r.vcMove1, true);
        gravarCsvResultado(o.validacao, vc.titulos, vc.linhas);
    }
    return 0;
}

} // namespace corvel::cli
