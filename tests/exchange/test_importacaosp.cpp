// São Paulo text import: the fixed columns, "---" and short lines, the search for the column
// titles, record numbers from 0 at level 1 and the refusals.
#include "core/bancada.h"
#include "exchange/importacaosp.h"
#include "impressao_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using namespace corvel;

namespace {

QString exemplo() {
    return QStringLiteral(CORVEL_TEST_DATA "/saopaulo/exemplo.txt");
}

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDate kJan(1985, 1, 1), kFev(1985, 2, 1), kMar(1985, 3, 1), kAbr(1985, 4, 1),
    kMai(1985, 5, 1);

TEST(ImportacaoSaoPaulo, ColunasFixasTracosELinhasCurtas) {
    std::vector<qint64> passos;
    const ResultadoImportacao r =
        importarArquivoSaoPaulo(exemplo(), [&](qint64 p) { passos.push_back(p); });
    EXPECT_EQ(passos, (std::vector<qint64>{1, 2, 3, 4}));
    EXPECT_EQ(r.nivelConsistencia, 2);
    EXPECT_EQ(r.duplicadosDescartados, 0);
    ASSERT_EQ(r.serie.tamanho(), 4);
    const QDate datas[] = {kJan, kFev, kMar, kMai};
    for (qsizetype i = 0; i < 4; ++i) {
        const RegistroMensal& m = r.serie.armazenados()[static_cast<std::size_t>(i)];
        EXPECT_EQ(m.data, datas[i]);
        EXPECT_EQ(m.registroId, i); // the data lines read before it
        EXPECT_EQ(m.estacaoCodigo, 62345678);
        EXPECT_EQ(m.nivelConsistencia, 1);
        EXPECT_EQ(m.vazao01Status, 0);
        EXPECT_EQ(m.vazao02Status, 1000);
    }
    struct Dia {
        QDate mes;
        int dia;
        std::optional<double> valor;
    };
    const Dia dias[] = {
        {kJan, 1, 12.5}, // two spaces then 12,50
        {kJan, 2, 102.25},  {kJan, 5, std::nullopt},  {kJan, 31, 131.25},
        {kFev, 28, 228.25}, {kFev, 29, std::nullopt}, {kFev, 31, std::nullopt}, // 28 columns
        {kMar, 9, 309.25},  {kMar, 10, std::nullopt}, {kMar, 11, 311.25},       // "---" to the left
        {kMar, 31, 1234.5}, {kMai, 31, 531.25}, // what follows column 32 is ignored
    };
    for (const Dia& d : dias) {
        const RegistroMensal& m = r.serie[r.serie.localizar(d.mes)];
        EXPECT_EQ(m.vazao[static_cast<std::size_t>(d.dia - 1)], d.valor)
            << m.mes().toStdString() << " dia " << d.dia;
    }
}

TEST(ImportacaoSaoPaulo, MesesLidosNivelUmCompletadosNivelDoisNumeradosAposOUltimo) {
    ResultadoImportacao r = importarArquivoSaoPaulo(exemplo());
    Bancada b;
    b.assumirImportacao(std::move(r.serie), r.nivelConsistencia);
    EXPECT_EQ(b.nivelConsistencia, 2);
    ASSERT_EQ(b.serie.tamanho(), 12);
    for (qsizetype i = 0; i < 12; ++i) {
        const RegistroMensal& m = b.serie[i];
        SCOPED_TRACE(m.mes().toStdString());
        const bool lido = m.data <= kMai && m.data != kAbr;
        EXPECT_EQ(m.nivelConsistencia, lido ? 1 : 2);
        EXPECT_EQ(m.vazao01Status, lido ? kConsiderado : kSemDados);
        EXPECT_EQ(m.vazao02Status, 1);
    }
    // The last line read is number 3: the first month added is 5.
    EXPECT_EQ(b.serie[b.serie.localizar(kAbr)].registroId, 5);
    EXPECT_EQ(b.serie[b.serie.localizar(QDate(1985, 6, 1))].registroId, 6);
}

QByteArray texto(const QStringList& linhas) {
    return linhas.join(u"\r\n").toLatin1();
}

QString dados(const char* mes, const char* dia1 = "   1,00") {
    return QString::fromLatin1(mes) + QString::fromLatin1(dia1);
}

TEST(ImportacaoSaoPaulo, BuscaDosTitulosComecaNaLinhaDois) {
    const QString p = QStringLiteral("PREFIXO 1"), c = QStringLiteral("Estação   : 123");
    const QString t = QStringLiteral("Mês/Ano"), s = QStringLiteral("-------");
    struct Caso {
        const char* descricao;
        QByteArray texto;
        std::vector<QDate> meses;
    };
    const Caso casos[] = {
        {"títulos na linha 2: a linha 4 fica sob eles",
         texto({p, t, c, dados("01/1990"), dados("02/1990")}),
         {QDate(1990, 2, 1)}},
        {"uma linha vazia antes dos títulos",
         texto({p, QString(), c, QString(), t, s, dados("01/1990")}),
         {QDate(1990, 1, 1)}},
        {"linhas em branco no fim e no meio dos dados não contam",
         texto({p, QString(), c, t, s, dados("01/1990"), QStringLiteral("   "), dados("03/1990"),
                QString(), QString()}),
         {QDate(1990, 1, 1), QDate(1990, 3, 1)}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        const ResultadoImportacao r = lerTextoSaoPaulo(caso.texto);
        std::vector<QDate> meses;
        for (const RegistroMensal& m : r.serie.armazenados())
            meses.push_back(m.data);
        EXPECT_EQ(meses, caso.meses);
        EXPECT_EQ(r.serie.armazenados().back().registroId,
                  static_cast<double>(caso.meses.size() - 1));
    }
}

TEST(ImportacaoSaoPaulo, ArquivoSemTitulosOuSemPrefixoRecusado) {
    const QString estrutura =
        QStringLiteral("Verifique se esse arquivo foi baixado do site da "
                       "Vidara, ou se tem a estrutura adequada.\n Ação abortada.");
    const QString p = QStringLiteral("PREFIXO 1"), c = QStringLiteral("Estação   : 123");
    struct Caso {
        const char* descricao;
        QByteArray texto;
        QString mensagem;
        Gravidade gravidade;
    };
    const Caso casos[] = {
        {"sem Mês/Ano", texto({p, QString(), c, QStringLiteral("Mes/Ano"), dados("01/1990")}),
         estrutura, Gravidade::Erro},
        {"Mês/Ano só na linha 3", texto({p, QString(), QStringLiteral("Mês/Ano 123"), QString()}),
         estrutura, Gravidade::Erro},
        {"uma linha só", texto({p}), estrutura, Gravidade::Erro},
        {"títulos sem meses", texto({p, QString(), c, QStringLiteral("Mês/Ano"), QString()}),
         estrutura, Gravidade::Erro},
        {"sem PREFIXO", texto({QStringLiteral("prefixo"), QString(), c, QStringLiteral("Mês/Ano")}),
         QStringLiteral("Arquivo inválido."), Gravidade::Aviso},
        {"vazio", QByteArray(), QStringLiteral("Arquivo inválido."), Gravidade::Aviso},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        try {
            lerTextoSaoPaulo(caso.texto);
            ADD_FAILURE() << "sem erro";
        } catch (const ErroConversao& e) {
            ADD_FAILURE() << e.mensagem().toStdString();
        } catch (const Erro& e) {
            EXPECT_EQ(e.mensagem(), caso.mensagem);
            EXPECT_EQ(e.gravidade(), caso.gravidade);
        }
    }
}

TEST(ImportacaoSaoPaulo, ValorQueNaoENumeroDaErroComALinhaEOArquivoParaExibir) {
    const QString base = QString::fromLatin1(conteudo(exemplo()));
    struct Caso {
        QString de, para;
        const char* causa;
    };
    const Caso casos[] = {
        {QStringLiteral(" 103,25"), QStringLiteral("  103.2"),
         "linha 8: '  103.2' não é um valor de ponto flutuante válido"},
        {QStringLiteral("02/1985"), QStringLiteral("13/1985"),
         "linha 9: '01/13/1985' não é uma data válida"},
        {QStringLiteral("03/1985"), QStringLiteral("03/1799"),
         "linha 10: a data 01/03/1799 está fora do período aceito (1800 a 2100)"},
        {QStringLiteral(": 62345678"), QStringLiteral(": 6234567X"),
         "linha 3: código de estação inválido: '6234567X'"},
        {QStringLiteral(": 62345678"), QStringLiteral(": 0"),
         "linha 3: código de estação "
         "inválido: '0'"},
    };
    QTemporaryDir pasta;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.causa);
        ASSERT_TRUE(base.contains(c.de));
        const QString caminho = pasta.filePath(QStringLiteral("ruim.TXT"));
        QFile f(caminho);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString(base).replace(c.de, c.para).toLatin1());
        f.close();
        try {
            importarArquivoSaoPaulo(caminho);
            ADD_FAILURE() << "sem erro";
        } catch (const ErroImportacao& e) {
            EXPECT_EQ(e.mensagem(), u"Erro ao importar dados.");
            EXPECT_EQ(e.causa(), QString::fromUtf8(c.causa));
            EXPECT_EQ(e.arquivo(), caminho); // the window shows it after the message
        }
    }
}

TEST(ImportacaoSaoPaulo, ExtensaoQueNaoETxtRecusadaEUtf8LidoIgual) {
    QTemporaryDir pasta;
    const QString csv = pasta.filePath(QStringLiteral("exemplo.csv"));
    ASSERT_TRUE(QFile::copy(exemplo(), csv));
    try {
        importarArquivoSaoPaulo(csv);
        ADD_FAILURE() << "sem erro";
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), u"Arquivo inválido.");
        EXPECT_EQ(e.gravidade(), Gravidade::Aviso);
    }
    const QByteArray latin1 = conteudo(exemplo());
    const ResultadoImportacao a = lerTextoSaoPaulo(latin1);
    const ResultadoImportacao b = lerTextoSaoPaulo(QString::fromLatin1(latin1).toUtf8());
    ASSERT_EQ(b.serie.tamanho(), a.serie.tamanho());
    for (qsizetype i = 0; i < a.serie.tamanho(); ++i)
        EXPECT_EQ(b.serie[i].vazao, a.serie[i].vazao);
}

} // namespace
