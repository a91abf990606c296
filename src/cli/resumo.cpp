// corvel-cli resumo: every analysis of one station or of a folder of stations in one run, the
// grant figures of each in resumo.csv and, with -o, the files the single subcommands write.
#include "argumentos.h"
#include "comandos.h"
#include "graficos.h"

#include "core/erros.h"
#include "core/gravacao.h"
#include "core/plataforma.h"
#include "resumo/estacaoresumo.h"
#include "resumo/fichareferencia.h"
#include "resumo/linharesumo.h"
#include "resumo/nomesestacoes.h"
#include "resumo/textosanalise.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace corvel::cli {

namespace {

struct Opcoes {
    QStringList entradas;
    OpcoesResumo resumo;
    QString pasta;
    bool pdf = false;
    int tarefas = 0;
    QString criterio; // as given: a file, or the name of an example shipped with the program
};

// A criterion file as given, else the example of that name in the program's folder.
CriterioOutorga abrirCriterio(const QString& dado, const QString& pastaPrograma) {
    if (QFileInfo::exists(dado)) return lerCriterio(dado);
    QStringList nomes;
    for (const QString& exemplo : criteriosDeExemplo(pastaPrograma)) {
        const QFileInfo f(exemplo);
        if (dado == f.fileName() || dado == f.completeBaseName()) return lerCriterio(exemplo);
        nomes << f.completeBaseName();
    }
    throw ErroUso{QStringLiteral("critério de outorga não encontrado: %1 (exemplos do programa: "
                                 "%2)")
                      .arg(dado, nomes.join(QStringLiteral(", ")))};
}

int lerTarefas(const QString& texto) {
    bool ok = false;
    const int n = texto.toInt(&ok);
    if (!ok || n < 1 || n > 256)
        throw ErroUso{QStringLiteral("--tarefas pede um número de 1 a 256: %1").arg(texto)};
    return n;
}

Opcoes lerOpcoes(const QStringList& argumentos) {
    Opcoes o;
    std::vector<Opcao> opcoes = {
        {"--duracao", 1, [&](const QStringList& v) { o.resumo.duracao = lerDuracao(v[0]); }},
        {"--inicio-ano", 1, [&](const QStringList& v) { o.resumo.inicio = lerMes(v[0]); }},
        {"--regra", 1, [&](const QStringList& v) { o.resumo.regra = lerRegra(v[0]); }},
        {"--periodo", 1, [&](const QStringList& v) { o.resumo.periodo = lerPeriodo(v[0]); },
         "--periodo pede o período de retorno em anos"},
        {"-o", 1, [&](const QStringList& v) { o.pasta = v[0]; }, "-o pede a pasta dos resultados"},
        {"--pdf", 0, [&](const QStringList&) { o.pdf = true; }},
        {"--tarefas", 1, [&](const QStringList& v) { o.tarefas = lerTarefas(v[0]); }},
        {"--mensal", 0, [&](const QStringList&) { o.resumo.mensal = true; }},
        {"--estacao", 1,
         [&](const QStringList& v) {
             const std::optional<EstacaoDoAno> e = lerEstacaoDoAno(v[0]);
             if (!e)
                 throw ErroUso{QStringLiteral("--estacao pede os meses de início e fim, de 1 a 12 "
                                              "(6-9, 10-3): %1")
                                   .arg(v[0])};
             o.resumo.estacoes.push_back(*e);
         },
         "--estacao pede os meses de início e fim, como 6-9"},
        {"--criterio", 1, [&](const QStringList& v) { o.criterio = v[0]; },
         "--criterio pede o arquivo do critério de outorga"},
        opcaoExcluirSinalizados(o.resumo.excluir)};
    for (Opcao& n : opcoesVazoesNulas(o.resumo.nulas))
        opcoes.push_back(std::move(n));
    o.entradas = lerArgumentos(argumentos, opcoes, -1);
    if (o.entradas.isEmpty())
        throw ErroUso{QStringLiteral("informe os projetos (.cvl), arquivos da Vidara (.txt, .csv) "
                                     "ou pastas")};
    if (o.pdf && o.pasta.isEmpty()) throw ErroUso{QStringLiteral("--pdf pede -o PASTA")};
    if (o.resumo.mensal && o.pasta.isEmpty())
        throw ErroUso{QStringLiteral("--mensal pede -o PASTA")};
    if (!o.resumo.estacoes.empty() && !o.resumo.mensal)
        throw ErroUso{QStringLiteral("--estacao pede --mensal")};
    if (o.tarefas == 0)
        o.tarefas = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const Bancada instalada = Bancada::instalada();
    o.resumo.pastaPrograma = instalada.pastaPrograma();
    o.resumo.pastaDados = instalada.pastaDados;
    if (!o.criterio.isEmpty()) o.resumo.criterio = abrirCriterio(o.criterio, o.resumo.pastaPrograma);
    return o;
}

// The stations of the inputs in the order given; a folder's files (.cvl, .txt, .csv) by name.
QStringList listarEstacoes(const QStringList& entradas, const QString& excluir) {
    QStringList arquivos;
    for (const QString& e : entradas) {
        const QFileInfo info(e);
        if (!info.isDir()) {
            arquivos << e;
            continue;
        }
        const QFileInfoList lista = QDir(e).entryInfoList(
            {QStringLiteral("*.cvl"), QStringLiteral("*.txt"), QStringLiteral("*.csv")},
            QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& f : lista)
            if (f.absoluteFilePath() != excluir) arquivos << f.filePath();
    }
    return arquivos;
}

struct ArquivoResultado {
    const char* nome;
    QString texto;
};

// What a station leaves once its analyses are done: the summary's row and the small texts of its
// files (the analyses themselves are dropped at once, so a folder of hundreds fits in memory).
struct Estacao {
    QString arquivo;
    QString erro;
    qint32 codigo = 0;
    QString linha;
    std::vector<ArquivoResultado> arquivos;
    std::optional<FichaReferencia> ficha; // with --pdf
};

Estacao analisar(const QString& arquivo, const Opcoes& o, const QHash<qint32, QString>& nomes) {
    Estacao e{arquivo, {}, 0, {}, {}, {}};
    try {
        if (!QFileInfo::exists(arquivo)) throw Erro(QStringLiteral("arquivo não encontrado"));
        const ResumoEstacao r = resumirEstacao(abrirEstacao(arquivo, o.resumo), o.resumo);
        e.codigo = r.codigo;
        e.linha = linhaResumo(arquivo, figurasResumo(r, nomes.value(r.codigo)));
        if (o.pdf) e.ficha = montarFicha(r, arquivo, nomes.value(r.codigo));
        if (!o.pasta.isEmpty()) {
            e.arquivos = {{"minimas.csv", textoMinimas(r.minimas)},
                          {"maximas.csv", textoMaximas(r.maximas)},
                          {"medias.csv", textoMediasAnuais(r.medias.anuais)},
                          {"permanencia.csv", textoReferenciasPermanencia(r.permanencia)},
                          {"regularizacao.csv", textoVazaoRegularizada(r.regularizacao)}};
            if (r.distribuicoesMinimas.calculada)
                e.arquivos.push_back({"distribuicoes-minimas.csv",
                                      textoDistribuicoesDoPeriodo(r.distribuicoesMinimas)});
            if (!r.mensais.empty())
                e.arquivos.push_back({"mensal.csv",
                                      textoReferenciasMensais(r.mensais, r.duracaoMensais,
                                                              r.periodoMensais,
                                                              r.outorgavelMensal)});
        }
        return e;
    } catch (...) {
        e.erro = textoDaFalha(std::current_exception());
    }
    e.linha = linhaResumoComErro(arquivo, e.erro, o.resumo.duracao, o.resumo.periodo,
                                 o.resumo.criterio.has_value());
    return e;
}

// Runs `tarefa(i)` for i in [0, n) on `tarefas` threads; `andamento(feitas)` after each, in turn.
template <typename Tarefa, typename Andamento>
void emParalelo(qsizetype n, int tarefas, Tarefa tarefa, Andamento andamento) {
    std::atomic<qsizetype> proxima{0};
    std::atomic<qsizetype> feitas{0};
    std::mutex m;
    const auto trabalhar = [&] {
        for (qsizetype i; (i = proxima++) < n;) {
            tarefa(i);
            const qsizetype f = ++feitas;
            const std::lock_guard trava(m);
            andamento(f);
        }
    };
    std::vector<std::jthread> linhas;
    for (int t = 1; t < std::min<qsizetype>(tarefas, n); ++t)
        linhas.emplace_back(trabalhar);
    trabalhar();
}

// One folder per station, named by its code; a code met again gets "-2", "-3", ...
QStringList pastasDasEstacoes(const std::vector<Estacao>& estacoes, const QString& pasta) {
    QStringList pastas;
    QHash<qint32, int> vistas;
    for (const Estacao& e : estacoes) {
        if (!e.erro.isEmpty()) {
            pastas << QString();
            continue;
        }
        const int vez = ++vistas[e.codigo];
        QString nome = QString::number(e.codigo);
        if (vez > 1) nome += u'-' + QString::number(vez);
        pastas << QDir(pasta).filePath(nome);
    }
    return pastas;
}

} // namespace

