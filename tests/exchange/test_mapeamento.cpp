// Transformation files: the shipped ones, answers written by hand as the service's documentation
// shows them, the values that must be refused and the files that are not transformations.
#include "exchange/mapeamento.h"

#include "impressao_qt.h"

#include <QFile>
#include <charconv>
#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

using namespace corvel;

namespace {

Mapeamento mapeamento(const char* xml) {
    return lerMapeamento(QByteArrayView(xml), QStringLiteral("teste.xtr"));
}

const char* const kVazoes = R"(<mapeamento versao="1">
  <linha elemento="SerieHistorica"/>
  <recusa elemento="ErrorTable" motivo="Error"/>
  <campo nome="NivelConsistencia" tipo="inteiro" tamanho="2" elemento="NivelConsistencia"/>
  <campo nome="Data" tipo="data" formato="aaaa-mm-dd" elemento="DataHora"/>
  <campo nome="Vazao01" tipo="real" elemento="Vazao01"/>
  <campo nome="Vazao02" tipo="real" elemento="Vazao02"/>
  <campo nome="Nome" tipo="texto" tamanho="50" elemento="Nome"/>
  <campo nome="Id" tipo="inteiro" tamanho="8" atributo="id"/>
  <campo nome="RegistroID" tipo="real"/>
</mapeamento>)";

