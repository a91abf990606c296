// Agency files on disk: the two layouts the agency has published, the accepted extensions, the
// failures reported as an import error, repeated months and line endings.
#include "agencia.h"

#include "core/bancada.h"
#include "exchange/importacaoagencia.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using namespace corvel;
using corvel::teste::arquivo;
using corvel::teste::comentario;
using corvel::teste::linha;
using corvel::teste::titulo;

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(CORVEL_TEST_DATA "/agencia/") + QString::fromLatin1(nome);
}

QString gravar(const QTemporaryDir& pasta, const QString& nome, const QByteArray& bytes) {
    const QString caminho = pasta.filePath(nome);
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "não gravou " << caminho.toStdString();
    return caminho;
}

Bancada importarEAssumir(const QString& caminho) {
    ResultadoImportacao r = importarArquivoAgencia(caminho, 9);
    EXPECT_EQ(r.duplicadosDescartados, 0);
    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    return b;
}

// Older download: "//" comments with Latin-1 accents, CR LF, oldest month first. Newer download:
// a plain banner (UTF-8 here, which the Latin-1 reading garbles harmlessly), a title without the
// final ';', LF only and no final line break, newest month first.
TEST(ArquivosAgencia, AsDuasDisposicoesDaoAMesmaSerie) {
    const Bancada antigo = importarEAssumir(fixture("vazoes_antigo.txt"));
    const Bancada novo = importarEAssumir(fixture("vazoes_novo.csv"));
    for (const Bancada* b : {&antigo, &novo}) {
        EXPECT_EQ(b->nivelConsistencia, 2);
        ASSERT_EQ(b->serie.tamanho(), 24);
        EXPECT_EQ(b->serie[0].data, QDate(1985, 1, 1));
        EXPECT_EQ(b->serie[23].data, QDate(1986, 12, 1));
    }
    for (qsizetype i = 0; i < 24; ++i) {
        const RegistroMensal& a = antigo.serie[i];
        const RegistroMensal& n = novo.serie[i];
        SCOPED_TRACE(a.mes().toStdString());
        EXPECT_EQ(a.data, n.data);
        EXPECT_EQ(a.estacaoCodigo, 99990002);
        EXPECT_EQ(n.estacaoCodigo, 99990002);
        EXPECT_EQ(a.vazao, n.vazao);
        EXPECT_EQ(a.vazao01Status, n.vazao01Status);
        EXPECT_EQ(a.vazao02Status, 1);
        EXPECT_EQ(n.vazao02Status, 1);
        EXPECT_EQ(a.vazao03Status, n.vazao03Status);
        EXPECT_EQ(a.nivelConsistencia, 2);
        EXPECT_EQ(n.nivelConsistencia, 2);
        // Months absent from the consisted rows are added, the rest are considered.
        const bool ausente = a.data < QDate(1985, 3, 1) || a.data == QDate(1986, 10, 1) ||
                             a.data == QDate(1986, 12, 1);
        EXPECT_EQ(a.vazao01Status, ausente ? kSemDados : kConsiderado);
    }
    // Consisted values, not the raw ones, and the empty days of the file.
    const RegistroMensal& marco = antigo.serie[2];
    EXPECT_EQ(marco.vazao[0], 62.311);
    EXPECT_EQ(antigo.serie[5].nullos(), 3);                     // June 1985: days 10 to 12 empty
    EXPECT_EQ(antigo.serie[12].situacao(false), u"Com falhas"); // January 1986 has no value
    EXPECT_EQ(antigo.serie[12].porcentagemFalhas(), 100);
    // Lines are numbered from the first line parsed: the first data line in the older layout
    // (its title is a comment), the first banner line in the newer one.
    EXPECT_EQ(marco.registroId, 37);
    EXPECT_EQ(novo.serie[2].registroId, 34);
}

TEST(ArquivosAgencia, ExtensaoTxtOuCsvEmQualquerCaixa) {
    QTemporaryDir pasta;
    const QByteArray texto = arquivo({titulo(false), linha("2", "01/03/1990").texto()});
    for (const char* nome : {"a.txt", "b.TXT", "c.csv", "d.CsV", "e.dados.txt"}) {
        const QString caminho = gravar(pasta, QString::fromLatin1(nome), texto);
        EXPECT_EQ(importarArquivoAgencia(caminho, 1).serie.tamanho(), 1) << nome;
    }
    for (const char* nome : {"f.xml", "g.tsv", "h", "i.txt.bak", "j.csvx"}) {
        const QString caminho = gravar(pasta, QString::fromLatin1(nome), texto);
        try {
            importarArquivoAgencia(caminho, 1);
            ADD_FAILURE() << "aceitou " << nome;
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), u"Arquivo inválido.") << nome;
            EXPECT_EQ(e.gravidade(), Gravidade::Aviso) << nome;
            EXPECT_EQ(dynamic_cast<const ErroImportacao*>(&e), nullptr) << nome;
        }
    }
}

