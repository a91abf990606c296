// The snapshot file: round trips keep names, types, nulls and order; bad bytes are refused with a
// message and never crash or over-allocate.
#include "core/arquivotabela.h"
#include "core/erros.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <limits>

using namespace corvel;

namespace {

Tabela tabelaDeTodosOsTipos() {
    Tabela t({{QStringLiteral("Codigo"), TipoCampo::Inteiro, 4},
              {QStringLiteral("Nível"), TipoCampo::Inteiro, 2},
              {QStringLiteral("Grande"), TipoCampo::Inteiro, 8},
              {QStringLiteral("Valor"), TipoCampo::Real, 0},
              {QStringLiteral("Nome"), TipoCampo::Texto, 50},
              {QStringLiteral("Quando"), TipoCampo::DataHora, 0},
              {QStringLiteral("Ativo"), TipoCampo::Logico, 0}});
    const qsizetype a = t.acrescentarLinha();
    t.definir(a, 0, qint64{12345678});
    t.definir(a, 1, qint64{-32768});
    t.definir(a, 2, std::numeric_limits<qint64>::min());
    t.definir(a, 3, 0.1);
    t.definir(a, 4, QStringLiteral("Posto Sul (régua) — ç"));
    t.definir(a, 5, QDateTime(QDate(1934, 10, 16), QTime(0, 0), Qt::UTC));
    t.definir(a, 6, true);
    t.acrescentarLinha(); // all null
    const qsizetype c = t.acrescentarLinha();
    t.definir(c, 3, -0.0);
    t.definir(c, 4, QString());
    t.definir(c, 6, false);
    return t;
}

TEST(ArquivoTabela, IdaEVoltaMantemNomesTiposNulosEOrdem) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("t.cvl"));
    const Tabela original = tabelaDeTodosOsTipos();
    gravarTabela(caminho, original);
    const Tabela lida = lerTabela(caminho);
    EXPECT_EQ(lida.campos(), original.campos());
    ASSERT_EQ(lida.linhas(), 3);
    EXPECT_EQ(lida, original);
    EXPECT_TRUE(lida.nulo(1, 0));
    EXPECT_TRUE(std::signbit(*lida.real(2, 3)));
    EXPECT_EQ(lida.texto(2, 4), QString()); // an empty text is not null
    EXPECT_FALSE(lida.nulo(2, 4));
    EXPECT_EQ(lida.indiceCampo(u"NÍVEL"), 1); // look-up ignores case
    EXPECT_EQ(lida.indiceCampo(u"inexistente"), -1);
}

TEST(ArquivoTabela, Crc32DeReferencia) {
    EXPECT_EQ(crc32("123456789", 9), 0xCBF43926u); // the standard check value
    EXPECT_EQ(crc32("", 0), 0u);
}

// Eight bytes at a time gives what the plain bit-by-bit definition gives, at every length and
// for every tail.
TEST(ArquivoTabela, Crc32IgualAoCalculoBitABit) {
    const auto bitABit = [](const char* d, qsizetype n) {
        quint32 c = 0xFFFFFFFFu;
        for (qsizetype i = 0; i < n; ++i) {
            c ^= static_cast<quint8>(d[i]);
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
        return ~c;
    };
    QByteArray b;
    for (int i = 0; i < 300; ++i)
        b.append(static_cast<char>((i * 131 + 7) & 0xFF));
    for (qsizetype inicio : {0, 1, 3})
        for (qsizetype n = 0; n + inicio <= b.size(); ++n)
            ASSERT_EQ(crc32(b.constData() + inicio, n), bitABit(b.constData() + inicio, n))
                << inicio << " " << n;
}

TEST(ArquivoTabela, GravacaoEDeterministica) {
    EXPECT_EQ(codificarTabela(tabelaDeTodosOsTipos()), codificarTabela(tabelaDeTodosOsTipos()));
}

TEST(ArquivoTabela, RecusaValorForaDoTipoDoCampo) {
    Tabela t = tabelaDeTodosOsTipos();
    EXPECT_THROW(t.definir(0, 1, qint64{40000}), ErroArquivo); // 16-bit field
    EXPECT_THROW(t.definir(0, 3, QStringLiteral("x")), ErroArquivo);
    EXPECT_THROW(t.definir(0, 5, QDateTime()), ErroArquivo);
}

QString mensagemAoDecodificar(const QByteArray& bytes) {
    try {
        decodificarTabela(bytes, QStringLiteral("x.cvl"));
    } catch (const ErroArquivo& e) {
        return e.mensagem();
    }
    return QStringLiteral("(aceito)");
}

TEST(ArquivoTabela, TodoPrefixoDoArquivoERecusado) {
    const QByteArray bytes = codificarTabela(tabelaDeTodosOsTipos());
    for (qsizetype n = 0; n < bytes.size(); ++n)
        EXPECT_NE(mensagemAoDecodificar(bytes.left(n)), u"(aceito)") << "prefixo de " << n;
}

TEST(ArquivoTabela, QualquerByteAlteradoERecusado) {
    const QByteArray bytes = codificarTabela(tabelaDeTodosOsTipos());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QByteArray b = bytes;
        b[i] = static_cast<char>(b[i] ^ 0x5A);
        EXPECT_NE(mensagemAoDecodificar(b), u"(aceito)") << "byte " << i;
    }
}

