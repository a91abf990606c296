// The web service's answers turned into a series or a station list, the search of the list, the
// counts and the 500 / 10 rule; no network here.
#include "respostasservico.h"

#include "core/arquivotabela.h"
#include "core/projeto.h"
#include "exchange/estacoes.h"
#include "exchange/servico.h"

#include "impressao_qt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvel;
using namespace corvel::teste;

namespace {

Mapeamento todp() {
    return lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/TODP.xtr"));
}

// Two levels over the same months, written by hand: raw January to April 1990, consisted
// February and March 1990, March given twice at level 2 (the later row stands).
const char* const kDoisNiveis = R"(<?xml version="1.0" encoding="utf-8"?>
<DataTable xmlns="http://MRCS/">
  <SerieHistorica><EstacaoCodigo>56110005</EstacaoCodigo><NivelConsistencia>1</NivelConsistencia>
    <DataHora>1990-01-01 00:00:00</DataHora><Vazao01>10.5</Vazao01></SerieHistorica>
  <SerieHistorica><EstacaoCodigo>56110005</EstacaoCodigo><NivelConsistencia>2</NivelConsistencia>
    <DataHora>1990-02-01 00:00:00</DataHora><Vazao01>20.25</Vazao01><Vazao02 />
    <Vazao28>0</Vazao28><Vazao01Status>1</Vazao01Status></SerieHistorica>
  <SerieHistorica><EstacaoCodigo>56110005</EstacaoCodigo><NivelConsistencia>1</NivelConsistencia>
    <DataHora>1990-02-01 00:00:00</DataHora><Vazao01>99</Vazao01></SerieHistorica>
  <SerieHistorica><EstacaoCodigo>56110005</EstacaoCodigo><NivelConsistencia>2</NivelConsistencia>
    <DataHora>1990-03-01 00:00:00</DataHora><Vazao01>1</Vazao01></SerieHistorica>
  <SerieHistorica><EstacaoCodigo>56110005</EstacaoCodigo><NivelConsistencia>2</NivelConsistencia>
    <DataHora>1990-03-01 07:00:00</DataHora><MetodoObtencaoVazoes>2</MetodoObtencaoVazoes>
    <Vazao01>3.5</Vazao01><Vazao31>7</Vazao31><Vazao01Status>2</Vazao01Status>
    <Vazao31Status>4</Vazao31Status></SerieHistorica>
  <SerieHistorica><EstacaoCodigo>56110005</EstacaoCodigo><NivelConsistencia>1</NivelConsistencia>
    <DataHora>1990-04-01 00:00:00</DataHora><Vazao01>4</Vazao01></SerieHistorica>
  <SerieHistorica><NivelConsistencia>3</NivelConsistencia><DataHora>1990-05-01</DataHora></SerieHistorica>
</DataTable>)";

TEST(Servico, CaminhosDasRequisicoes) {
    EXPECT_EQ(caminhoVazoes(QStringLiteral("56110005")),
              QStringLiteral("/fcthservices/mma.asmx/Vazoes?iEstacao=56110005&strDataInicial=1/"
                             "1800&strDataFinal=12/2050"));
    EXPECT_EQ(caminhoListaEstacoes(),
              QStringLiteral("/fcthservices/mma.asmx/EstacaoLista?iBacia=0&iSubBacia=0&iEntidade="
                             "0&iRio=0&iEstado=0&iMunicipio=0&iTipo=1"));
}