TEST(ArquivosAgencia, ValorQueNaoConverteEArquivoIlegivelSaoErroDeImportacao) {
    QTemporaryDir pasta;
    auto comValor = [](const char* nivel, const char* valor) {
        teste::LinhaAgencia l = linha(nivel, "01/04/1990");
        l.vazoes[6] = QString::fromLatin1(valor);
        return l.texto();
    };
    teste::LinhaAgencia dataIso = linha("2", "1990-05-01");
    struct Caso {
        const char* nome;
        QByteArray texto; // empty: the file is not there
        const char* causa;
    };
    const Caso casos[] = {
        {"ponto.txt", arquivo({comentario(), titulo(false), comValor("2", "12.5")}), "linha 3:"},
        {"data.txt",
         arquivo({comentario(), titulo(false), linha("2", "01/04/1990").texto(), dataIso.texto()}),
         "linha 4:"},
        {"ausente.txt", QByteArray(), ""},
    };
    for (const Caso& c : casos) {
        const QString caminho = c.texto.isEmpty()
                                    ? pasta.filePath(QString::fromLatin1(c.nome))
                                    : gravar(pasta, QString::fromLatin1(c.nome), c.texto);
        try {
            importarArquivoAgencia(caminho, 1);
            ADD_FAILURE() << "sem erro: " << c.nome;
        } catch (const ErroImportacao& e) {
            EXPECT_EQ(e.mensagem(), u"Erro ao importar dados.") << c.nome;
            EXPECT_EQ(e.gravidade(), Gravidade::Erro) << c.nome;
            EXPECT_EQ(e.arquivo(), caminho) << c.nome;
            EXPECT_TRUE(e.causa().startsWith(QString::fromLatin1(c.causa)))
                << e.causa().toStdString();
        }
    }
    // A raw row is never converted while consisted rows exist, so its bad value does no harm.
    const QString bruto = gravar(pasta, QStringLiteral("bruto.txt"),
                                 arquivo({comValor("1", "12.5"), comValor("2", "12,5")}));
    EXPECT_EQ(importarArquivoAgencia(bruto, 1).serie[0].vazao[6], 12.5);
}

TEST(ArquivosAgencia, MesRepetidoFicaUmaVezComALinhaMaisRecenteDoArquivo) {
    auto as = [](const char* nivel, const char* data, const char* hora, const char* valor) {
        teste::LinhaAgencia l = linha(nivel, data, valor);
        l.hora = QString::fromLatin1(hora);
        return l.texto();
    };
    const QString t = titulo(false);
    struct Caso {
        const char* descricao;
        QByteArray texto;
        std::vector<std::pair<QDate, double>> meses; // stored order: month, day-1 flow
        std::vector<double> numeros;
        int descartados;
    };
    const Caso casos[] = {
        {"março duas vezes",
         arquivo({t, as("2", "01/03/1990", "01/01/1900 00:00:00", "1"),
                  as("2", "01/04/1990", "01/01/1900 00:00:00", "4"),
                  as("2", "01/03/1990", "01/01/1900 07:00:00", "2")}),
         {{QDate(1990, 4, 1), 4}, {QDate(1990, 3, 1), 2}},
         {3, 4},
         1},
        {"março três vezes",
         arquivo({t, as("2", "01/03/1990", "a", "1"), as("2", "01/03/1990", "b", "2"),
                  as("2", "01/03/1990", "c", "3")}),
         {{QDate(1990, 3, 1), 3}},
         {4},
         2},
        {"repetido só no nível não lido",
         arquivo({t, as("1", "01/03/1990", "a", "1"), as("1", "01/03/1990", "b", "2"),
                  as("2", "01/03/1990", "c", "3")}),
         {{QDate(1990, 3, 1), 3}},
         {4},
         0},
        {"repetido nos brutos sem consistidos",
         arquivo({t, as("1", "01/03/1990", "a", "1"), as("1", "01/03/1990", "b", "2")}),
         {{QDate(1990, 3, 1), 2}},
         {3},
         1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.descricao);
        const ResultadoImportacao r = lerTextoAgencia(c.texto, 1);
        EXPECT_EQ(r.duplicadosDescartados, c.descartados);
        std::vector<std::pair<QDate, double>> meses;
        std::vector<double> numeros;
        for (const RegistroMensal& m : r.serie.armazenados()) {
            meses.emplace_back(m.data, m.vazao[0].value_or(-1));
            numeros.push_back(m.registroId);
        }
        EXPECT_EQ(meses, c.meses);
        EXPECT_EQ(numeros, c.numeros);
    }
}

TEST(ArquivosAgencia, FinsDeLinhaCrLfLfESemQuebraFinal) {
    const std::initializer_list<QString> linhas = {comentario(), QString(), titulo(true),
                                                   linha("2", "01/03/1990").texto(),
                                                   linha("2", "01/04/1990").texto()};
    const QByteArray casos[] = {arquivo(linhas, "\r\n"), arquivo(linhas, "\n"),
                                arquivo(linhas, "\r\n", false), arquivo(linhas, "\n", false),
                                arquivo(linhas, "\r\n") + "\r\n"};
    for (const QByteArray& texto : casos) {
        const ResultadoImportacao r = lerTextoAgencia(texto, 1);
        ASSERT_EQ(r.serie.tamanho(), 2);
        EXPECT_EQ(r.serie[1].data, QDate(1990, 4, 1));
        EXPECT_EQ(r.serie[1].registroId, 2);
        EXPECT_EQ(r.serie[1].vazao[27], 10.5);
    }
}

} // namespace