TEST(ArquivoTabela, MensagensDizemOQueHaDeErrado) {
    const QByteArray bytes = codificarTabela(tabelaDeTodosOsTipos());
    EXPECT_EQ(mensagemAoDecodificar("texto qualquer"),
              QStringLiteral("O arquivo \"x.cvl\" não é uma tabela do Corvel."));
    QByteArray trocado = bytes;
    trocado[20] = static_cast<char>(trocado[20] ^ 1);
    EXPECT_EQ(mensagemAoDecodificar(trocado),
              QStringLiteral("O arquivo \"x.cvl\" está danificado (soma de verificação incorreta)."));
    EXPECT_EQ(mensagemAoDecodificar(bytes.left(bytes.size() / 2)),
              QStringLiteral("O arquivo \"x.cvl\" está danificado (soma de verificação incorreta)."));
    EXPECT_EQ(mensagemAoDecodificar(bytes.left(10)),
              QStringLiteral("O arquivo \"x.cvl\" está truncado ou danificado."));
}

// A header that claims four billion rows, with a valid checksum, must not reserve memory for them.
TEST(ArquivoTabela, ContagemDeLinhasEnormeNaoAlocaSemLimite) {
    Tabela t({{QStringLiteral("A"), TipoCampo::Real, 0}});
    QByteArray b = codificarTabela(t);
    b.chop(4);                   // checksum
    b.chop(4);                   // row count 0
    b.append("\xff\xff\xff\xff", 4);
    const quint32 crc = crc32(b.constData(), b.size()); // forged, so the header is believed
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((crc >> (8 * i)) & 0xFF));
    EXPECT_EQ(mensagemAoDecodificar(b), QStringLiteral("O arquivo \"x.cvl\" está truncado ou danificado."));
}

TEST(ArquivoTabela, ArquivoAusenteOuGrandeDemaisERecusadoAntesDeLer) {
    QTemporaryDir pasta;
    try {
        lerTabela(pasta.filePath(QStringLiteral("nao-existe.cvl")));
        FAIL();
    } catch (const ErroArquivo& e) {
        EXPECT_TRUE(e.mensagem().startsWith(
            QStringLiteral("Não foi possível abrir o arquivo \"nao-existe.cvl\"")));
    }
    const QString grande = pasta.filePath(QStringLiteral("grande.cvl"));
    QFile f(grande);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kTamanhoMaximoTabela + 1)); // sparse: no disk is spent
    f.close();
    try {
        lerTabela(grande);
        FAIL();
    } catch (const ErroArquivo& e) {
        EXPECT_EQ(e.mensagem(),
                  QStringLiteral("O arquivo \"grande.cvl\" é grande demais para ser uma tabela do Corvel."));
    }
}

TEST(ArquivoTabela, FalhaAoGravarLevantaErroComONomeDoArquivo) {
    QTemporaryDir pasta;
    try {
        gravarTabela(pasta.filePath(QStringLiteral("sem/pasta.cvl")), tabelaDeTodosOsTipos());
        FAIL();
    } catch (const ErroArquivo& e) {
        EXPECT_TRUE(e.mensagem().startsWith(
            QStringLiteral("Não foi possível gravar o arquivo \"pasta.cvl\"")))
            << e.what();
    }
}

} // namespace
