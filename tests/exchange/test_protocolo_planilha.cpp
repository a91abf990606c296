// The conversation with the workbook reader program: line ends from either system, answers that
// carry nothing but the protocol, the time allowed, cancelling a wait, and the program's memory
// limit.
#include "exchange/importaexcel.h"
#include "plataforma.h"
#include "respostas.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <new>
#include <vector>

using namespace corvel;

namespace {

// Points the cell reader at another program for one test.
class OutroLeitor {
  public:
    explicit OutroLeitor(const char* programa) {
        TImportaExcel::definirPrograma(QString::fromUtf8(programa));
    }
    ~OutroLeitor() { TImportaExcel::definirPrograma(QStringLiteral(CORVEL_PLANILHA)); }
};

QString arquivoQualquer(const QTemporaryDir& pasta, const char* nome, qint64 tamanho) {
    const QString caminho = pasta.filePath(QString::fromUtf8(nome));
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(tamanho, 'x'));
    return caminho;
}

TEST(ProtocoloPlanilha, FimDeLinhaDeQualquerSistema) {
    const std::pair<QByteArray, QByteArray> casos[] = {
        {"OK\n", "OK"},         {"OK\r\n", "OK"}, {"OK", "OK"},   {"T a\\r\r\n", "T a\\r"},
        {"T a\r\r\n", "T a\r"}, {"\r\n", ""},     {"\n\r", "\n"}, {"", ""},
    };
    for (const auto& [linha, esperado] : casos)
        EXPECT_EQ(semFimDeLinha(linha), esperado) << linha.toStdString();
}

// A reader that answers every cell the same way, to see how requests are understood.
class LeitorFixo : public LeitorPlanilha {
  public:
    std::optional<QString> celula(int s, int l, int c) const override {
        return QStringLiteral("%1/%2/%3\nç").arg(s).arg(l).arg(c);
    }
    std::optional<double> numero(int, int, int) const override { return 0.1; }
    std::optional<EstiloCelula> estilo(int, int, int) const override {
        return EstiloCelula{0xFF00, 0xA, true};
    }
};

TEST(ProtocoloPlanilha, PedidosComOuSemRetorno) {
    const LeitorFixo leitor;
    const std::pair<const char*, QByteArray> casos[] = {
        {"C 1 2 3", "T 1/2/3\\n\xc3\xa7"},
        {"C 1 2 3\r", "T 1/2/3\\n\xc3\xa7"}, // from a text-mode stream on Windows
        {"C 1 2 3\r\n", "T 1/2/3\\n\xc3\xa7"},
        {"N 1 1 1\r", "N 0.10000000000000001"},
        {"E 1 1 1\r", "E ff00 a 1"},
        {"C 1 2", "-"},
        {"C 1 2 x", "-"},
        {"CC 1 2 3", "-"},
        {"X 1 2 3", "-"},
        {"", "-"},
        {"\r", "-"},
    };
    for (const auto& [pedido, resposta] : casos)
        EXPECT_EQ(planilha::responder(leitor, QByteArrayView(pedido)), resposta) << pedido;
}

// Answers ending in "\r\n" read as the same answers.
TEST(ProtocoloPlanilha, RespostasComCRLF) {
    const OutroLeitor falso(CORVEL_PLANILHA_FALSA);
    QTemporaryDir pasta;
    TImportaExcel leitor;
    ASSERT_TRUE(leitor.abrir(arquivoQualquer(pasta, "a.xlsx", 10)));
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), QStringLiteral("Março\r\n1990"));
    EXPECT_EQ(leitor.lerNumero(1, 1, 1), 126.99);
    const auto e = leitor.lerEstilo(1, 1, 1);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->fundo, 0xFF0000u);
    EXPECT_EQ(e->texto, 0xFFFFFFu);
    EXPECT_TRUE(e->negrito);
}

TEST(ProtocoloPlanilha, PrazoCresceComOArquivo) {
    const std::pair<qint64, qint64> casos[] = {
        {0, 10000},
        {1, 10000},
        {512 * 1024, 11000},
        {1024 * 1024, 12000},
        {64LL * 1024 * 1024, 138000},
    };
    for (const auto& [bytes, prazo] : casos)
        EXPECT_EQ(TImportaExcel::prazoDeCarga(bytes), prazo) << bytes;
}