int executarResumo(const QStringList& argumentos, QTextStream& saida) {
    const Opcoes o = lerOpcoes(argumentos);
    const QString arquivoResumo =
        o.pasta.isEmpty()
            ? QString()
            : QFileInfo(QDir(o.pasta).filePath(QStringLiteral("resumo.csv"))).absoluteFilePath();
    const QStringList arquivos = listarEstacoes(o.entradas, arquivoResumo);
    if (arquivos.isEmpty())
        throw Erro(QStringLiteral("nenhum projeto (.cvl) nem arquivo da Vidara (.txt, .csv) em %1")
                       .arg(o.entradas.join(QStringLiteral(", "))));
    const QHash<qint32, QString> nomes = lerNomesEstacoes(
        Bancada(o.resumo.pastaPrograma, o.resumo.pastaDados).arquivoListaEstacoes());

    const bool terminal = isatty(fileno(stderr));
    const auto andamento = [&](const char* etapa) {
        return [&, etapa](qsizetype feitas) {
            if (terminal)
                std::fprintf(stderr, "\rresumo: %s %lld de %lld", etapa,
                             static_cast<long long>(feitas),
                             static_cast<long long>(arquivos.size()));
        };
    };
    std::vector<Estacao> estacoes(static_cast<std::size_t>(arquivos.size()));
    emParalelo(
        arquivos.size(), o.tarefas,
        [&](qsizetype i) {
            estacoes[static_cast<std::size_t>(i)] = analisar(arquivos[i], o, nomes);
        },
        andamento("estação"));

    QString csv =
        titulosResumo(o.resumo.duracao, o.resumo.periodo, o.resumo.criterio.has_value()).join(u';') +
        u'\n';
    for (const Estacao& e : estacoes)
        csv += e.linha + u'\n';
    if (o.pasta.isEmpty()) {
        saida << csv;
    } else {
        if (!QDir().mkpath(o.pasta))
            throw ErroArquivo(QStringLiteral("não foi possível criar a pasta %1").arg(o.pasta));
        const QStringList pastas = pastasDasEstacoes(estacoes, o.pasta);
        const GravacaoEmLote lote(o.pasta);
        std::vector<QString> falhas(estacoes.size());
        emParalelo(
            arquivos.size(), o.tarefas,
            [&](qsizetype i) {
                const Estacao& e = estacoes[static_cast<std::size_t>(i)];
                if (pastas[i].isEmpty()) return;
                try {
                    if (!QDir().mkpath(pastas[i]))
                        throw ErroArquivo(
                            QStringLiteral("não foi possível criar a pasta %1").arg(pastas[i]));
                    for (const ArquivoResultado& a : e.arquivos)
                        lote.gravar(QDir(pastas[i]).filePath(QString::fromLatin1(a.nome)),
                                    a.texto.toUtf8());
                } catch (const Erro& x) {
                    falhas[static_cast<std::size_t>(i)] = x.mensagem().simplified();
                }
            },
            andamento("gravada"));
        for (const QString& f : falhas)
            if (!f.isEmpty()) throw Erro(f);
        // The charts are widgets: drawn one station after the other on this thread.
        if (o.pdf)
            for (std::size_t i = 0; i < estacoes.size(); ++i) {
                if (!estacoes[i].ficha) continue;
                lote.gravar(
                    QDir(pastas[static_cast<qsizetype>(i)]).filePath(QStringLiteral("ficha.pdf")),
                    fichaEmPdf(*estacoes[i].ficha));
                estacoes[i].ficha.reset();
                andamento("ficha")(static_cast<qsizetype>(i + 1));
            }
        // The summary last: once it is there, every station's files are on disk.
        lote.concluir();
        gravarArquivoAtomico(arquivoResumo, csv.toUtf8());
    }
    if (terminal) std::fputs("\n", stderr);

    qsizetype comErro = 0;
    for (const Estacao& e : estacoes)
        if (!e.erro.isEmpty()) {
            ++comErro;
            escreverNaSaidaDeErros(QStringLiteral("corvel-cli resumo: %1: %2")
                                       .arg(QDir::toNativeSeparators(e.arquivo), e.erro));
        }
    return comErro > 0 ? 1 : 0;
}

} // namespace corvel::cli