TEST(Servico, DoisNiveisFicaONivelDoisEUmRegistroPorMes) {
    const VazoesBaixadas v = converterVazoes(todp(), kDoisNiveis, 56110005);
    EXPECT_EQ(v.linhasResposta, 7);
    EXPECT_FALSE(v.recusa);
    const ResultadoImportacao& r = v.importacao;
    EXPECT_EQ(r.nivelConsistencia, 2);
    EXPECT_EQ(r.duplicadosDescartados, 1);
    EXPECT_EQ(r.avisos.mesesBrutosForaDoConsistido, 2); // January and April
    ASSERT_EQ(r.serie.tamanho(), 2);
    const RegistroMensal& fev = r.serie[0];
    EXPECT_EQ(fev.data, QDate(1990, 2, 1));
    EXPECT_EQ(fev.registroId, 2); // its row in the answer
    EXPECT_EQ(fev.estacaoCodigo, 56110005);
    EXPECT_EQ(fev.nivelConsistencia, 2);
    EXPECT_EQ(fev.vazao[0], 20.25);
    EXPECT_FALSE(fev.vazao[1]); // empty element
    EXPECT_FALSE(fev.vazao[2]); // absent element
    EXPECT_EQ(fev.vazao[27], 0.0);
    EXPECT_EQ(fev.validos(), 2);
    const RegistroMensal& mar = r.serie[1];
    EXPECT_EQ(mar.registroId, 5);
    EXPECT_EQ(mar.vazao[0], 3.5);
    EXPECT_EQ(mar.vazao[30], 7.0);
    // The days' statuses and the month's method, where the answer gives them.
    EXPECT_EQ(fev.sinal[0], SinalDia::Real);
    EXPECT_EQ(fev.sinal[1], SinalDia::Desconhecido);
    EXPECT_FALSE(fev.metodoObtencao);
    EXPECT_EQ(mar.sinal[0], SinalDia::Estimado);
    EXPECT_EQ(mar.sinal[30], SinalDia::ReguaSeca);
    EXPECT_EQ(mar.metodoObtencao, 2);

    const VazoesBaixadas comBrutos =
        converterVazoes(todp(), kDoisNiveis, 56110005, DadosBrutos::CompletarSerie);
    EXPECT_EQ(comBrutos.importacao.serie.tamanho(), 4);
    EXPECT_TRUE(comBrutos.importacao.avisos.mesesBrutosAcrescentados);
}

TEST(Servico, SoDadosBrutos) {
    const QByteArray x = respostaVazoes(
        12345678, {{1, QDate(1985, 6, 1), [](int d) -> std::optional<double> { return d; }},
                   {1, QDate(1985, 7, 1), [](int) { return std::optional<double>(); }}});
    const VazoesBaixadas v = converterVazoes(todp(), x, 12345678);
    EXPECT_EQ(v.importacao.nivelConsistencia, 1);
    ASSERT_EQ(v.importacao.serie.tamanho(), 2);
    EXPECT_EQ(v.importacao.serie[0].vazao[29], 30.0);
    EXPECT_EQ(v.importacao.serie[1].validos(), 0);
}

TEST(Servico, SerieVaziaERecusa) {
    const VazoesBaixadas vazia = converterVazoes(todp(), "<DataTable xmlns=\"http://MRCS/\"/>", 1);
    EXPECT_TRUE(vazia.importacao.serie.vazia());
    EXPECT_EQ(vazia.linhasResposta, 0);
    EXPECT_FALSE(vazia.recusa);

    const VazoesBaixadas recusa = converterVazoes(todp(), kRespostaRecusa, 1);
    EXPECT_TRUE(recusa.importacao.serie.vazia());
    EXPECT_EQ(recusa.recusa, QStringLiteral("Nenhum dado encontrado para a estação."));
}

TEST(Servico, RespostaQueNaoConverteDizPorque) {
    const std::pair<const char*, const char*> casos[] = {
        {"<DataTable><SerieHistorica>",
         "XML inválido (linha 1, coluna 27): Premature end of document."},
        {"<r><SerieHistorica><NivelConsistencia>2</NivelConsistencia></SerieHistorica></r>",
         "SerieHistorica 1: sem data"},
        {"<r><SerieHistorica><NivelConsistencia>2</NivelConsistencia><DataHora>1700-01-01"
         "</DataHora></SerieHistorica></r>",
         "SerieHistorica 1: a data 01/01/1700 está fora do período aceito (1800 a 2100)"},
        {"<r><SerieHistorica><DataHora>1990-01-01</DataHora><Vazao03>1,5</Vazao03>"
         "</SerieHistorica></r>",
         "SerieHistorica 1, campo Vazao03: '1,5' não é um número válido"},
    };
    for (const auto& [corpo, causa] : casos) {
        try {
            converterVazoes(todp(), corpo, 1);
            ADD_FAILURE() << corpo;
        } catch (const ErroConversaoServico& e) {
            EXPECT_EQ(
                e.mensagem(),
                QStringLiteral("Ocorreu um erro converter dados para a Estrutura do Corvel 1.0"));
            EXPECT_EQ(e.causa(), QString::fromUtf8(causa));
        }
    }
    // A transformation without the dates cannot make a series.
    const Mapeamento sem =
        lerMapeamento(QByteArrayView("<mapeamento versao=\"1\"><linha elemento=\"SerieHistorica\"/>"
                                     "<campo nome=\"NivelConsistencia\" tipo=\"inteiro\" "
                                     "elemento=\"NivelConsistencia\"/></mapeamento>"),
                      QStringLiteral("TODP.xtr"));
    try {
        converterVazoes(sem, kDoisNiveis, 1);
        ADD_FAILURE();
    } catch (const ErroConversaoServico& e) {
        EXPECT_EQ(e.causa(), QStringLiteral("o arquivo TODP.xtr não fornece o campo Data"));
    }
}