// While the reader works, the caller is called back with the time allowed for that file; its "no"
// ends the wait, and the reading is marked as cancelled rather than refused.
TEST(ProtocoloPlanilha, EsperaChamaDeVoltaEPodeSerCancelada) {
    const OutroLeitor falso(CORVEL_PLANILHA_FALSA);
    QTemporaryDir pasta;
    const QString arquivo = arquivoQualquer(pasta, "p.lenta", 3 * 1024 * 1024);
    TImportaExcel leitor;
    std::vector<std::pair<qint64, qint64>> chamadas;
    EXPECT_FALSE(leitor.abrir(arquivo, [&](qint64 decorrido, qint64 prazo) {
        chamadas.emplace_back(decorrido, prazo);
        return chamadas.size() < 3;
    }));
    EXPECT_TRUE(leitor.cancelada());
    ASSERT_EQ(chamadas.size(), 3u);
    for (std::size_t i = 0; i < chamadas.size(); ++i) {
        EXPECT_EQ(chamadas[i].second, 16000);
        if (i > 0) {
            EXPECT_GE(chamadas[i].first, chamadas[i - 1].first);
        }
    }
    EXPECT_EQ(leitor.lerCelula(1, 1, 1), std::nullopt); // the reader has gone

    // The next reading starts afresh.
    ASSERT_TRUE(leitor.abrir(arquivoQualquer(pasta, "b.xlsx", 10)));
    EXPECT_FALSE(leitor.cancelada());
    EXPECT_EQ(leitor.lerNumero(1, 1, 1), 126.99);
}

// Whatever the libraries print goes to standard error: standard output holds the answers only,
// even with the libraries' own description of their reading turned on.
TEST(ProtocoloPlanilha, SaidaPadraoSoTemRespostas) {
    QProcess p;
    p.start(QStringLiteral(CORVEL_PLANILHA),
            {QStringLiteral("--depurar"),
             QStringLiteral(CORVEL_TEST_DATA "/planilhas/outra_biblioteca.xlsx")});
    ASSERT_TRUE(p.waitForStarted());
    p.write("C 1 1 1\r\nN 1 2 2\nC 9 9 9\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardOutput(), QByteArray("OK\nT Ano\nN 126.98999999999999\n-\n"));
    EXPECT_FALSE(p.readAllStandardError().isEmpty());
}

TEST(ProcessoPlanilha, LimiteDeMemoriaFazFalharOQuePassaDele) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!planilha::limitarMemoria(1LL << 30)) std::_Exit(1);
            static char* volatile bloco = nullptr;
            try {
                bloco = new char[4LL << 20]; // well within the limit
                bloco[0] = 1;
            } catch (const std::bad_alloc&) {
                std::_Exit(2);
            }
            try {
                bloco = new char[2LL << 30];
                bloco[0] = 1;
                std::_Exit(4);
            } catch (const std::bad_alloc&) {
                std::_Exit(3);
            }
        },
        ::testing::ExitedWithCode(3), "");
}

#ifdef Q_OS_LINUX
// The reader program runs under its limit.
TEST(ProcessoPlanilha, ProgramaLeitorRodaComLimite) {
    QProcess p;
    p.start(QStringLiteral(CORVEL_PLANILHA),
            {QStringLiteral(CORVEL_TEST_DATA "/planilhas/grade.ods")});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(p.waitForReadyRead());
    EXPECT_EQ(p.readLine(), QByteArray("OK\n"));
    QFile limites(QStringLiteral("/proc/%1/limits").arg(p.processId()));
    ASSERT_TRUE(limites.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = limites.readAll().split('\n');
    const auto espaco = std::find_if(linhas.begin(), linhas.end(), [](const QByteArray& l) {
        return l.startsWith("Max address space");
    });
    ASSERT_NE(espaco, linhas.end());
    EXPECT_EQ(espaco->simplified(), QByteArray("Max address space 2147483648 unlimited bytes"));
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished());
}
#endif

} // namespace