TEST(Mapeamento, ArquivosInstaladosComOPrograma) {
    const Mapeamento todp = lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/TODP.xtr"));
    EXPECT_EQ(todp.elementoLinha, "SerieHistorica");
    EXPECT_EQ(todp.elementoRecusa, "ErrorTable");
    EXPECT_EQ(todp.elementoMotivo, "Error");
    EXPECT_EQ(todp.separadorDecimal, '.');
    // Every stored field of the series table, by name, and the month's method and days' statuses
    // of the answer.
    ASSERT_EQ(todp.campos.size(), 3u + 31u + 1u + 31u + 5u);
    EXPECT_EQ(todp.campos[2].campo.nome, QStringLiteral("Data"));
    EXPECT_EQ(todp.campos[2].campo.tipo, TipoCampo::DataHora);
    EXPECT_EQ(todp.campos[2].nomeOrigem, "DataHora");
    EXPECT_EQ(todp.campos[33].campo.nome, QStringLiteral("Vazao31"));
    EXPECT_EQ(todp.campos[34].nomeOrigem, "MetodoObtencaoVazoes");
    EXPECT_EQ(todp.campos[35].campo.nome, QStringLiteral("StatusDia01"));
    EXPECT_EQ(todp.campos[35].nomeOrigem, "Vazao01Status");
    EXPECT_EQ(todp.campos[66].campo.nome, QStringLiteral("RegistroID"));
    EXPECT_EQ(todp.campos[66].origem, OrigemCampo::Nenhuma);

    const Mapeamento lista = lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/ListaEstacao.xtr"));
    EXPECT_EQ(lista.elementoLinha, "Table");
    EXPECT_EQ(lista.camposTabela(),
              (std::vector<Campo>{{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
                                  {QStringLiteral("Nome"), TipoCampo::Texto, 50},
                                  {QStringLiteral("Latitude"), TipoCampo::Texto, 19},
                                  {QStringLiteral("Longitude"), TipoCampo::Texto, 17}}));
}

TEST(Mapeamento, LinhasCamposVaziosEAusentes) {
    const ResultadoMapeamento r = aplicarMapeamento(mapeamento(kVazoes), R"(<?xml version="1.0"?>
<DataTable xmlns="http://servico/">
  <SerieHistorica id="7">
    <EstacaoCodigo>56110005</EstacaoCodigo>
    <NivelConsistencia>2</NivelConsistencia>
    <DataHora>1990-03-01 00:00:00</DataHora>
    <Vazao01> 12.5 </Vazao01>
    <Vazao02 />
    <Nome>RIO &amp; PONTE</Nome>
  </SerieHistorica>
  <SerieHistorica>
    <nivelconsistencia>1</nivelconsistencia>
    <DataHora>1990-04-01T00:00:00</DataHora>
    <Vazao02>-0.25E1</Vazao02>
    <Vazao01>0</Vazao01>
    <Vazao01>99</Vazao01>
    <Nome><b>A</b>B</Nome>
  </SerieHistorica>
</DataTable>)");
    EXPECT_FALSE(r.recusa);
    const Tabela& t = r.tabela;
    ASSERT_EQ(t.linhas(), 2);
    EXPECT_EQ(t.inteiro(0, 0), 2);
    EXPECT_EQ(t.dataHora(0, 1), QDateTime(QDate(1990, 3, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(t.real(0, 2), 12.5);
    EXPECT_TRUE(t.nulo(0, 3)); // empty element
    EXPECT_EQ(t.texto(0, 4), QStringLiteral("RIO & PONTE"));
    EXPECT_EQ(t.inteiro(0, 5), 7);
    EXPECT_TRUE(t.nulo(0, 6)); // no source

    EXPECT_EQ(t.inteiro(1, 0), 1); // names compared without regard to case
    EXPECT_EQ(t.dataHora(1, 1)->date(), QDate(1990, 4, 1));
    EXPECT_EQ(t.real(1, 2), 0.0); // the first of two elements stands
    EXPECT_EQ(t.real(1, 3), -2.5);
    EXPECT_EQ(t.texto(1, 4), QStringLiteral("AB")); // text of nested elements included
    EXPECT_TRUE(t.nulo(1, 5));                      // attribute absent
}

TEST(Mapeamento, ListaDeEstacoesComPrefixosEAtributos) {
    const ResultadoMapeamento r =
        aplicarMapeamento(lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/ListaEstacao.xtr")),
                          R"(<?xml version="1.0" encoding="utf-8"?>
<DataSet xmlns="http://servico/">
  <xs:schema id="NewDataSet" xmlns:xs="http://www.w3.org/2001/XMLSchema">
    <xs:element name="Table"><xs:complexType/></xs:element>
  </xs:schema>
  <diffgr:diffgram xmlns:msdata="urn:schemas-microsoft-com:xml-msdata"
                   xmlns:diffgr="urn:schemas-microsoft-com:xml-diffgram-v1">
    <NewDataSet xmlns="">
      <Table diffgr:id="Table1" msdata:rowOrder="0">
        <Codigo>10100000</Codigo><Nome>SÃO JOÃO D'ALIANÇA</Nome>
        <Latitude>-14.7</Latitude><Longitude>-47.5</Longitude>
      </Table>
      <Table diffgr:id="Table2" msdata:rowOrder="1">
        <Codigo>10200000</Codigo><Nome>RIO PRETO</Nome>
      </Table>
    </NewDataSet>
  </diffgr:diffgram>
</DataSet>)");
    ASSERT_EQ(r.tabela.linhas(), 2);
    EXPECT_EQ(r.tabela.texto(0, 0), QStringLiteral("10100000"));
    EXPECT_EQ(r.tabela.texto(0, 1), QStringLiteral("SÃO JOÃO D'ALIANÇA"));
    EXPECT_EQ(r.tabela.texto(0, 2), QStringLiteral("-14.7"));
    EXPECT_EQ(r.tabela.texto(1, 1), QStringLiteral("RIO PRETO"));
    EXPECT_TRUE(r.tabela.nulo(1, 3));
}

TEST(Mapeamento, RecusaDoServico) {
    const Mapeamento m = mapeamento(kVazoes);
    const ResultadoMapeamento r = aplicarMapeamento(
        m, "<DataTable><ErrorTable><Error> Nenhum dado encontrado. </Error><Error>outro</Error>"
           "</ErrorTable></DataTable>");
    EXPECT_EQ(r.tabela.linhas(), 0);
    EXPECT_EQ(r.recusa, QStringLiteral("Nenhum dado encontrado."));
    EXPECT_EQ(aplicarMapeamento(m, "<DataTable><ErrorTable/></DataTable>").recusa, QString());
    EXPECT_FALSE(aplicarMapeamento(m, "<DataTable/>").recusa);
}

TEST(Mapeamento, ValoresRecusadosDizemLinhaCampoETexto) {
    const Mapeamento m = mapeamento(kVazoes);
    const std::pair<const char*, const char*> casos[] = {
        {"<Vazao01>12,5</Vazao01>", "campo Vazao01: '12,5' não é um número válido"},
        {"<Vazao01>nan</Vazao01>", "campo Vazao01: 'nan' não é um número válido"},
        {"<Vazao01>1e999</Vazao01>", "campo Vazao01: '1e999' não é um número válido"},
        {"<Vazao01>+-1</Vazao01>", "campo Vazao01: '+-1' não é um número válido"},
        {"<Vazao01>0x10</Vazao01>", "campo Vazao01: '0x10' não é um número válido"},
        {"<NivelConsistencia>40000</NivelConsistencia>",
         "campo NivelConsistencia: '40000' não é um número inteiro válido"},
        {"<NivelConsistencia>2.0</NivelConsistencia>",
         "campo NivelConsistencia: '2.0' não é um número inteiro válido"},
        {"<DataHora>1990-13-01</DataHora>",
         "campo Data: '1990-13-01' não é uma data aaaa-mm-dd válida"},
        {"<DataHora>01/03/1990</DataHora>",
         "campo Data: '01/03/1990' não é uma data aaaa-mm-dd válida"},
    };
    for (const auto& [filho, mensagem] : casos) {
        const QByteArray doc =
            QByteArray("<r><SerieHistorica><Vazao02>1</Vazao02>") + filho + "</SerieHistorica></r>";
        try {
            aplicarMapeamento(m, doc);
            ADD_FAILURE() << filho;
        } catch (const ErroConversao& e) {
            EXPECT_EQ(e.mensagem(),
                      QStringLiteral("SerieHistorica 1, ") + QString::fromUtf8(mensagem));
        }
    }
    const Mapeamento virgula = mapeamento(R"(<mapeamento versao="1" separadorDecimal=",">
        <linha elemento="l"/><campo nome="v" tipo="real" elemento="v"/></mapeamento>)");
    EXPECT_EQ(aplicarMapeamento(virgula, "<r><l><v>12,5</v></l></r>").tabela.real(0, 0), 12.5);
    EXPECT_THROW(aplicarMapeamento(virgula, "<r><l><v>12.5</v></l></r>"), ErroConversao);
}

TEST(Mapeamento, ArquivoQueNaoEhUmaTransformacao) {
    const std::pair<const char*, const char*> casos[] = {
        {"<outra/>", "o elemento principal deve ser <mapeamento>"},
        {"<mapeamento versao=\"2\"/>", "versão diferente de 1"},
        {"<mapeamento versao=\"1\"><campo nome=\"a\" tipo=\"real\"/></mapeamento>",
         "falta <linha elemento=\"...\"/>"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/></mapeamento>", "nenhum <campo>"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><campo nome=\"a\" tipo=\"hora\"/>"
         "</mapeamento>",
         "campo \"a\": tipo \"hora\" desconhecido (inteiro, real, texto ou data)"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><campo nome=\"a\" tipo=\"inteiro\" "
         "tamanho=\"3\"/></mapeamento>",
         "campo \"a\": tamanho \"3\" inválido (inteiro: 2, 4 ou 8 bytes; texto: caracteres)"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><campo nome=\"a\" tipo=\"real\" "
         "elemento=\"x\" atributo=\"y\"/></mapeamento>",
         "campo \"a\": elemento e atributo ao mesmo tempo"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><campo nome=\"a\" tipo=\"real\"/>"
         "<campo nome=\"A\" tipo=\"real\"/></mapeamento>",
         "campo \"A\" repetido"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><campo nome=\"a\" tipo=\"real\" "
         "elemento=\"x\"/><campo nome=\"b\" tipo=\"real\" elemento=\"X\"/></mapeamento>",
         "\"X\" alimenta os campos \"a\" e \"b\""},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><coluna/></mapeamento>",
         "elemento desconhecido <coluna>"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\" nome=\"x\"/></mapeamento>",
         "atributo desconhecido \"nome\" em <linha>"},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/><campo tipo=\"real\"/></mapeamento>",
         "<campo> sem o atributo \"nome\""},
        {"<mapeamento versao=\"1\"><linha elemento=\"l\"/>", "linha 1: Premature end of document."},
    };
    for (const auto& [xml, motivo] : casos) {
        try {
            mapeamento(xml);
            ADD_FAILURE() << xml;
        } catch (const ErroArquivo& e) {
            EXPECT_EQ(e.mensagem(), QStringLiteral("O arquivo de transformação \"teste.xtr\" é "
                                                   "inválido: ") +
                                        QString::fromUtf8(motivo) + u'.');
        }
    }
    try {
        lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/naoexiste.xtr"));
        ADD_FAILURE();
    } catch (const ErroArquivo& e) {
        EXPECT_EQ(
            e.mensagem(),
            QStringLiteral("O arquivo de transformação \"naoexiste.xtr\" não foi encontrado."));
    }
}

TEST(Mapeamento, NumerosLidosComoOFromCharsLe) {
    // The plain decimals are read by a shortcut; std::from_chars is the reference for every one.
    const Mapeamento m = mapeamento(R"(<mapeamento versao="1"><linha elemento="l"/>
        <campo nome="v" tipo="real" elemento="v"/></mapeamento>)");
    for (const char* texto : {"0",
                              "-0",
                              "7",
                              "0.1",
                              "0.3",
                              "123.456",
                              "-0.001",
                              "54.867",
                              "100000.5",
                              "0.000001",
                              "9007199254740992",
                              "9007199254740993",
                              "0.30000000000000004",
                              "1.7976931348623157",
                              "12345678.123456789",
                              "3.14159265358979323846",
                              "1e3",
                              "2.5E-3",
                              "0.0000000000000000000001",
                              "0.00000000000000000000001"}) {
        double esperado = 0;
        std::from_chars(texto, texto + std::strlen(texto), esperado);
        const Tabela t =
            aplicarMapeamento(m, QByteArray("<r><l><v>") + texto + "</v></l></r>").tabela;
        ASSERT_TRUE(t.real(0, 0)) << texto;
        EXPECT_EQ(*t.real(0, 0), esperado) << texto;
        EXPECT_EQ(std::signbit(*t.real(0, 0)), std::signbit(esperado)) << texto;
    }
}

} // namespace