TEST(Servico, SerieBaixadaViraProjetoComQualquerExtensao) {
    QTemporaryDir pasta;
    Bancada b(pasta.path());
    b.inicioAnoHidrologico = 9;
    assumirVazoes(b, converterVazoes(todp(), kDoisNiveis, 56110005),
                  pasta.filePath(QStringLiteral("estacao.txt")));
    EXPECT_EQ(b.arquivoProjeto, pasta.filePath(QStringLiteral("estacao.txt")));
    EXPECT_EQ(b.inicioAnoHidrologico, 1);
    EXPECT_EQ(b.nivelConsistencia, 2);
    // February and March 1990 with the other months of 1990 added.
    const SerieTabela lida = lerArquivoProjeto(pasta.filePath(QStringLiteral("estacao.txt")));
    ASSERT_EQ(lida.tamanho(), 12);
    EXPECT_EQ(lida[1].vazao01Status, kConsiderado);
    EXPECT_EQ(lida[1].vazao02Status, 1);
    EXPECT_EQ(lida[1].vazao03Status, 0);
    EXPECT_EQ(lida[0].vazao01Status, kSemDados);
    EXPECT_EQ(lida[0].registroId, 7); // two above the last record's number
    EXPECT_EQ(lida[0].estacaoCodigo, 56110005);
}

TEST(Servico, CodigoDeEstacao) {
    EXPECT_EQ(lerCodigoEstacao(QStringLiteral("56110005")), 56110005);
    EXPECT_EQ(lerCodigoEstacao(QStringLiteral(" 1 ")), 1);
    for (const char* ruim : {"", "0", "123456789", "12a", "-5", "1.5"}) {
        try {
            lerCodigoEstacao(QString::fromLatin1(ruim));
            ADD_FAILURE() << ruim;
        } catch (const Erro& e) {
            EXPECT_EQ(
                e.mensagem(),
                QStringLiteral("Código de estação inválido: '%1'.").arg(QLatin1StringView(ruim)));
        }
    }
}

TEST(Servico, ListaDeEstacoesDaResposta) {
    const Mapeamento m = lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/ListaEstacao.xtr"));
    const Tabela t = converterListaEstacoes(
        m, respostaLista({{"10100000", "RIO PRETO", "-14.7", "-47.5"},
                          {"", "SEM CÓDIGO", "", ""},
                          {"10200000", "S&#xC3;O JO&#xC3;O D&apos;ALIAN&#xC7;A", "", ""}}));
    EXPECT_EQ(t.campos(),
              (std::vector<Campo>{{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
                                  {QStringLiteral("Nome"), TipoCampo::Texto, 50},
                                  {QStringLiteral("Latitude"), TipoCampo::Texto, 19},
                                  {QStringLiteral("Longitude"), TipoCampo::Texto, 17}}));
    ASSERT_EQ(t.linhas(), 2);
    EXPECT_EQ(t.texto(0, 0), QStringLiteral("10100000"));
    EXPECT_EQ(t.texto(0, 3), QStringLiteral("-47.5"));
    EXPECT_EQ(t.texto(1, 1), QStringLiteral("SÃO JOÃO D'ALIANÇA"));
    EXPECT_TRUE(t.nulo(1, 2));

    for (const QByteArray& corpo : {respostaLista({}), kRespostaRecusa}) {
        try {
            converterListaEstacoes(m, corpo);
            ADD_FAILURE();
        } catch (const ErroConversaoServico& e) {
            EXPECT_TRUE(e.causa().startsWith(QStringLiteral("a resposta não traz nenhuma estação")))
                << e.causa().toStdString();
        }
    }
}

ListaEstacoes lista() {
    Tabela t({{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
              {QStringLiteral("Nome"), TipoCampo::Texto, 50}});
    const std::pair<const char*, const char*> linhas[] = {
        {"10100000", "RIO PRETO"},     {"10200000", "PONTE DO RIO"}, {"20100000", "RIOLÂNDIA"},
        {"30100000", "D'ÁGUA BRANCA"}, {"40100000", "rio verde"},    {"50100000", "100% ÁGUA"},
    };
    for (const auto& [codigo, nome] : linhas) {
        const qsizetype l = t.acrescentarLinha();
        t.definir(l, 0, QString::fromUtf8(codigo));
        t.definir(l, 1, QString::fromUtf8(nome));
    }
    return listaEstacoes(std::move(t));
}

TEST(Estacoes, FiltroPorCodigoOuNomeComoDigitado) {
    const ListaEstacoes l = lista();
    const std::pair<const char*, std::vector<qsizetype>> casos[] = {
        {"", {0, 1, 2, 3, 4, 5}},
        {"RIO", {0, 2, 4}}, // names that start with it, any case
        {"10", {0, 1, 5}},  // codes, and a name that starts with digits
        {"101", {0}},
        {"D'", {3}}, // a quote is a plain character
        {"100%", {5}},
        {"_", {}},
        {"PONTE DO RIO", {1}},
        {"X", {}},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(filtrarEstacoes(l, QString::fromUtf8(texto)), esperado) << texto;
}

TEST(Estacoes, TextosDeContagem) {
    EXPECT_EQ(textoEstacoesNaLista(0), QStringLiteral("0 Estação localizada"));
    EXPECT_EQ(textoEstacoesNaLista(1), QStringLiteral("1 Estação localizada"));
    EXPECT_EQ(textoEstacoesNaLista(2), QStringLiteral("2 Estações localizadas"));
    EXPECT_EQ(textoEstacoesLocalizadas(0), QStringLiteral("Nenhuma estação localizada."));
    EXPECT_EQ(textoEstacoesLocalizadas(1), QStringLiteral("1 estação localizada."));
    EXPECT_EQ(textoEstacoesLocalizadas(1234), QStringLiteral("1234 estações localizadas."));
}

TEST(Estacoes, QuinhentasOuDez) {
    EXPECT_EQ(planoDownload(1, true).estacoes, 1);
    EXPECT_FALSE(planoDownload(1, true).pergunta);
    EXPECT_FALSE(planoDownload(300, false).pergunta);
    EXPECT_EQ(planoDownload(300, false).estacoes, 1);
    const PlanoDownload dois = planoDownload(2, true);
    EXPECT_EQ(dois.pergunta, QStringLiteral("Há 2 estações na lista. Deseja baixar todas?"));
    EXPECT_EQ(dois.estacoes, 2);
    const PlanoDownload quinhentas = planoDownload(500, true);
    EXPECT_EQ(quinhentas.pergunta,
              QStringLiteral("Há 500 estações na lista. Deseja baixar todas?"));
    EXPECT_EQ(quinhentas.estacoes, 500);
    const PlanoDownload mais = planoDownload(501, true);
    EXPECT_EQ(mais.pergunta,
              QStringLiteral("Há 501 estações na lista. O número máximo de estações para esta "
                             "operação é 10.\nDeseja baixar as 10 primeiras estações da lista?"));
    EXPECT_EQ(mais.estacoes, 10);
}

TEST(Estacoes, ArquivoDaListaEMensagens) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("lista.xml"));
    gravarTabela(arquivo, Tabela({{QStringLiteral("Codigo"), TipoCampo::Texto, 8}}));
    EXPECT_THROW(lerListaEstacoes(arquivo), ErroArquivo);
    EXPECT_THROW(lerListaEstacoes(pasta.filePath(QStringLiteral("nao.xml"))), ErroArquivo);
    gravarTabela(arquivo, lista().tabela);
    EXPECT_EQ(lerListaEstacoes(arquivo).tamanho(), 6);
    EXPECT_EQ(mensagemListaAusente(),
              QStringLiteral("Ocorreu um erro. Pode ser que a lista de estações tenha sido  "
                             "excluída. Para obter esta lista reinstale o Corvel 1.0 ou clique em "
                             "\"Atualizar lista de estações\"."));
    EXPECT_EQ(mensagemListaAtualizada(3723004),
              QStringLiteral("Lista de estações atualizadas em 01:02:03"));
}

} // namespace
